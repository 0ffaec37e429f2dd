// The teaching tools through the worker, held to the runner's own records:
// the interpolation table against the golden folders' --steps tables, asked
// for in pieces, the pulse history against their --trace, 先答后看's answers
// carried both ways, and one step selected across the tools.

import { test } from 'node:test';
import assert from 'node:assert/strict';
import { readFileSync } from 'node:fs';
import { resolve } from 'node:path';
import type { PageMessage, Selection, Slice, TableRow } from '../src/protocol';
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

// What the worker answers to a message of the page.
async function answer<T extends 'slice' | 'selected'>(h: Harness, message: PageMessage, type: T) {
  h.send(message);
  return h.next(type);
}

const ascii = (cell: string) => cell.replace(/−/g, '-');

test("the table lists the runner's rows, asked for in pieces, and exports them with a byte-order mark", { timeout: 60000 }, async () => {
  const h = await loaded('method-comparison');
  const t = (await h.command('run')).table;
  const expected = csv('method-comparison', 'expected-steps.csv');
  assert.equal(t.end - t.first, expected.length);
  const got = [...(await rows(h, t.first, 50)), ...(await rows(h, t.first + 50, 1e9))];
  const registers = await rows(h, t.first, expected.length, true);
  assert.equal(got.length, expected.length);
  expected.forEach((e, i) => {
    assert.deepEqual([got[i].serial, got[i].line], [t.first + i, Number(e.line) - 1]);
    const [line, step, , feed, , , , x, y, , f] = got[i].cells.map(ascii);
    // The machine's registers: the point in tenths, exactly as the runner holds it.
    const point = registers[i].cells.slice(7, 10).map(ascii);
    assert.deepEqual([line, step, feed, x, y, f, ...point], [e.line, e.step, e.feed, e.x, e.y, e.F, e.xcur, e.ycur, e.zcur], `row ${i + 1}`);
  });
  assert.deepEqual(t.registerColumns.slice(0, 3).map((c) => c.caption), ['行', '步', '方法']);
  assert.deepEqual(t.columns.slice(0, 5).map((c) => c.caption), ['行', '步', '偏差判别', '进给', '偏差计算\n（脉冲）']);
  assert.match(t.caption, /逐点比较/);
  // Rows outside those kept are not made up.
  assert.deepEqual(await rows(h, t.end, 10), []);

  h.send({ type: 'tableCsv' });
  const bytes = new Uint8Array((await h.next('tableCsv')).bytes);
  assert.deepEqual([...bytes.slice(0, 3)], [0xef, 0xbb, 0xbf]);
  const lines = new TextDecoder().decode(bytes.slice(3)).split(/\r?\n/).filter(Boolean);
  assert.equal(lines.length, expected.length + 1);
  assert.ok(lines[0].startsWith('行,步,偏差判别,进给,') && lines[1].startsWith(`${expected[0].line},${expected[0].step},`), lines[1]);
});

test("the pulse history gives the runner's trace, tick by tick, for any range of ticks", { timeout: 60000 }, async () => {
  const h = await loaded('sample-dl1');
  const end = await h.command('run');
  const trace = csv('sample-dl1', 'expected.csv');
  assert.deepEqual([end.pulses.firstTick, end.pulses.lastTick], [1, trace.length]);
  h.send({ type: 'pulses', from: 1, to: trace.length });
  const all = await h.next('pulses');
  assert.equal(all.ticks.length, trace.length);
  trace.forEach((e, i) => {
    const bits = Array.from({ length: 8 }, (_, b) => ((all.bits[i] >> b) & 1 ? '1' : '0')).join('');
    assert.deepEqual([all.ticks[i], all.timers[i], all.lines[i] + 1, bits], [Number(e.tick), Number(e.timer), Number(e.txtline), e.out], `tick ${e.tick}`);
  });
  h.send({ type: 'pulses', from: 10, to: 20 });
  const some = await h.next('pulses');
  assert.deepEqual([some.from, some.ticks.length, some.ticks[0], some.ticks[10]], [10, 11, 10, 20]);
});

