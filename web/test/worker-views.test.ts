// The views as the worker hands them to the page: in pixels of the size the
// page shows them at, and whole again when that size changes.

import { test } from 'node:test';
import assert from 'node:assert/strict';
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
