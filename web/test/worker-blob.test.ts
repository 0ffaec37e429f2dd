// The worker's script as the page starts it: from a Blob URL of a page
// opened from disk, in Debian's Chromium, offline. It loads the inlined
// module and runs the sample to the runner's ticks.

import { test } from 'node:test';
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { existsSync, mkdtempSync, readFileSync, rmSync, writeFileSync } from 'node:fs';
import { createRequire } from 'node:module';
import { tmpdir } from 'node:os';
import { join, resolve } from 'node:path';
import { goldenRun, root } from './workerSupport';

const chromium = '/usr/bin/chromium';

test('the worker runs from a Blob URL in Chromium', { skip: !existsSync(chromium), timeout: 120000 }, async () => {
  const folder = mkdtempSync(join(tmpdir(), 'tarvo-worker-'));
  try {
    execFileSync(process.execPath, [resolve(root, 'web/build-worker.mjs'), join(folder, 'worker.js')]);
    const source = readFileSync(join(folder, 'worker.js'), 'utf8');
    // A script tag, not fetch: a page opened from disk may fetch nothing.
    writeFileSync(join(folder, 'worker-source.js'), `window.workerSource = ${JSON.stringify(source)};`);
    writeFileSync(
      join(folder, 'index.html'),
      `<!doctype html><meta charset="utf-8"><script src="worker-source.js"></script><script>
        window.received = [];
        const url = URL.createObjectURL(new Blob([workerSource], { type: 'text/javascript' }));
        window.machine = new Worker(url);
        machine.onmessage = (e) => received.push(e.data);
        machine.onerror = (e) => received.push({ type: 'failed', text: e.message });
      </script>`,
    );
    const { chromium: browserType } = createRequire(resolve(root, 'web/package.json'))('playwright-core');
    const browser = await browserType.launch({
      executablePath: chromium,
      args: ['--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run', '--disable-background-networking', '--disable-component-update', '--disable-sync'],
    });
    try {
      const page = await browser.newPage();
      await page.goto(`file://${join(folder, 'index.html')}`);
      await page.waitForFunction(() => (window as any).received.some((m: any) => m.type === 'ready' || m.type === 'failed'));
      const run = goldenRun('sample-dl1');
      const end = await page.evaluate(async (program: string) => {
        const w = window as any;
        w.machine.postMessage({ type: 'pace', index: 6 });
        w.machine.postMessage({ type: 'load', text: program });
        w.machine.postMessage({ type: 'command', command: 'run' });
        for (;;) {
          const last = w.received.filter((m: any) => m.type === 'slice').pop();
          if (last && last.panel.ticks > 0 && !last.panel.advancing) return { last, failed: w.received.filter((m: any) => m.type === 'failed') };
          await new Promise((wait) => setTimeout(wait, 20));
        }
      }, Buffer.from(run.program).toString('utf8'));
      assert.deepEqual(end.failed, []);
      assert.equal(end.last.panel.ticks, run.expected.ticks);
      assert.deepEqual(end.last.panel.point, ['-10', '-10', '60']);
    } finally {
      await browser.close();
    }
  } finally {
    rmSync(folder, { recursive: true, force: true });
  }
});
