import assert from 'node:assert/strict';
import { button, editorText, menu, pageTest, readouts, runToEnd, runnerEnd, shot, typeProgram } from './page';

pageTest('a program error is marked on its line with its message, until the text changes; a full circle in amber with the warning, the run going on', async ({ page }) => {
  await typeProgram(page, '%\nG01X10\nG05X3\n%\n');
  await button(page, '运行').click();
  const box = page.getByRole('dialog');
  assert.equal(await box.getByRole('heading').textContent(), '出错');
  const message = (await box.locator('.text').textContent()) ?? '';
  assert.match(message, /^第3行有错/);
  await box.getByRole('button', { name: '确定' }).click();
  const marked = page.locator('.cm-line[data-mark=error]');
  assert.deepEqual([await marked.count(), await marked.textContent(), await marked.getAttribute('title')], [1, 'G05X3', message]);
  await shot(page, 'laptop-error');
  await page.getByRole('textbox', { name: '代码编辑区' }).click();
  await page.keyboard.type(' ');
  assert.equal(await marked.count(), 0);
  assert.equal(await page.locator('#problem').textContent(), '');

  const program = '%\nG01X10\nG02X10Y0I5J0\nG01X0Y5\n%\n';
  await runToEnd(page, program);
  assert.deepEqual(await readouts(page), runnerEnd(program));
  const warned = page.locator('.cm-line[data-mark=warning]');
  assert.deepEqual([await warned.textContent(), await warned.getAttribute('title')], ['G02X10Y0I5J0', '整圆：终点与起点重合，本段不走']);
  assert.equal(await page.locator('#problem').textContent(), '第3行注意：整圆：终点与起点重合，本段不走');
  assert.equal(await page.getByRole('dialog').count(), 0);
});

pageTest('the textbook DDA, half loaded, in registers of 8 bits, ends where the runner ends', async ({ page }) => {
  await page.getByRole('menuitem', { name: '教学' }).click();
  assert.equal(await page.getByRole('menuitemcheckbox', { name: '半加载' }).isDisabled(), true);
  await page.getByRole('menuitemradio', { name: '数字积分法' }).click();
  await menu(page, '教学', '半加载', 'menuitemcheckbox');
  await menu(page, '教学', '寄存器位数 N：自动...');
  const bits = page.getByRole('dialog', { name: '寄存器位数 N' });
  await bits.getByLabel('位数').selectOption({ label: '8 位' });
  await bits.getByRole('button', { name: '确定' }).click();
  await page.getByRole('menuitem', { name: '教学' }).click();
  assert.equal(await page.getByRole('menuitem', { name: '寄存器位数 N：8 位...' }).count(), 1);
  await page.keyboard.press('Escape');
  await runToEnd(page);
  assert.deepEqual(await readouts(page), runnerEnd(await editorText(page), ['--method', 'dda', '--half-load', '--bits', '8']));
  await shot(page, 'laptop-run');
});
