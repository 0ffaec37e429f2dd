// The worker's commands as the page gives them: the step back with the plan
// view as it stood then, refusals with the desktop's exact words, files in
// Chinese character sets, the caret in JavaScript's places, and a run held at
// once while it goes at 最快 or waits for its first tick.

import { test } from 'node:test';
import assert from 'node:assert/strict';
import { readFileSync } from 'node:fs';
import { resolve } from 'node:path';
import type { Command, ParameterTexts, Slice } from '../src/protocol';
import { fastest, goldenRun, root, readyHarness, lines, shown } from './workerSupport';

const defaults: ParameterTexts = { g54x: '0', g54y: '0', g54z: '0', bei: '1', dl: '1' };
const sample = readFileSync(resolve(root, 'tests/golden/sample-dl1/program.nc'), 'utf8');

// The panel and the plan view as the page shows them after these commands.
async function after(dl: string, list: Command[]): Promise<{ end: Slice; plan: number[] }> {
  const h = await readyHarness();
  h.send({ type: 'parameters', texts: { ...defaults, dl } });
  await h.next('parameters');
  h.send({ type: 'load', text: sample });
  let end: Slice | null = null;
  for (const c of list) end = await h.command(c);
  return { end: end!, plan: lines(shown(h, 'plan')) };
}

test('a step back lands, plan view and all, where the run was one step earlier, before and past the first snapshot', { timeout: 120000 }, async () => {
  for (const [dl, straight] of [
    ['1', Array<Command>(39).fill('stepIteration')],
    ['0.001', Array<Command>(3).fill('stepLine')],
  ] as const) {
    const back = await after(dl, [...straight, 'stepIteration', 'stepBack']);
    const reference = await after(dl, straight);
    if (dl === '0.001') assert.ok(reference.end.panel.ticks > 65536, `${reference.end.panel.ticks} ticks`);
    for (const key of ['runSteps', 'point', 'bits', 'spindle', 'coolant', 'caret', 'currentLine', 'paused'] as const) {
      assert.deepEqual(back.end.panel[key], reference.end.panel[key], `${dl}: ${key}`);
    }
    assert.deepEqual(back.plan, reference.plan, dl);
  }
});

test("a refused figure or method gets the dialog's own message, and none of it is taken", async () => {
  const h = await readyHarness();
  // The first field refused in the dialog's order.
  h.send({ type: 'parameters', texts: { ...defaults, dl: '0', g54y: 'y' } });
  assert.deepEqual(await h.next('parameters'), { type: 'parameters', accepted: false, field: 'g54y', text: '工件原点必须是数字', title: '参数错误' });
  h.send({ type: 'method', key: 'dda', halfLoad: false, bits: 33 });
  assert.deepEqual(await h.next('method'), { type: 'method', accepted: false, text: '寄存器位数须为 1 到 32 位' });
  h.send({ type: 'method', key: 'bresenham', halfLoad: false, bits: 0 });
  assert.equal((await h.next('method')).accepted, false);
  h.send({ type: 'load', text: sample });
  h.send({ type: 'pace', index: fastest });
  assert.equal((await h.command('run')).panel.ticks, goldenRun('sample-dl1').expected.ticks);
  assert.deepEqual(h.modals(), []);
});

test('files decode as the desktop decodes them, or are refused in its words', async () => {
  const h = await readyHarness();
  for (const name of ['gbk-comments.nc', 'gb18030-error-line4.nc']) {
    const bytes = new Uint8Array(readFileSync(resolve(root, 'tests/data/programs', name)));
    h.send({ type: 'open', name, bytes: bytes.slice().buffer });
    assert.deepEqual(await h.next('opened'), { type: 'opened', name, text: new TextDecoder('gb18030').decode(bytes) });
  }
  const withMark = new Uint8Array([0xef, 0xbb, 0xbf, ...Buffer.from('%\nG00X1\n%\n')]);
  h.send({ type: 'open', name: 'mark.nc', bytes: withMark.buffer });
  assert.equal((await h.next('opened')).text, '%\nG00X1\n%\n');
  for (const [name, bytes, text] of [
    ['坏.nc', new Uint8Array([0x25, 0x0a, 0xff, 0xff]).buffer, '文件不是 UTF-8 或 GBK 编码的文本：坏.nc'],
    ['big.nc', new ArrayBuffer(64 * 1024 * 1024 + 1), '文件超过 64 MiB：big.nc'],
  ] as const) {
    h.send({ type: 'open', name, bytes });
    assert.deepEqual(await h.next('openRefused'), { type: 'openRefused', title: '打开失败', text });
  }
});

test('the caret stands where the machine put it, counted as JavaScript counts', async () => {
  const h = await readyHarness();
  const text = new TextDecoder('gb18030').decode(readFileSync(resolve(root, 'tests/data/programs/gb18030-error-line4.nc')));
  h.send({ type: 'load', text });
  const end = await h.command('run');
  const { index, line, column } = end.panel.caret;
  const before = text.slice(0, index);
  assert.deepEqual([before.split('\n').length - 1, before.length - before.lastIndexOf('\n') - 1], [line, column]);
  // The error is on line 4; the caret went past the four-byte characters of line 2.
  assert.deepEqual(end.panel.error, { line: 3, text: '第4行有错G....' });
  assert.ok(line >= 2, `caret on line ${line}`);
});

test('at 最快 a command gets through while the run goes on', { timeout: 60000 }, async () => {
  const h = await readyHarness();
  h.send({ type: 'parameters', texts: { ...defaults, dl: '0.001' } });
  await h.next('parameters');
  h.send({ type: 'pace', index: fastest });
  h.send({ type: 'load', text: sample });
  h.send({ type: 'command', command: 'run' });
  const going = await h.next('slice', (s) => s.panel.advancing && s.panel.ticks > 0);
  const off = { stepTick: false, stepIteration: false, stepLine: false, stepBack: false };
  assert.deepEqual(going.panel.enabled, { run: true, pause: true, stop: true, ...off });
  const held = await h.command('pause');
  assert.equal(held.panel.paused, true);
  assert.ok(held.panel.ticks < 1000000, `${held.panel.ticks} ticks before the pause got through`);
  assert.deepEqual([held.panel.enabled.stepIteration, held.panel.enabled.stepBack], [true, true]);
  const stopped = await h.command('stop');
  assert.deepEqual([stopped.panel.idle, stopped.panel.enabled.stepBack], [true, false]);
});

test('at 500 ms a tick the run waits for its first tick', { timeout: 10000 }, async () => {
  const h = await readyHarness();
  h.send({ type: 'pace', index: 0 });
  h.send({ type: 'load', text: sample });
  h.send({ type: 'command', command: 'run' });
  const started = await h.next('slice', (s) => s.panel.advancing);
  await new Promise((wait) => setTimeout(wait, 200));
  const ticks = started.panel.ticks;
  assert.equal((await h.command('pause')).panel.ticks, ticks);
  assert.equal((await h.command('stepTick')).panel.ticks, ticks + 1);
});
