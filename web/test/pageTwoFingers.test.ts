import assert from 'node:assert/strict';
import { test } from 'node:test';
import { twoFingerMoves } from '../src/page/twoFingers';

const centre: [number, number] = [240, 240];

test('two fingers moved together pan by their midpoint alone; fingers that stay put send nothing', () => {
  assert.deepEqual(twoFingerMoves([[1, 2], [3, 4]], [[1, 2], [3, 4]], centre), []);
  assert.deepEqual(twoFingerMoves([[100, 100], [200, 100]], [[110, 130], [210, 130]], centre), [
    { type: 'drag', mode: 'pan' },
    { type: 'pointer', buttons: 'none', x: 150, y: 100 },
    { type: 'pointer', buttons: 'left', x: 160, y: 130 },
  ]);
});

test('a twist turns as far as the horizontal drag of its share of 600 pixels, clockwise to the right', () => {
  // A quarter turn clockwise on screen (y grows downwards) about a midpoint that stays.
  const quarter = twoFingerMoves([[100, 200], [300, 200]], [[200, 100], [200, 300]], centre);
  assert.deepEqual(quarter, [
    { type: 'drag', mode: 'rotate' },
    { type: 'pointer', buttons: 'none', x: 240, y: 240 },
    { type: 'pointer', buttons: 'left', x: 390, y: 240 },
  ]);
  // Across the half turn the short way: a little anticlockwise, not almost a whole turn.
  const [, , to] = twoFingerMoves([[300, 201], [100, 199]], [[300, 199], [100, 201]], centre);
  assert.ok(to.type === 'pointer' && to.x < 240 && to.x > 235, JSON.stringify(to));
});
