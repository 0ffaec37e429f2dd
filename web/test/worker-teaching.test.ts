// The teaching tools through the worker, held to the runner's own records:
// the interpolation table against the golden folders' --steps tables, the
// pulse history against their --trace, 先答后看 marked as the window marks
// it, and one step selected across the tools.

import { test } from 'node:test';
import assert from 'node:assert/strict';
import { readFileSync } from 'node:fs';
import { resolve } from 'node:path';
import type { Selection, Slice, TableRow } from '../src/protocol';
import { Harness, goldenRun, loadRun, root, readyHarness } from './workerSupport';

// A worker with a golden folder's program, parameters and method loaded.
async function loaded(name: string): Promise<Harness> {
  return loadRun(await readyHarness(), goldenRun(name));
}

// A CSV file of the runner as records by column name; fields may be quoted.
function csv(name: string, file: string): Record<string, string>[] {
  const text = readFileSync(resolve(root, 'tests/golden', name, file), 'utf8').replace(/^\uFEFF/, '');
  const records: string[][] = [[]];
  for (const [, field, end] of text.matchAll(/("(?:[^"]|"")*"|[^",\r\n]*)(,|\r?\n|$)/g)) {
    records.at(-1)!.push(field.startsWith('"') ? field.slice(1, -1).replace(/""/g, '"') : field);
    if (end === '') break;
    if (end !== ',') records.push([]);
  }
  const [header, ...rows] = records.filter((r) => r.join('') !== '');
  return rows.map((r) => Object.fromEntries(header.map((h, i) => [h, r[i] ?? ''])));
}

async function rows(h: Harness, first: number, count: number, registers = false): Promise<TableRow[]> {
  h.send({ type: 'tableRows', first, count, registers });
  return (await h.next('tableRows')).rows;
}

const ascii = (cell: string) => cell.replace(/−/g, '-');

test('the table of a textbook run lists the runner\'s rows, asked for in pieces', { timeout: 60000 }, async () => {
  const h = await loaded('method-comparison');
  const end = await h.command('run');
  const expected = csv('method-comparison', 'expected-steps.csv');
  const t = end.table;
  assert.equal(t.end - t.first, expected.length);
  const got = [...(await rows(h, t.first, 50)), ...(await rows(h, t.first + 50, 1e9))];
  assert.equal(got.length, expected.length);
  got.forEach((row, i) => {
    const e = expected[i];
    assert.equal(row.serial, t.first + i);
    assert.equal(row.line, Number(e.line) - 1);
    const [line, step, , feed, , , , x, y, , f] = row.cells.map(ascii);
    assert.deepEqual([line, step, feed, x, y, f], [e.line, e.step, e.feed, e.x, e.y, e.F], `row ${i + 1}`);
  });
  // The machine's registers: the point in tenths, exactly as the runner holds it.
  const registers = await rows(h, t.first, expected.length, true);
  registers.forEach((row, i) => {
    assert.deepEqual([row.cells[7], row.cells[8], row.cells[9]].map(ascii), [expected[i].xcur, expected[i].ycur, expected[i].zcur]);
  });
  assert.equal(t.registerColumns.length, 11);
  assert.deepEqual(t.registerColumns.slice(0, 3).map((c) => c.caption), ['行', '步', '方法']);
  assert.deepEqual(t.columns.slice(0, 4).map((c) => c.caption), ['行', '步', '偏差判别', '进给']);
  assert.equal(t.columns[4].caption, '偏差计算\n（脉冲）');
  assert.match(t.caption, /逐点比较/);
  // Rows outside those kept are not made up.
  assert.deepEqual(await rows(h, t.end, 10), []);
});

test('the CSV export holds every kept row under the table\'s captions, with a byte-order mark', { timeout: 60000 }, async () => {
  const h = await loaded('method-comparison');
  const end = await h.command('run');
  h.send({ type: 'tableCsv' });
  const bytes = new Uint8Array((await h.next('tableCsv')).bytes);
  assert.deepEqual([...bytes.slice(0, 3)], [0xef, 0xbb, 0xbf]);
  const lines = new TextDecoder().decode(bytes.slice(3)).split(/\r?\n/).filter(Boolean);
  assert.equal(lines.length, end.table.end - end.table.first + 1);
  assert.match(lines[0], /^行,步,偏差判别,进给,/);
  const expected = csv('method-comparison', 'expected-steps.csv');
  assert.ok(lines[1].startsWith(`${expected[0].line},${expected[0].step},`));
});

