// The worker runs a textbook program to its end exactly as the native
// runner does: the same ticks, the same final point and output byte, the
// same message, as the golden folders recorded them.

import { test } from 'node:test';
import assert from 'node:assert/strict';
import { readFileSync } from 'node:fs';
import { resolve } from 'node:path';
import { goldenRun, loadRun, machineModule, root, type GoldenRun, readyHarness } from './workerSupport';

const runs = [
  'sample-dl1',
  'cli-sample-json-dl-0.1',
  'cli-dl-largest',
  'arc-radius-one-step',
  'cut-below-surface',
  'error-g04-line3',
  'gb18030-error-line4',
  'gbk-comments',
  'method-dda-arc-off-circle',
  'no-final-line-feed-percent',
  'no-final-line-feed-word',
  'unreachable-end-point',
];

// The page's way: the file opened, the dialog's texts, the method, Run at 最快.
async function runThroughWorker(run: GoldenRun) {
  const h = await readyHarness();
  h.send({ type: 'open', name: `${run.name}.nc`, bytes: run.program.slice().buffer });
  await loadRun(h, run, (await h.next('opened')).text);
  const end = await h.command('run');
  return { h, end };
}

for (const name of runs) {
  test(`${name}: the worker ends where the runner ends`, { timeout: 60000 }, async () => {
    const run = goldenRun(name);
    const { h, end } = await runThroughWorker(run);
    const e = run.expected;
    assert.equal(end.panel.ticks, e.ticks);
    assert.equal(end.panel.bits.map((b) => (b ? '1' : '0')).join(''), e.out);
    // The read-outs show millimetres; the report counts tenths.
    assert.deepEqual(end.panel.point, [e.xcur, e.ycur, e.zcur].map((v) => String(v / 10)));
    assert.equal(end.panel.idle, true);
    const modals = h.modals();
    if (e.message === null) {
      assert.deepEqual(modals, []);
      assert.equal(end.panel.error, null);
    } else {
      assert.deepEqual(modals, [{ title: '出错', text: e.message }]);
      const line = Number(/^第(\d+)行/.exec(e.message)![1]) - 1;
      assert.deepEqual(end.panel.error, { line, text: e.message });
    }
  });
}

test('the session holds the exact figures of the runner, in tenths of a millimetre', async () => {
  const module = await machineModule();
  for (const name of ['sample-dl1', 'cli-sample-json-dl-0.1', 'error-g04-line3']) {
    const run = goldenRun(name);
    const session = new module.MachineSession();
    const opened = module.openFile(name, run.program);
    assert.equal(opened.type, 'opened');
    if (opened.type !== 'opened') continue;
    session.load(opened.text);
    assert.equal(session.setParameters(run.parameters).accepted, true);
    session.command('run');
    while (session.advance(1e6, 1e4) > 0);
    const f = session.figures();
    const e = run.expected;
    assert.deepEqual(
      [f.ticks, f.timer1_ticks, f.timer2_ticks, f.xcur, f.ycur, f.zcur, f.out],
      [e.ticks, e.timer1_ticks, e.timer2_ticks, String(e.xcur), String(e.ycur), String(e.zcur), e.out],
      name,
    );
    session.delete();
  }
});

test('a full circle is warned of on its line, as the runner warns of it, and the run goes on', { timeout: 60000 }, async () => {
  const h = await loadRun(await readyHarness(), goldenRun('full-circle'));
  const folder = resolve(root, 'tests/golden/full-circle');
  const end = await h.command('run');
  const stderr = readFileSync(resolve(folder, 'stderr'), 'utf8').trim().split('\n');
  assert.deepEqual(end.panel.warningLines, stderr);
  assert.deepEqual(end.panel.warnings, [{ line: 2, text: '整圆：终点与起点重合，本段不走' }]);
  const report = readFileSync(resolve(folder, 'stdout'), 'utf8');
  assert.equal(end.panel.ticks, Number(/after (\d+) ticks/.exec(report)![1]));
  assert.deepEqual(h.modals(), []);
});
