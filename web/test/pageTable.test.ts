import assert from 'node:assert/strict';
import { test } from 'node:test';
import { movedRow, scrollExtent, scrollFor, tableOffset, tallestExtent } from '../src/page/rowWindow';
import { clockTexts } from '../src/page/exercisePanel';
import { shownTicks } from '../src/page/timingDiagram';
import { CellFit } from '../src/page/cellFit';
import { tableRows } from './support/tableFile';

const h = 36;

test('a short table scrolls pixel for pixel', () => {
  assert.deepEqual([scrollExtent(100, h), tableOffset(1234, 300, 100, h), scrollFor(1234, 300, 100, h)], [3600, 1234, 1234]);
});

test('a million rows fit the browser and both ends are reached', () => {
  const rows = 1_000_000;
  const view = 400;
  assert.deepEqual([scrollExtent(rows, h), tableOffset(0, view, rows, h)], [tallestExtent, 0]);
  // Scrolled to the bottom, the last row's bottom is the viewport's.
  assert.equal(tableOffset(tallestExtent - view, view, rows, h), rows * h - view);
  const middle = scrollFor(500_000 * h, view, rows, h);
  assert.ok(Math.abs(tableOffset(middle, view, rows, h) - 500_000 * h) < 1e-6);
});

test('keys move the selection as a list moves its current row', () => {
  for (const r of tableRows('web/moved-rows.tsv')) {
    assert.equal(movedRow(r.key, Number(r.at), Number(r.rows), Number(r.page)), r.row === 'none' ? null : Number(r.row), r.line);
  }
});

test('the timing strip follows the newest ticks, or stays where it was scrolled', () => {
  for (const r of tableRows('web/shown-ticks.tsv')) {
    const kept = { firstTick: Number(r.first), lastTick: Number(r.last), revision: Number(r.revision) };
    assert.deepEqual(shownTicks(kept, r.scrolled === 'none' ? null : Number(r.scrolled), Number(r.width)), { from: Number(r.from), to: Number(r.to) }, r.line);
  }
});

test('an attempt is dated by the page\'s local clock, two digits a field', () => {
  const dates = [new Date(2026, 0, 5, 8, 3, 9), new Date(2026, 11, 31, 23, 59, 59)].map(clockTexts);
  assert.deepEqual(dates, [{ date: '2026-01-05', time: '08:03:09' }, { date: '2026-12-31', time: '23:59:59' }]);
});

// A line's width at 7 pixels a character.
const seven = (line: string) => line.length * 7;

test('the rows grow to the most lines a cell held and the columns to their widest line, never shrinking', () => {
  const fit = new CellFit(2);
  const state = () => [fit.lines, fit.rowHeight, fit.widths];
  assert.equal(fit.rowHeight, 36);
  assert.equal(fit.fit([['1', 'JRx = 0 + 15 = 15 < 16\nJRy = 0 + 10 = 10 < 16']], seven), true);
  assert.deepEqual(state(), [2, 36, [7 + 12, 22 * 7 + 12]]);
  // A straight move with Z lists three registers: every row takes three lines.
  assert.equal(fit.fit([['12', 'JRx = 1\nJRy = 2\nJRz = 3']], seven), true);
  assert.deepEqual(state(), [3, 52, [14 + 12, 22 * 7 + 12]]);
  // Shorter texts after it change nothing.
  assert.equal(fit.fit([['3', 'F = 1']], seven), false);
  // Captions widen their columns but never make rows taller.
  assert.equal(fit.fit([['步', '偏差计算\n（直线：毫米）', 'a\nb\nc\nd']], seven, false), true);
  assert.deepEqual(state(), [3, 52, [26, 166, 7 + 12]]);
  assert.equal(fit.template(3), 'minmax(26px, 26fr) minmax(166px, 166fr) minmax(19px, 19fr)');
  assert.equal(fit.width(3), 26 + 166 + 19);
  fit.reset(1);
  assert.deepEqual(state(), [1, 20, []]);
});
