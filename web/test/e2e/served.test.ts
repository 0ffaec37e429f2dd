import assert from 'node:assert/strict';
import { spawn } from 'node:child_process';
import { join } from 'node:path';
import { test } from 'node:test';
import { readouts, ready, theBrowser, top } from './page';

test('served by scripts/web --serve, the page asks for itself alone and runs', async () => {
  const server = spawn(process.execPath, [join(top, 'web/serve.mjs'), join(top, 'build/web'), '0']);
  const context = await theBrowser().newContext({ locale: 'zh-CN' });
  try {
    const address = await new Promise<string>((resolve, reject) => {
      let out = '';
      server.stdout.on('data', (d: Buffer) => {
        out += d.toString();
        const m = out.match(/http:\/\/localhost:\d+\//);
        if (m) resolve(m[0]);
      });
      server.on('exit', () => reject(new Error(`the server ended: ${out}`)));
    });
    const page = await context.newPage();
    const requests: string[] = [];
    page.on('request', (r) => requests.push(r.url().replace(/^blob:.*/, 'blob:')));
    page.on('console', (m) => m.type() === 'error' && requests.push(`console: ${m.text()}`));
    await page.goto(address);
    await ready(page);
    await page.getByRole('button', { name: '运行' }).click();
    await page.waitForFunction(() => document.getElementById('point-x')!.textContent === '-10');
    assert.deepEqual(await readouts(page), ['-10', '-10', '60']);
    assert.deepEqual(requests, [address, 'blob:']);
    assert.equal((await page.request.get(`${address}nothing.html`)).status(), 404);
  } finally {
    await context.close();
    server.kill();
  }
});