test('the pulse history gives the runner\'s trace, tick by tick, for any range of ticks', { timeout: 60000 }, async () => {
  const h = await loaded('sample-dl1');
  const end = await h.command('run');
  const trace = csv('sample-dl1', 'expected.csv');
  assert.deepEqual([end.pulses.firstTick, end.pulses.lastTick], [1, trace.length]);
  h.send({ type: 'pulses', from: 1, to: trace.length });
  const all = await h.next('pulses');
  assert.equal(all.ticks.length, trace.length);
  trace.forEach((e, i) => {
    const bits = Array.from({ length: 8 }, (_, b) => ((all.bits[i] >> b) & 1 ? '1' : '0')).join('');
    assert.deepEqual(
      [all.ticks[i], all.timers[i], all.lines[i] + 1, bits],
      [Number(e.tick), Number(e.timer), Number(e.txtline), e.out],
      `tick ${e.tick}`,
    );
  });
  h.send({ type: 'pulses', from: 10, to: 20 });
  const some = await h.next('pulses');
  assert.deepEqual([some.from, some.ticks.length, some.ticks[0], some.ticks[10]], [10, 11, 10, 20]);
});

async function step(h: Harness, count = 1): Promise<Slice> {
  let slice: Slice | null = null;
  for (let i = 0; i < count; ++i) slice = await h.command('stepIteration');
  return slice!;
}

// The slice after an answer: the worker shows it at once.
async function answered(h: Harness, message: Parameters<Harness['send']>[0]): Promise<Slice> {
  h.send(message);
  return h.next('slice');
}

test('先答后看 hides a comparison row until answered and marks its feed and new F as the window does', { timeout: 60000 }, async () => {
  const h = await loaded('method-comparison');
  const expected = csv('method-comparison', 'expected-steps.csv');
  h.send({ type: 'answersOn', on: true });
  let s = await step(h);
  assert.equal(s.table.score, '答对 0 / 0');
  const q = s.table.question!;
  assert.deepEqual(q, { serial: s.table.first, form: 'feedAndDeviation', feedAsked: true, deviationAsked: true });
  assert.deepEqual(s.table.feeds.map((f) => f.caption), ['+X', '-X', '+Y', '-Y'].map((c) => c.replace('-', '−')));
  let [row] = await rows(h, q.serial, 1);
  assert.equal(row.hidden, true);
  assert.deepEqual(row.cells.slice(2), Array(9).fill('?'));
  assert.equal(row.cells[1], '1');

  // The first row feeds +X to F = −10: −X is wrong, the F right.
  assert.equal(expected[0].feed, '+X');
  s = await answered(h, { type: 'answerFeed', feed: { x: -1, y: 0 }, deviation: expected[0].F });
  assert.equal(s.table.score, '答对 1 / 2');
  assert.equal(s.table.question, null);
  [row] = await rows(h, q.serial, 1);
  assert.equal(row.hidden, false);
  assert.deepEqual(row.marks, [
    { column: 3, right: false },
    { column: 4, right: true },
  ]);
  assert.ok(row.cells[3].endsWith(' ✗') && row.cells[4].endsWith(' ✓'));
  assert.match(row.marksText, /^进给 ✗ 答 −X，应为 \+X；新偏差 ✓/);

  // A new F that is no whole number is refused, and nothing is marked.
  s = await step(h);
  s = await answered(h, { type: 'answerFeed', feed: { x: 0, y: 1 }, deviation: 'abc' });
  assert.deepEqual([s.table.score, s.table.scoreIsNotice], ['新偏差 F 应为整数，如 −3', true]);
  assert.equal(s.table.question!.feedAsked, true);
  // The feed alone, then the F alone.
  s = await answered(h, { type: 'answerFeed', feed: { x: 0, y: 1 }, deviation: '' });
  assert.deepEqual(s.table.question, { serial: s.table.first + 1, form: 'feedAndDeviation', feedAsked: false, deviationAsked: true });
  s = await answered(h, { type: 'answerDeviation', deviation: expected[1].F.replace('-', '−') });
  assert.deepEqual([s.table.score, s.table.scoreIsNotice, s.table.question], ['答对 3 / 4', false, null]);

  // Stepping back over a row forgets its answers.
  s = await h.command('stepBack');
  assert.equal(s.table.score, '答对 1 / 2');
  s = await answered(h, { type: 'answersOn', on: false });
  assert.equal(s.table.answersOn, false);
});

