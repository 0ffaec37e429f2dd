// The worker runs textbook programs to their ends exactly as the native
// runner does, one after another in one worker whatever became of the one
// before: the file opened and decoded, the dialog's texts and the method
// handed over, the same ticks, final point and output byte, the same message
// in its box and on its line, as the golden folders recorded them.

import { test } from 'node:test';
import assert from 'node:assert/strict';
import { goldenRun, loadRun, readyHarness } from './workerSupport';

// An error, one in a GB18030 file, one of a method chosen, a work offset,
// and a clean run after them.
const runs = ['error-g04-line3', 'gb18030-error-line4', 'method-dda-arc-off-circle', 'no-final-line-feed-percent', 'cli-sample-json-dl-0.1'];

test('each recorded run ends in the worker where the runner ends', { timeout: 60000 }, async () => {
  const h = await readyHarness();
  let ticks = 0; // the worker's clock counts on from run to run
  for (const name of runs) {
    const run = goldenRun(name);
    const from = h.received.length;
    h.send({ type: 'open', name: `${name}.nc`, bytes: run.program.slice().buffer });
    await loadRun(h, run, (await h.next('opened')).text);
    const end = await h.command('run');
    const e = run.expected;
    // The read-outs show millimetres; the report counts tenths.
    assert.deepEqual(
      [end.panel.ticks - ticks, end.panel.bits.map((b) => (b ? '1' : '0')).join(''), end.panel.point, end.panel.idle],
      [e.ticks, e.out, [e.xcur, e.ycur, e.zcur].map((v) => String(v / 10)), true],
      name,
    );
    const line = e.message === null ? null : Number(/^第(\d+)行/.exec(e.message)![1]) - 1;
    assert.deepEqual(h.modals(from), e.message === null ? [] : [{ title: '出错', text: e.message }], name);
    assert.deepEqual(end.panel.error, e.message === null ? null : { line, text: e.message }, name);
    ticks = end.panel.ticks;
  }
});
