import assert from 'node:assert/strict';
import { after, before, test } from 'node:test';
import type { Browser } from 'playwright-core';
import { launch, openPage, readouts, runToEnd, runnerEnd, shot, teachItem, typeProgram } from './page';

let browser: Browser;
before(async () => (browser = await launch()));
after(() => browser.close());

const sample = '%\nG90G00X10Y10\nG01X30F200\nG03X40Y20I0J10\nG02X30Y30I0J10\nG01X10Y20\nY10\nG00X-10Y-10\n%\n';

test('a lesson run ends where the runner ends, read-outs and all', async () => {
  const { page, context, problems } = await openPage(browser);
  await runToEnd(page);
  assert.deepEqual(await readouts(page), runnerEnd(sample));
  assert.deepEqual(problems, []);
  await shot(page, 'laptop-run');
  await context.close();
});

test('single steps go forward and a step back returns to the step before', async () => {
  const { page, context } = await openPage(browser);
  const step = page.getByRole('button', { name: '单步：一步插补', exact: true });
  const moved = (before: string[]) =>
    document.getElementById('point-x')!.textContent !== before[0] || document.getElementById('point-y')!.textContent !== before[1];
  const start = await readouts(page);
  await step.click();
  // The worker answers a step in its own time: read the point once it has moved.
  await page.waitForFunction(moved, start);
  const first = await readouts(page);
  await step.click();
  await page.waitForFunction(moved, first);
  const second = await readouts(page);
  assert.notDeepEqual(second, first);
  await page.getByRole('button', { name: '单步：后退一步', exact: true }).click();
  await page.waitForFunction((want) => document.getElementById('point-x')!.textContent === want[0] && document.getElementById('point-y')!.textContent === want[1], first);
  assert.deepEqual(await readouts(page), first);
  assert.equal(await page.getByRole('button', { name: '暂停', exact: true }).isDisabled(), true);
  await page.keyboard.press('F7');
  await page.waitForFunction((want) => document.getElementById('point-x')!.textContent === want[0] && document.getElementById('point-y')!.textContent === want[1], second);
  await context.close();
});

test('a program error is marked on its line with its message', async () => {
  const { page, context } = await openPage(browser);
  await typeProgram(page, '%\nG01X10\nG05X3\n%\n');
  await page.getByRole('button', { name: '运行', exact: true }).click();
  const box = page.getByRole('dialog');
  await box.waitFor();
  assert.equal(await box.getByRole('heading').textContent(), '出错');
  const message = (await box.locator('.text').textContent()) ?? '';
  assert.match(message, /^第3行有错/);
  await box.getByRole('button', { name: '确定' }).click();
  const marked = page.locator('.cm-line[data-mark=error]');
  assert.equal(await marked.count(), 1);
  assert.equal(await marked.textContent(), 'G05X3');
  assert.equal(await marked.getAttribute('title'), message);
  await shot(page, 'laptop-error');
  // The mark lasts until the text changes.
  await page.getByRole('textbox', { name: '代码编辑区' }).click();
  await page.keyboard.type(' ');
  assert.equal(await marked.count(), 0);
  assert.equal(await page.locator('#problem').textContent(), '');
  await context.close();
});

test('a full circle is marked in amber on its line with the warning, and the run goes on', async () => {
  const { page, context } = await openPage(browser);
  const program = '%\nG01X10\nG02X10Y0I5J0\nG01X0Y5\n%\n';
  await typeProgram(page, program);
  await runToEnd(page);
  assert.deepEqual(await readouts(page), runnerEnd(program));
  const marked = page.locator('.cm-line[data-mark=warning]');
  assert.equal(await marked.textContent(), 'G02X10Y0I5J0');
  assert.equal(await marked.getAttribute('title'), '整圆：终点与起点重合，本段不走');
  assert.equal(await page.locator('#problem').textContent(), '第3行注意：整圆：终点与起点重合，本段不走');
  assert.equal(await page.getByRole('dialog').count(), 0);
  await context.close();
});

test('the textbook DDA, half loaded, in registers of 8 bits, ends where the runner ends', async () => {
  const { page, context } = await openPage(browser);
  const teach = () => page.getByRole('menuitem', { name: '教学' }).click();
  await teach();
  assert.equal(await page.getByRole('menuitemcheckbox', { name: '半加载' }).isDisabled(), true);
  await page.getByRole('menuitemradio', { name: '数字积分法' }).click();
  await teachItem(page, 'menuitemcheckbox', '半加载');
  await teachItem(page, 'menuitem', '寄存器位数 N：自动...');
  await page.getByRole('dialog', { name: '寄存器位数 N' }).getByLabel('位数').selectOption({ label: '8 位' });
  await page.getByRole('dialog', { name: '寄存器位数 N' }).getByRole('button', { name: '确定' }).click();
  await teach();
  assert.equal(await page.getByRole('menuitem', { name: '寄存器位数 N：8 位...' }).count(), 1);
  await page.keyboard.press('Escape');
  await runToEnd(page);
  assert.deepEqual(await readouts(page), runnerEnd(sample, ['--method', 'dda', '--half-load', '--bits', '8']));
  await context.close();
});