test('the machine\'s own straight moves ask which registers overflow', { timeout: 60000 }, async () => {
  const h = await loaded('sample-dl1');
  const expected = csv('sample-dl1', 'expected-steps.csv');
  h.send({ type: 'answersOn', on: true });
  let s = await step(h);
  assert.equal(s.table.question!.form, 'overflow');
  assert.equal(expected[0].judgement, '无溢出');
  s = await answered(h, { type: 'answerOverflow', x: true, y: true });
  s = await step(h);
  assert.equal(expected[1].judgement, 'JRx、JRy 溢出');
  s = await answered(h, { type: 'answerOverflow', x: true, y: true });
  assert.equal(s.table.score, '答对 1 / 2');
  const [first, second] = await rows(h, s.table.first, 2);
  assert.deepEqual([first.marks, second.marks], [[{ column: 2, right: false }], [{ column: 2, right: true }]]);
  const [registers] = await rows(h, s.table.first, 1, true);
  assert.deepEqual(registers.marks, [{ column: 4, right: false }]);
});

async function selected(h: Harness, message: Parameters<Harness['send']>[0]): Promise<Selection | null> {
  h.send(message);
  return (await h.next('selected')).selection;
}

test('a step selected in one tool is found in every other', { timeout: 60000 }, async () => {
  const h = await loaded('sample-dl1');
  const end = await h.command('run');
  const t = end.table;
  const all = await rows(h, t.first, t.end - t.first);
  const row = all[40];
  const s = (await selected(h, { type: 'select', serial: row.serial }))!;
  assert.deepEqual([s.serial, s.tick, s.line], [row.serial, row.tick, row.line]);
  assert.equal(s.points.magnified, null);
  for (const view of ['plan', 'axonometric'] as const) {
    const [x, y] = s.points[view]!;
    assert.ok(x >= 0 && x <= 481 && y >= 0 && y <= 481, `${view}: ${x}, ${y}`);
  }
  // The tick gives the newest row made by then, the line its first row.
  const byTick = (await selected(h, { type: 'selectTick', tick: row.tick }))!;
  const newestByThen = all.filter((r) => r.tick <= row.tick).at(-1)!;
  assert.equal(byTick.serial, newestByThen.serial);
  const byLine = (await selected(h, { type: 'selectLine', line: row.line }))!;
  assert.equal(byLine.serial, all.find((r) => r.line === row.line)!.serial);
  assert.equal(await selected(h, { type: 'selectLine', line: 999 }), null);
  // A press on the point in the plan view selects its newest step there.
  const [px, py] = s.points.plan!;
  const pressed = (await selected(h, { type: 'selectPoint', x: px + 0.5, y: py - 0.5 }))!;
  assert.ok(pressed.serial >= row.serial);
  assert.deepEqual(pressed.points.plan!.map(Math.round), [px, py].map(Math.round));
  assert.equal(await selected(h, { type: 'selectPoint', x: -50, y: -50 }), null);
  assert.equal(await selected(h, { type: 'select', serial: t.end }), null);
  assert.equal(await selected(h, { type: 'select', serial: null }), null);
  // A step back takes a selection away.
  await selected(h, { type: 'select', serial: row.serial });
  const back = await h.command('stepBack');
  assert.equal(back.selectionCleared, true);
});

test('the exact path lies on the steps\' ends, with its deviation read out, a picked line\'s steps over it', { timeout: 60000 }, async () => {
  const h = await loaded('method-comparison');
  const end = await h.command('run');
  const all = await rows(h, end.table.first, end.table.end - end.table.first);
  h.send({ type: 'idealPath', from: 0, line: -1 });
  const path = await h.next('idealPath');
  assert.equal(path.finished, 6);
  assert.match(path.readout, /^偏差：本段 \d+\.\d\d 脉冲 \(\d+\.\d\d\d mm\) {2}全程 \d+\.\d\d 脉冲 \(\d+\.\d\d\d mm\)$/);
  assert.deepEqual([path.idealColour, path.stepsColour, path.steps.length], [[0, 255, 255], [255, 0, 255], 0]);
  // The first segment, a straight move, ends on the last step of its line.
  const lastOfLine = all.filter((r) => r.line === 1).at(-1)!;
  h.send({ type: 'select', serial: lastOfLine.serial });
  const [px, py] = (await h.next('selected')).selection!.points.plan!;
  assert.ok(Math.abs(path.lines[2] - px) < 1e-3 && Math.abs(path.lines[3] - py) < 1e-3, `${path.lines.slice(0, 4)} ${px} ${py}`);
  // Asked again from where the page stands, only the news come.
  h.send({ type: 'idealPath', from: path.finished, line: 1 });
  const again = await h.next('idealPath');
  assert.deepEqual([again.lines.length, again.run], [0, path.run]);
  assert.match(again.readout, /^偏差：第2行 /);
  const steps = all.filter((r) => r.line === 1).length;
  assert.equal(again.steps.length, 4 * steps);
});