test('先答后看 hides a row until answered, marks it as the window does, and forgets it on a step back', { timeout: 60000 }, async () => {
  const h = await loaded('method-comparison');
  h.send({ type: 'answersOn', on: true });
  let s: Slice = await h.command('stepIteration');
  const q = s.table.question!;
  assert.deepEqual([s.table.score, q], ['答对 0 / 0', { serial: s.table.first, form: 'feedAndDeviation', feedAsked: true, deviationAsked: true }]);
  assert.deepEqual(s.table.feeds.map((f) => f.caption), ['+X', '−X', '+Y', '−Y']);
  let [row] = await rows(h, q.serial, 1);
  assert.deepEqual([row.hidden, row.cells[1], row.cells.slice(2)], [true, '1', Array(9).fill('?')]);

  // The first row feeds +X to F = −10: −X is wrong, the F right.
  s = await answer(h, { type: 'answerFeed', feed: { x: -1, y: 0 }, deviation: '-10' }, 'slice');
  assert.deepEqual([s.table.score, s.table.question], ['答对 1 / 2', null]);
  [row] = await rows(h, q.serial, 1);
  assert.deepEqual([row.hidden, row.marks], [false, [{ column: 3, right: false }, { column: 4, right: true }]]);
  assert.ok(row.cells[3].endsWith(' ✗') && row.cells[4].endsWith(' ✓'));
  assert.match(row.marksText, /^进给 ✗ 答 −X，应为 \+X；新偏差 ✓/);

  // A new F that is no whole number is refused, and nothing is marked; then
  // the feed alone, and the F alone.
  await h.command('stepIteration');
  s = await answer(h, { type: 'answerFeed', feed: { x: 0, y: 1 }, deviation: 'abc' }, 'slice');
  assert.deepEqual([s.table.score, s.table.scoreIsNotice, s.table.question!.feedAsked], ['新偏差 F 应为整数，如 −3', true, true]);
  s = await answer(h, { type: 'answerFeed', feed: { x: 0, y: 1 }, deviation: '' }, 'slice');
  assert.deepEqual(s.table.question, { serial: s.table.first + 1, form: 'feedAndDeviation', feedAsked: false, deviationAsked: true });
  s = await answer(h, { type: 'answerDeviation', deviation: '5' }, 'slice');
  assert.deepEqual([s.table.score, s.table.scoreIsNotice, s.table.question], ['答对 3 / 4', false, null]);
  assert.equal((await h.command('stepBack')).table.score, '答对 1 / 2');
  assert.equal((await answer(h, { type: 'answersOn', on: false }, 'slice')).table.answersOn, false);
});

test('a step selected in one tool is found in every other', { timeout: 60000 }, async () => {
  const h = await loaded('sample-dl1');
  const t = (await h.command('run')).table;
  const all = await rows(h, t.first, t.end - t.first);
  const row = all[40];
  const selected = async (message: PageMessage): Promise<Selection | null> => (await answer(h, message, 'selected')).selection;
  const s = (await selected({ type: 'select', serial: row.serial }))!;
  assert.deepEqual([s.serial, s.tick, s.line, s.points.magnified], [row.serial, row.tick, row.line, null]);
  for (const [x, y] of [s.points.plan!, s.points.axonometric!]) assert.ok(x >= 0 && x <= 481 && y >= 0 && y <= 481, `${x}, ${y}`);
  // The tick gives the newest row made by then, the line its first row.
  assert.equal((await selected({ type: 'selectTick', tick: row.tick }))!.serial, all.filter((r) => r.tick <= row.tick).at(-1)!.serial);
  assert.equal((await selected({ type: 'selectLine', line: row.line }))!.serial, all.find((r) => r.line === row.line)!.serial);
  // A press on the point in the plan view selects its newest step there.
  const [px, py] = s.points.plan!;
  const pressed = (await selected({ type: 'selectPoint', x: px + 0.5, y: py - 0.5 }))!;
  assert.ok(pressed.serial >= row.serial);
  assert.deepEqual(pressed.points.plan!.map(Math.round), [px, py].map(Math.round));
  const nothing: PageMessage[] = [{ type: 'selectLine', line: 999 }, { type: 'selectPoint', x: -50, y: -50 }, { type: 'select', serial: t.end }];
  for (const none of [...nothing, { type: 'select', serial: null } as const]) assert.equal(await selected(none), null, JSON.stringify(none));
  // A step back takes a selection away.
  await selected({ type: 'select', serial: row.serial });
  assert.equal((await h.command('stepBack')).selectionCleared, true);
});

test("the exact path lies on the steps' ends, with its deviation read out, a picked line's steps over it", { timeout: 60000 }, async () => {
  const h = await loaded('method-comparison');
  const end = await h.command('run');
  const firstLine = (await rows(h, end.table.first, end.table.end - end.table.first)).filter((r) => r.line === 1);
  h.send({ type: 'idealPath', from: 0, line: -1 });
  const path = await h.next('idealPath');
  assert.equal(path.finished, 6);
  assert.match(path.readout, /^偏差：本段 \d+\.\d\d 脉冲 \(\d+\.\d\d\d mm\) {2}全程 \d+\.\d\d 脉冲 \(\d+\.\d\d\d mm\)$/);
  assert.deepEqual([path.idealColour, path.stepsColour, path.steps.length], [[0, 255, 255], [255, 0, 255], 0]);
  // The first segment, a straight move, ends on the last step of its line.
  const [px, py] = (await answer(h, { type: 'select', serial: firstLine.at(-1)!.serial }, 'selected')).selection!.points.plan!;
  assert.ok(Math.abs(path.lines[2] - px) < 1e-3 && Math.abs(path.lines[3] - py) < 1e-3, `${path.lines.slice(0, 4)} ${px} ${py}`);
  // Asked again from where the page stands, only the news come.
  h.send({ type: 'idealPath', from: path.finished, line: 1 });
  const again = await h.next('idealPath');
  assert.deepEqual([again.lines.length, again.run, again.steps.length], [0, path.run, 4 * firstLine.length]);
  assert.match(again.readout, /^偏差：第2行 /);
});
