// The worker's commands as the page gives them: single steps and the step
// back, refusals with the desktop's exact words, files in Chinese character
// sets, a run held at once while it goes at 最快, and programs one after
// another whatever became of the one before.

import { test } from 'node:test';
import assert from 'node:assert/strict';
import { readFileSync } from 'node:fs';
import { resolve } from 'node:path';
import type { Command, ParameterField, ParameterTexts, Slice } from '../src/protocol';
import { Harness, fastest, goldenRun, root, readyHarness, lines, shown } from './workerSupport';
import { tableRows } from './support/tableFile';

const harness = readyHarness;

const defaults: ParameterTexts = { g54x: '0', g54y: '0', g54z: '0', bei: '1', dl: '1' };
const sample = readFileSync(resolve(root, 'tests/golden/sample-dl1/program.nc'), 'utf8');
const gcodeError = readFileSync(resolve(root, 'tests/golden/error-g04-line3/program.nc'), 'utf8');

async function commands(h: Harness, list: Command[]): Promise<Slice> {
  let slice: Slice | null = null;
  for (const c of list) slice = await h.command(c);
  return slice!;
}

test('a step back lands exactly where the run was one step earlier', { timeout: 60000 }, async () => {
  for (const [unit, count] of [
    ['stepIteration', 37],
    ['stepTick', 12],
    ['stepLine', 3],
  ] as const) {
    const stepped = await harness();
    stepped.send({ type: 'load', text: sample });
    const before = await commands(stepped, Array(count).fill(unit));
    assert.equal(before.panel.enabled.stepBack, true);
    const back = await stepped.command('stepBack');

    const straight = await harness();
    straight.send({ type: 'load', text: sample });
    // A step back goes to just after the latest interpolation step before
    // where the run was: one step fewer right after a step.
    if (unit === 'stepIteration') assert.equal(back.panel.runSteps, before.panel.runSteps - 1);
    const steps = back.panel.runSteps;
    assert.ok(steps > 0 && steps <= before.panel.runSteps, `${unit}: ${steps} steps`);
    let reference = await straight.command('stepIteration');
    while (reference.panel.runSteps < steps) reference = await straight.command('stepIteration');
    assert.equal(reference.panel.runSteps, back.panel.runSteps, unit);
    for (const key of ['point', 'bits', 'spindle', 'coolant', 'caret', 'currentLine', 'paused'] as const) {
      assert.deepEqual(back.panel[key], reference.panel[key], `${unit}: ${key}`);
    }
  }
});

test('a step back hands the plan view over whole, as it stood then', { timeout: 60000 }, async () => {
  const stepped = await harness();
  stepped.send({ type: 'load', text: sample });
  await commands(stepped, Array(40).fill('stepIteration'));
  const back = await stepped.command('stepBack');
  const plan = back.drawings.find((d) => d.view === 'plan')!;
  assert.equal(plan.restart, true);

  const straight = await harness();
  straight.send({ type: 'load', text: sample });
  await commands(straight, Array(39).fill('stepIteration'));
  assert.deepEqual(Array.from(plan.lines), lines(shown(straight, 'plan')));
});

test('a refused figure gets the dialog\'s own message, and the worker goes on', async () => {
  const h = await harness();
  for (const row of tableRows('exact/parameters.tsv')) {
    const field = row.field as ParameterField;
    h.send({ type: 'parameters', texts: { ...defaults, [field]: row.text } });
    const answer = await h.next('parameters');
    if (row.message === '') {
      assert.deepEqual(answer, { type: 'parameters', accepted: true }, `${field} ${JSON.stringify(row.text)}`);
    } else {
      assert.deepEqual(
        answer,
        { type: 'parameters', accepted: false, field, text: row.message, title: '参数错误' },
        `${field} ${JSON.stringify(row.text)}`,
      );
    }
  }
  // The first field refused in the dialog's order; none of them is taken.
  h.send({ type: 'parameters', texts: { ...defaults, dl: '0', g54y: 'y' } });
  assert.deepEqual(await h.next('parameters'), {
    type: 'parameters',
    accepted: false,
    field: 'g54y',
    text: '工件原点必须是数字',
    title: '参数错误',
  });
  h.send({ type: 'method', key: 'dda', halfLoad: false, bits: 33 });
  assert.deepEqual(await h.next('method'), { type: 'method', accepted: false, text: '寄存器位数须为 1 到 32 位' });
  h.send({ type: 'method', key: 'bresenham', halfLoad: false, bits: 0 });
  assert.equal((await h.next('method')).accepted, false);
  h.send({ type: 'load', text: sample });
  h.send({ type: 'pace', index: fastest });
  const end = await h.command('run');
  const e = goldenRun('sample-dl1').expected;
  assert.equal(end.panel.ticks, e.ticks);
  assert.deepEqual(h.modals(), []);
});

