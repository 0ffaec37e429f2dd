import assert from 'node:assert/strict';
import { spawn, type ChildProcess } from 'node:child_process';
import { join } from 'node:path';
import { after, before, test } from 'node:test';
import type { Browser } from 'playwright-core';
import { launch, readouts, ready, top } from './page';

let browser: Browser;
let server: ChildProcess;
let address = '';

before(async () => {
  browser = await launch();
  server = spawn(process.execPath, [join(top, 'web/serve.mjs'), join(top, 'build/web'), '0']);
  address = await new Promise<string>((resolve, reject) => {
    let out = '';
    server.stdout!.on('data', (d: Buffer) => {
      out += d.toString();
      const m = out.match(/http:\/\/localhost:\d+\//);
      if (m) resolve(m[0]);
    });
    server.on('exit', () => reject(new Error(`the server ended: ${out}`)));
  });
});
after(async () => {
  server.kill();
  await browser.close();
});

test('served by scripts/web --serve, the page asks for itself alone and runs', async () => {
  const context = await browser.newContext({ locale: 'zh-CN' });
  const page = await context.newPage();
  const requests: string[] = [];
  page.on('request', (r) => requests.push(r.url()));
  page.on('console', (m) => m.type() === 'error' && requests.push(`console: ${m.text()}`));
  await page.goto(address);
  await ready(page);
  await page.getByRole('button', { name: '运行' }).click();
  await page.waitForFunction(() => document.getElementById('point-x')!.textContent === '-10');
  assert.deepEqual(await readouts(page), ['-10', '-10', '60']);
  assert.deepEqual(
    requests.map((u) => u.replace(/^blob:.*/, 'blob:')),
    [address, 'blob:'],
  );
  const missing = await page.request.get(`${address}nothing.html`);
  assert.equal(missing.status(), 404);
  await context.close();
});
