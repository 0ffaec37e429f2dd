// The pulse grid the worker hands the page under the plan view's path: the
// lines X = k·δ and Y = k·δ on the pixels the step points are drawn on, once
// a pulse is 8 pixels wide, and none at a fine pulse equivalent.

import { test } from 'node:test';
import assert from 'node:assert/strict';
import type { Drawing } from '../src/protocol';
import { Harness, fastest, readyHarness } from './workerSupport';

const program = '%\nG90G01X4Y3F500\nG02X7Y0I0J-3\nG00X0Y0\n%\n';
const feed = 14; // the colour of feed moves and arcs

// The plan view as the page last laid it down, after a run at these parameters.
async function planAfterRun(bei: string, dl: string): Promise<Drawing[]> {
  const h: Harness = await readyHarness();
  h.send({ type: 'pace', index: fastest });
  h.send({ type: 'parameters', texts: { g54x: '0', g54y: '0', g54z: '0', bei, dl } });
  assert.deepEqual(await h.next('parameters'), { type: 'parameters', accepted: true });
  h.send({ type: 'load', text: program });
  await h.command('run');
  const drawn = h.received.flatMap((m) => (m.type === 'slice' ? m.drawings : [])).filter((d) => d.view === 'plan');
  return drawn.slice(drawn.map((d) => d.restart).lastIndexOf(true));
}

test('at 1 mm and magnification 3 every step point of the cut lies on the grid', async () => {
  const plan = await planAfterRun('3', '1');
  const grid = plan[0].grid!;
  // 481 pixels at 9.02 pixels a pulse, from the origin at 240.5.
  assert.equal(grid.columns.length, 53);
  assert.equal(grid.rows.length, 53);
  assert.ok(grid.columns.includes(240) && grid.rows.includes(240));
  let points = 0;
  for (const d of plan) {
    for (let i = 0; i < d.colours.length; ++i) {
      if (d.colours[i] !== feed) continue;
      for (const end of [0, 2]) {
        ++points;
        assert.ok(grid.columns.includes(Math.floor(d.lines[4 * i + end])), `x ${d.lines[4 * i + end]}`);
        assert.ok(grid.rows.includes(Math.floor(d.lines[4 * i + end + 1])), `y ${d.lines[4 * i + end + 1]}`);
      }
    }
  }
  assert.ok(points >= 20, `${points} points`); // ten steps at least, each with both ends
});

test('no grid where a pulse is under 8 pixels', async () => {
  // 481 pixels at magnification 2: 6.01 pixels a pulse of 1 mm.
  for (const [bei, dl] of [['2', '1'], ['1000', '0.001']]) {
    const grid = (await planAfterRun(bei, dl))[0].grid!;
    assert.deepEqual([grid.columns.length, grid.rows.length], [0, 0], `${bei} ${dl}`);
  }
});