test('files decode as the desktop decodes them, or are refused in its words', async () => {
  const h = await harness();
  for (const name of ['gbk-comments.nc', 'gb18030-error-line4.nc']) {
    const bytes = new Uint8Array(readFileSync(resolve(root, 'tests/data/programs', name)));
    h.send({ type: 'open', name, bytes: bytes.slice().buffer });
    assert.deepEqual(await h.next('opened'), {
      type: 'opened',
      name,
      text: new TextDecoder('gb18030').decode(bytes),
    });
  }
  const withMark = new Uint8Array([0xef, 0xbb, 0xbf, ...Buffer.from('%\nG00X1\n%\n')]);
  h.send({ type: 'open', name: 'mark.nc', bytes: withMark.buffer });
  assert.equal((await h.next('opened')).text, '%\nG00X1\n%\n');
  h.send({ type: 'open', name: '坏.nc', bytes: new Uint8Array([0x25, 0x0a, 0xff, 0xff]).buffer });
  assert.deepEqual(await h.next('openRefused'), {
    type: 'openRefused',
    title: '打开失败',
    text: '文件不是 UTF-8 或 GBK 编码的文本：坏.nc',
  });
  h.send({ type: 'open', name: 'big.nc', bytes: new ArrayBuffer(64 * 1024 * 1024 + 1) });
  assert.deepEqual(await h.next('openRefused'), {
    type: 'openRefused',
    title: '打开失败',
    text: '文件超过 64 MiB：big.nc',
  });
});

test('the caret stands where the machine put it, counted as JavaScript counts', async () => {
  const h = await harness();
  const bytes = readFileSync(resolve(root, 'tests/data/programs/gb18030-error-line4.nc'));
  const text = new TextDecoder('gb18030').decode(bytes);
  h.send({ type: 'load', text });
  const end = await h.command('run');
  const { index, line, column } = end.panel.caret;
  const before = text.slice(0, index);
  assert.equal(before.split('\n').length - 1, line);
  assert.equal(before.length - before.lastIndexOf('\n') - 1, column);
  // The error is on line 4; the caret went past the four-byte characters of line 2.
  assert.deepEqual(end.panel.error, { line: 3, text: '第4行有错G....' });
  assert.ok(line >= 2, `caret on line ${line}`);
});

test('programs run one after another, whatever became of the one before', { timeout: 60000 }, async () => {
  const h = await harness();
  h.send({ type: 'pace', index: fastest });
  h.send({ type: 'load', text: gcodeError });
  let end = await h.command('run');
  assert.deepEqual(end.modals, [{ title: '出错', text: '第3行有错G....' }]);
  assert.deepEqual(end.panel.error, { line: 2, text: '第3行有错G....' });
  h.send({ type: 'load', text: '%\nG01X5M06\n%\n' });
  end = await h.command('run');
  assert.equal(end.modals.length, 1);
  assert.equal(end.modals[0].title, '出错');
  h.send({ type: 'load', text: sample });
  end = await h.command('run');
  assert.deepEqual(end.modals, []);
  assert.equal(end.panel.error, null);
  assert.deepEqual(end.panel.point, ['-10', '-10', '60']);
  assert.equal(end.panel.bits.map((b) => (b ? '1' : '0')).join(''), goldenRun('sample-dl1').expected.out);
});

test('at 最快 a command gets through while the run goes on', { timeout: 60000 }, async () => {
  const h = await harness();
  h.send({ type: 'parameters', texts: { ...defaults, dl: '0.001' } });
  await h.next('parameters');
  h.send({ type: 'pace', index: fastest });
  h.send({ type: 'load', text: sample });
  h.send({ type: 'command', command: 'run' });
  const going = await h.next('slice', (s) => s.panel.advancing && s.panel.ticks > 0);
  assert.deepEqual(going.panel.enabled, {
    run: true,
    pause: true,
    stop: true,
    stepTick: false,
    stepIteration: false,
    stepLine: false,
    stepBack: false,
  });
  const held = await h.command('pause');
  assert.equal(held.panel.paused, true);
  assert.ok(held.panel.ticks < 1000000, `${held.panel.ticks} ticks before the pause got through`);
  assert.equal(held.panel.enabled.stepIteration, true);
  assert.equal(held.panel.enabled.stepBack, true);
  const stopped = await h.command('stop');
  assert.equal(stopped.panel.idle, true);
  assert.equal(stopped.panel.enabled.stepBack, false);
});

test('at 500 ms a tick the run waits for its first tick', { timeout: 10000 }, async () => {
  const h = await harness();
  h.send({ type: 'pace', index: 0 });
  h.send({ type: 'load', text: sample });
  h.send({ type: 'command', command: 'run' });
  const started = await h.next('slice', (s) => s.panel.advancing);
  await new Promise((wait) => setTimeout(wait, 200));
  const ticks = started.panel.ticks;
  const held = await h.command('pause');
  assert.equal(held.panel.ticks, ticks);
  const one = await h.command('stepTick');
  assert.equal(one.panel.ticks, ticks + 1);
});

test('past the first snapshot a step back cuts the kept drawing back', { timeout: 120000 }, async () => {
  const drawnAfter = async (list: Command[]) => {
    const h = await harness();
    h.send({ type: 'parameters', texts: { ...defaults, dl: '0.001' } });
    await h.next('parameters');
    h.send({ type: 'load', text: sample });
    const end = await commands(h, list);
    return { end, lines: lines(shown(h, 'plan')) };
  };
  const back = await drawnAfter(['stepLine', 'stepLine', 'stepLine', 'stepIteration', 'stepBack']);
  const straight = await drawnAfter(['stepLine', 'stepLine', 'stepLine']);
  assert.ok(straight.end.panel.ticks > 65536, `${straight.end.panel.ticks} ticks`);
  assert.equal(back.end.panel.runSteps, straight.end.panel.runSteps);
  assert.deepEqual(back.end.panel.point, straight.end.panel.point);
  assert.equal(back.lines.length, straight.lines.length);
  assert.deepEqual(back.lines, straight.lines);
});
