// The views as the worker hands them to the page: in pixels of the size the
// page shows them at, whole again when that size changes or a hidden view
// is shown, and the magnified view following a drag in the mode chosen.

import { test } from 'node:test';
import assert from 'node:assert/strict';
import type { Slice } from '../src/protocol';
import { Harness, goldenRun, lines, loadRun, readyHarness, shown } from './workerSupport';

async function ranProgram(folder: string): Promise<Harness> {
  const h = await loadRun(await readyHarness(), goldenRun(folder));
  await h.command('run');
  return h;
}

test("the plan view comes in the page's pixels, each line with its colour, and whole again at a new size", async () => {
  const h = await ranProgram('sample-dl1');
  const plan = shown(h, 'plan');
  const before = lines(plan);
  assert.ok(before.length > 100);
  assert.equal(before.length, plan.reduce((n, d) => n + d.colours.length, 0) * 4);
  assert.ok(before.every((v) => v >= 0 && v <= 481), 'within the 481-pixel view');
  assert.ok(plan.every((d) => d.visible));
  const labels = h.received.flatMap((m) => (m.type === 'slice' ? m.drawings : [])).find((d) => d.view === 'plan' && d.labels);
  assert.ok(labels?.labels?.some((l) => l.caption === 'X'));

  // Twice the size: every line again, twice as far from the corner.
  h.send({ type: 'viewSize', size: 962 });
  const again = (await h.next('slice', (s) => s.drawings.some((d) => d.view === 'plan'))).drawings.find((d) => d.view === 'plan')!;
  assert.equal(again.restart, true);
  const twice = Array.from(again.lines);
  assert.ok(twice.length >= before.length * 0.9);
  for (let i = 0; i < 8; ++i) assert.ok(Math.abs(twice[i] - 2 * before[i]) < 0.01, `${twice[i]} ≠ 2 × ${before[i]}`);
});

test('a hidden view is handed over whole when it is shown', async () => {
  const h = await ranProgram('cut-below-surface');
  assert.ok(shown(h, 'axonometric').every((d) => !d.visible));
  assert.deepEqual(lines(shown(h, 'axonometric')), []);
  h.send({ type: 'view', view: 'axonometric' });
  const slice = await h.next('slice', (s) => s.panel.shown === 'axonometric');
  const axo = slice.drawings.find((d) => d.view === 'axonometric')!;
  assert.deepEqual([axo.visible, axo.restart, axo.lines.length > 0], [true, true, true]);
  assert.equal(slice.drawings.find((d) => d.view === 'plan')?.visible, false);
});

test('a drag pans the magnified cut under the pointer; with no mode, given back after a gesture, it leaves it', async () => {
  const h = await ranProgram('cut-below-surface');
  const pointer = (p: string) => (s: Slice) => s.panel.shown === 'magnified' && s.drawings.some((d) => d.view === 'magnified' && d.visible && d.pointer === p);
  const drag = async (x: number, y: number) => {
    h.send({ type: 'pointer', buttons: 'none', x: 100, y: 100 });
    h.send({ type: 'pointer', buttons: 'left', x, y });
    await h.next('slice');
  };
  h.send({ type: 'drag', mode: 'pan' });
  await h.next('slice', pointer('hand'));
  const before = lines(shown(h, 'magnified'));
  assert.ok(before.length > 0);
  await drag(110, 100);
  const after = lines(shown(h, 'magnified'));
  assert.equal(after.length, before.length);
  for (let i = 0; i < after.length; i += 2) {
    assert.ok(Math.abs(after[i] - before[i] - 10) < 0.01, `x ${before[i]} → ${after[i]}`);
    assert.ok(Math.abs(after[i + 1] - before[i + 1]) < 0.01, `y ${before[i + 1]} → ${after[i + 1]}`);
  }
  h.send({ type: 'drag', mode: 'rotate' });
  await h.next('slice', pointer('cross'));
  h.send({ type: 'drag', mode: 'none' });
  await h.next('slice', pointer('arrow'));
  await drag(140, 130);
  h.send({ type: 'view', view: 'magnified' });
  await h.next('slice');
  assert.deepEqual(lines(shown(h, 'magnified')), after);
});
