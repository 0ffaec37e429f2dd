// 方法对比 through the worker: the figures of the hand-worked programs of
// tests/data, both runs side by side, an error and 取消 told in the window's
// words, and the worker answering while a comparison runs.

import { test } from 'node:test';
import assert from 'node:assert/strict';
import type { Compared } from '../src/protocol';
import { Harness, readyHarness } from './workerSupport';
import { tableRows } from './support/tableFile';

async function harness(program: string, dl: string): Promise<Harness> {
  const h = await readyHarness();
  h.send({ type: 'parameters', texts: { g54x: '0', g54y: '0', g54z: '0', bei: '1', dl } });
  assert.equal((await h.next('parameters')).accepted, true);
  h.send({ type: 'load', text: program });
  return h;
}

const method = (name: string) => ({ key: name.replace('-half', ''), halfLoad: name.endsWith('-half') });

async function compared(h: Harness, a: string, b: string): Promise<Compared> {
  h.send({ type: 'compare', a: method(a), b: method(b) });
  const started = await h.next('compared');
  assert.deepEqual([started.running, started.notice], [true, '正在运行……']);
  return h.next('compared');
}

test('the sum of the moves compared holds the hand-worked figures, for A and for B', { timeout: 60000 }, async () => {
  // The straight move (0,0)→(5,3) by comparison and by DDA, worked by hand.
  const [a, b] = tableRows('method-figures.tsv').slice(0, 2);
  const c = await compared(await harness(a.program, a.dl), a.method, b.method);
  assert.deepEqual([c.running, c.notice, c.noticeIsProblem, c.names], [false, '两种方法都走完了程序。', false, ['逐点比较法', '数字积分法']]);
  const totals = c.table!.groups[0];
  assert.equal(totals.caption, '合计（不含 G00）');
  [a, b].forEach((row, i) => {
    const [steps, iterations, idle, x, y, z, largest, mean] = totals.figures[i]!;
    assert.deepEqual([steps, iterations, idle, `${x} ${y} ${z}`], [row.steps, row.iterations, row.idle, row.pulses], row.method);
    // Three places, correctly rounded, of the six the table gives.
    assert.deepEqual([largest, mean], [Number(row.largest).toFixed(3), Number(row.mean).toFixed(3)], row.method);
    assert.equal(c.plots![i].feedIterations, Number(row.iterations));
  });
});

test('each move has its group, a rapid set apart, and the runs\' ticks come last', { timeout: 60000 }, async () => {
  const h = await harness('%\nG00X6Y0\nG03X0Y6I-6J0\n%\n', '1');
  const c = await compared(h, 'comparison', 'dda-half');
  const t = c.table!;
  assert.deepEqual(t.columns, ['程序段', '方法', '步数', '迭代', '无进给', 'X 脉冲', 'Y 脉冲', 'Z 脉冲', '最大偏差', '平均偏差', '合成进给']);
  assert.deepEqual(t.groups.map((g) => [g.caption, g.apart]), [
    ['合计（不含 G00）', false],
    ['第2行 G00（不计入合计）', true],
    ['第3行 G03', false],
  ]);
  assert.deepEqual(t.groups[2].figures[0]!.slice(0, 6), ['12', '12', '0', '6', '6', '0']);
  assert.equal(t.ticksCaption, '完成节拍数（全程）');
  assert.ok(t.ticks.every((n) => Number(n) > 0));
  assert.equal(t.omitted, null);
  assert.equal(c.names![1], '数字积分法（半加载）');
  assert.deepEqual(c.colours, [[0, 114, 178], [213, 94, 0]]);
  assert.ok(c.plots![0].staircase.length > 0 && c.plots![0].ideal.length === 1);
});

test('a program error and 取消 are told in the window\'s words; the worker answers meanwhile', { timeout: 60000 }, async () => {
  const h = await harness('%\nG00X5Y0\nG03X3.5Y3.57I-5J0\n%\n', '1');
  const c = await compared(h, 'comparison', 'dda');
  assert.equal(c.noticeIsProblem, true);
  assert.match(c.notice, /^数字积分法：第3行有错数字积分法：起点与终点不在同一圆上：X²\+Y² 为 25 与 32/);

  const long = await harness('%\nG00X50Y0\nG03X50Y0I-50J0\nG02X50Y0I-50J0\n%\n', '0.001');
  long.send({ type: 'compare', a: method('comparison'), b: method('dda') });
  await long.next('compared');
  long.send({ type: 'tableRows', first: 0, count: 1, registers: false });
  await long.next('tableRows');
  long.send({ type: 'cancelCompare' });
  const cancelled = await long.next('compared');
  assert.deepEqual([cancelled.running, cancelled.notice, cancelled.noticeIsProblem], [false, '已取消，只比较已走的部分。', true]);
  assert.equal(cancelled.table!.ticks[1], '0');
});
