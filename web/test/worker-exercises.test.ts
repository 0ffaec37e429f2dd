// 练习 through the worker, held to the files checked by hand: an attempt's
// CSV, the worksheet and answer key the runner writes, and the class
// summary's page and files; refusals in the window's words.

import { test } from 'node:test';
import assert from 'node:assert/strict';
import { readFileSync } from 'node:fs';
import { resolve } from 'node:path';
import type { ExerciseState } from '../src/protocol';
import { Harness, root, readyHarness as harness } from './workerSupport';

const data = (file: string) => readFileSync(resolve(root, 'tests/data', file));

async function sent(h: Harness, message: Parameters<Harness['send']>[0]): Promise<ExerciseState> {
  h.send(message);
  return h.next('exercise');
}

test('an attempt answered as the hand-checked file has it exports that very file', { timeout: 60000 }, async () => {
  const h = await harness();
  const who = { name: '王"小"明', number: '2026001', date: '2026-12-07', time: '08:05:09' };
  let s = await sent(h, { type: 'exerciseStart', code: 'k7m3q', ...who });
  // The code read, for the code field.
  assert.deepEqual([s.attempt, s.code], ['练习码 K7M3Q　姓名 王"小"明　学号 2026001　第 1 次', 'K7M3Q']);
  s = await sent(h, { type: 'exerciseStart', code: 'K7M3Q', ...who });
  assert.equal(s.attempt, '练习码 K7M3Q　姓名 王"小"明　学号 2026001　第 2 次');
  assert.deepEqual([s.task, s.form, s.known, s.verdict], ['第 1 / 4 题　逐点比较法 圆弧 G02 SR1，圆心 (0, 0)：(0, 7) → (7, 0)', 'feedAndDeviation', '第 1 步前：点 (0, 7)，F = 0', '']);
  assert.match(s.figure!, /^<svg/);
  // Right; a refused F; the F skipped; the F wrong; both wrong.
  s = await sent(h, { type: 'exerciseFeed', feed: { x: 0, y: -1 }, deviation: '−13' });
  assert.deepEqual([s.verdict!.split('\n')[0], s.verdictRight, s.code], ['第 1 步：进给 ✓ −Y；新偏差 ✓ −13', true, undefined]);
  s = await sent(h, { type: 'exerciseFeed', feed: { x: 1, y: 0 }, deviation: 'x1' });
  assert.equal(s.notice, '新偏差 F 应为整数，如 −3');
  s = await sent(h, { type: 'exerciseFeed', feed: { x: 1, y: 0 }, deviation: '' });
  assert.deepEqual([s.verdict!.split('\n')[0], s.verdictRight, s.notice], ['第 2 步：进给 ✓ +X；新偏差 ✗ 未答，应为 −12', false, '']);
  await sent(h, { type: 'exerciseFeed', feed: { x: 1, y: 0 }, deviation: '-8' });
  await sent(h, { type: 'exerciseFeed', feed: { x: -1, y: 0 }, deviation: '-3' });

  // A new 开始 over answers not exported warns first.
  s = await sent(h, { type: 'exerciseStart', code: 'K7M3Q', ...who });
  assert.deepEqual([s.notice, s.attempt], ['本次作答还没有导出：先导出 CSV，或再按“开始”重新作答（已答的步不再保留）', '练习码 K7M3Q　姓名 王"小"明　学号 2026001　第 2 次']);
  h.send({ type: 'exerciseCsv' });
  const file = await h.next('exerciseFile');
  assert.deepEqual(file.kind === 'csv' && Buffer.from(file.bytes), data('exercise-attempt.csv'));
  // Once exported, 开始 starts over at once, counted as the next attempt.
  s = await sent(h, { type: 'exerciseStart', code: 'K7M3Q', ...who });
  assert.equal(s.attempt, '练习码 K7M3Q　姓名 王"小"明　学号 2026001　第 3 次');
  assert.match(s.savedAttempts, /^K7M3Q\t王"小"明\t2026001\t3$/m);
  // Counted on from what the page kept, in another worker.
  const other = await harness();
  await sent(other, { type: 'exerciseAttempts', saved: s.savedAttempts });
  const next = await sent(other, { type: 'exerciseStart', code: 'K7M3Q', ...who });
  assert.equal(next.attempt, '练习码 K7M3Q　姓名 王"小"明　学号 2026001　第 4 次');
});

test('a bad code is refused in the runner\'s words; the worksheet and answer key are the runner\'s pages', { timeout: 60000 }, async () => {
  const h = await harness();
  const s = await sent(h, { type: 'exerciseStart', code: 'K7M3', name: '', number: '', date: '2026-12-07', time: '08:00:00' });
  const stderr = readFileSync(resolve(root, 'tests/golden/cli-worksheet-bad-code/stderr'), 'utf8');
  assert.equal(`tarvo-cli: ${s.notice}`, stderr.split('\n')[0]);
  assert.equal(s.code, undefined);
  const golden = resolve(root, 'tests/golden/cli-worksheet-and-answers');
  for (const answers of [false, true]) {
    h.send({ type: 'worksheet', code: 'k7m3q', answers });
    const file = answers ? 'answers.html' : 'worksheet.html';
    assert.equal((await h.next('worksheet')).html, readFileSync(resolve(golden, file), 'utf8'), file);
  }
  h.send({ type: 'worksheet', code: 'K7M3', answers: false });
  assert.deepEqual(await h.next('worksheet'), { type: 'worksheet', refused: s.notice });
  // 新代码 takes the refusal away, as in the window.
  h.send({ type: 'exerciseCode' });
  assert.match((await h.next('exerciseCode')).code, /^[2-9A-HJKMNP-Z]{5}$/);
  assert.equal((await h.next('exercise')).notice, '');
});

test('the class summary of the students\' files gives the hand-checked page and files', { timeout: 60000 }, async () => {
  const h = await harness();
  const files = ['01-wang', '02-li', '03-zhao', '04-chen', '05-sun', '06-zhou'].map((student) => {
    const name = `${student}.csv`;
    const bytes = data(`class-summary/${name}`);
    return { name, bytes: bytes.buffer.slice(bytes.byteOffset, bytes.byteOffset + bytes.byteLength) as ArrayBuffer };
  });
  h.send({ type: 'classSummary', files, date: '2026-12-07' });
  const c = await h.next('classSummary');
  assert.equal(c.page, data('class-summary/page.html').toString('utf8'));
  assert.deepEqual([Buffer.from(c.studentsCsv!), Buffer.from(c.stepsCsv!)], [data('class-summary/students.csv'), data('class-summary/steps.csv')]);
  assert.equal(c.leftOut.length, 2);
  h.send({ type: 'classSummary', files: [{ name: 'gone.csv', bytes: null }], date: '' });
  const none = await h.next('classSummary');
  assert.deepEqual([none.score, none.leftOut], [null, [{ file: 'gone.csv', reason: '无法读取' }]]);
});
