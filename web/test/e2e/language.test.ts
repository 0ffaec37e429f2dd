import assert from 'node:assert/strict';
import { button, chinese, looked, menu, pageTest, ready, typeProgram } from './page';

pageTest('视图 → 语言 switches at once, keeps the program, the run and its marks, and is kept for the next visit', async ({ page }) => {
  const lang = () => page.evaluate(() => document.documentElement.lang);
  const problem = page.locator('#problem');
  const warning = page.locator('.cm-line[data-mark=warning]');
  // A full circle warned of on line 2, then an unknown word on line 4.
  const run = async (ok: string, line: RegExp) => {
    await button(page, ok === 'OK' ? 'Run' : '运行').click();
    await page.locator('#message').getByRole('button', { name: ok }).click();
    await problem.filter({ hasText: line }).waitFor();
  };
  await typeProgram(page, '%\nG02X0Y0I5J0F100\nG01X10\nG04\n%\n');
  await run('确定', /^第4行/);
  const marks = [await problem.textContent(), await warning.getAttribute('title')];
  await menu(page, '教学', '插补过程表', 'menuitemcheckbox');

  await menu(page, '视图', 'English', 'menuitemradio');
  assert.equal(await lang(), 'en');
  await problem.filter({ hasText: /^Line 4/ }).waitFor();
  assert.doesNotMatch((await warning.getAttribute('title')) ?? '', chinese);
  assert.equal(await page.getByLabel('Speed').locator('option:checked').textContent(), '1 ms/tick (standard)');
  await page.locator('.table-line').filter({ hasNotText: chinese }).waitFor();
  await looked(page, 'en', 'after the switch');
  assert.match(await page.evaluate(() => document.querySelector('.cm-content')!.textContent ?? ''), /G04/);

  await page.reload();
  await ready(page);
  assert.equal(await lang(), 'en', "the choice outlives the browser's Chinese");
  await run('OK', /^Line 4/);
  await menu(page, 'View', '中文', 'menuitemradio');
  await problem.filter({ hasText: /^第4行/ }).waitFor();
  assert.deepEqual([await problem.textContent(), await warning.getAttribute('title')], marks);
});
