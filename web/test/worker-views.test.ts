// The views as the worker hands them to the page: in pixels of the size the
// page shows them at, whole again when that size changes or a hidden view
// is shown, and the magnified view following a drag.

import { test } from 'node:test';
import assert from 'node:assert/strict';
import { readFileSync } from 'node:fs';
import { resolve } from 'node:path';
import type { Drawing, ViewName } from '../src/protocol';
import { Harness, fastest, root, readyHarness } from './workerSupport';

async function ranProgram(folder: string): Promise<Harness> {
  const h = await readyHarness();
  h.send({ type: 'pace', index: fastest });
  h.send({ type: 'load', text: readFileSync(resolve(root, 'tests/golden', folder, 'program.nc'), 'utf8') });
  await h.command('run');
  return h;
}

// What the page shows of a view: the lines since the last restart.
function shown(h: Harness, view: ViewName): Drawing[] {
  const drawn = h.received.flatMap((m) => (m.type === 'slice' ? m.drawings : [])).filter((d) => d.view === view);
  return drawn.slice(drawn.map((d) => d.restart).lastIndexOf(true));
}

function lines(drawings: Drawing[]): number[] {
  return drawings.flatMap((d) => Array.from(d.lines));
}

test('the plan view comes in the page\'s pixels, each line with its colour', async () => {
  const h = await ranProgram('sample-dl1');
  const plan = shown(h, 'plan');
  const all = lines(plan);
  assert.ok(all.length > 100);
  assert.equal(all.length, plan.reduce((n, d) => n + d.colours.length, 0) * 4);
  assert.ok(all.every((v) => v >= 0 && v <= 481), 'within the 481-pixel view');
  assert.ok(plan.every((d) => d.visible));
  const labels = h.received.flatMap((m) => (m.type === 'slice' ? m.drawings : [])).find((d) => d.view === 'plan' && d.labels);
  assert.ok(labels?.labels?.some((l) => l.caption === 'X'));

  // Twice the size: every line again, twice as far from the corner.
  h.send({ type: 'viewSize', size: 962 });
  const bigger = await h.next('slice', (s) => s.drawings.some((d) => d.view === 'plan'));
  const again = bigger.drawings.find((d) => d.view === 'plan')!;
  assert.equal(again.restart, true);
  const twice = Array.from(again.lines);
  const before = lines(plan);
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
  assert.equal(axo.visible, true);
  assert.equal(axo.restart, true);
  assert.ok(axo.lines.length > 0);
  assert.equal(slice.drawings.find((d) => d.view === 'plan')?.visible, false);
});

test('a drag pans the magnified cut under the pointer', async () => {
  const h = await ranProgram('cut-below-surface');
  h.send({ type: 'drag', mode: 'pan' });
  const panning = await h.next('slice', (s) => s.panel.shown === 'magnified');
  const view = panning.drawings.find((d) => d.view === 'magnified')!;
  assert.equal(view.pointer, 'hand');
  assert.equal(view.visible, true);
  const before = lines(shown(h, 'magnified'));
  assert.ok(before.length > 0);
  h.send({ type: 'pointer', buttons: 'none', x: 100, y: 100 });
  h.send({ type: 'pointer', buttons: 'left', x: 110, y: 100 });
  await h.next('slice');
  const after = lines(shown(h, 'magnified'));
  assert.equal(after.length, before.length);
  for (let i = 0; i < after.length; i += 2) {
    assert.ok(Math.abs(after[i] - before[i] - 10) < 0.01, `x ${before[i]} → ${after[i]}`);
    assert.ok(Math.abs(after[i + 1] - before[i + 1]) < 0.01, `y ${before[i + 1]} → ${after[i + 1]}`);
  }
  h.send({ type: 'drag', mode: 'rotate' });
  const rotating = await h.next('slice', (s) => s.drawings.some((d) => d.view === 'magnified' && d.pointer === 'cross'));
  assert.equal(rotating.panel.shown, 'magnified');
});

test('no drag mode, given back after a gesture, leaves the cut where it is under a drag', async () => {
  const h = await ranProgram('cut-below-surface');
  h.send({ type: 'view', view: 'magnified' });
  await h.next('slice', (s) => s.panel.shown === 'magnified');
  h.send({ type: 'drag', mode: 'pan' });
  await h.next('slice', (s) => s.drawings.some((d) => d.view === 'magnified' && d.pointer === 'hand'));
  h.send({ type: 'drag', mode: 'none' });
  const none = await h.next('slice', (s) => s.drawings.some((d) => d.view === 'magnified' && d.pointer === 'arrow'));
  assert.equal(none.panel.shown, 'magnified');
  const before = lines(shown(h, 'magnified'));
  assert.ok(before.length > 0);
  h.send({ type: 'pointer', buttons: 'none', x: 100, y: 100 });
  h.send({ type: 'pointer', buttons: 'left', x: 140, y: 130 });
  h.send({ type: 'view', view: 'magnified' });
  await h.next('slice');
  assert.deepEqual(lines(shown(h, 'magnified')), before);
});
