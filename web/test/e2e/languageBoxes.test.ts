import assert from 'node:assert/strict';
import type { Page } from 'playwright-core';
import { button, chinese, menu, pageTest, shot } from './page';

const speak = (page: Page, view: string, language: string) => menu(page, view, language, 'menuitemradio');

// The boxes that leave the menu reachable follow a switch of language at once: the exercise's
// notice and verdict of the last answer, the class summary, 功能简介. What is typed stays; back
// in Chinese each says what it said before. Code K7M3Q's first iteration feeds −Y to F = −13.
pageTest('the boxes open beside the page follow a switch of language, what is typed kept', async ({ page }) => {
  await menu(page, '教学', '开始练习...');
  const box = page.locator('#exercise-dialog');
  await box.getByLabel('练习码').fill('K7M3Q');
  await button(box, '开始').click();
  await box.locator('.task').filter({ hasText: '第 1 / 4 题' }).waitFor();
  await button(box, '+Y').click();
  const verdict = box.locator('.verdict');
  await verdict.filter({ hasText: '第 1 步：进给 ✗ 答 +Y，应为 −Y' }).waitFor();
  const deviation = box.locator('input[name=deviation]');
  await deviation.fill('12x');
  await deviation.press('Enter');
  const notice = box.locator('.exercise-notice');
  await notice.filter({ hasText: '新偏差 F 应为整数，如 −3' }).waitFor();
  const saidVerdict = await verdict.textContent();

  await page.locator('#summary-input').setInputFiles({ name: 'a.csv', mimeType: 'text/csv', buffer: Buffer.from('not an exercise file\n') });
  const leftOut = page.locator('#summary-dialog ul.left-out li');
  await leftOut.waitFor();
  const saidLeftOut = await leftOut.textContent();
  await menu(page, '关于', '功能简介');
  const about = page.locator('#about-dialog');
  await about.locator('#about-caption').filter({ hasText: '功能简介' }).waitFor();

  await speak(page, '视图', 'English');
  await notice.filter({ hasText: 'The new deviation F must be a whole number, e.g. −3' }).waitFor();
  await verdict.filter({ hasText: 'Step 1: Feed ✗ answered +Y, should be −Y; New deviation ✗ no answer, should be −13' }).waitFor();
  assert.equal(await deviation.inputValue(), '12x');
  await leftOut.filter({ hasNotText: chinese }).waitFor();
  await about.locator('.help-text').filter({ hasNotText: chinese }).waitFor();
  assert.doesNotMatch((await about.locator('#about-caption').textContent()) ?? '', chinese);
  await shot(page, 'en-laptop-boxes-after-switch', false);
  await button(about, 'Back').click();
  await page.locator('#summary-dialog button.close').click();
  await shot(page, 'en-laptop-exercise-after-switch', false);

  await page.locator('#summary-input').setInputFiles({ name: 'a.csv', mimeType: 'text/csv', buffer: Buffer.from('not an exercise file\n') });
  await leftOut.filter({ hasNotText: chinese }).waitFor();

  await speak(page, 'View', '中文');
  await notice.filter({ hasText: '新偏差 F 应为整数，如 −3' }).waitFor();
  assert.equal(await verdict.textContent(), saidVerdict);
  assert.equal(await deviation.inputValue(), '12x');
  await leftOut.filter({ hasText: chinese }).waitFor();
  assert.equal(await leftOut.textContent(), saidLeftOut);
});

// A box that asks before anything goes on (参数设置) holds the page: the language menu cannot
// be reached until it is closed.
pageTest('a modal box keeps the language menu out of reach', async ({ page }) => {
  await button(page, '参数设置').click();
  const view = page.getByRole('menuitem', { name: '视图', exact: true });
  await assert.rejects(view.click({ timeout: 1000 }));
  await button(page.locator('#parameters'), '取消').click();
  await view.click();
  await page.getByRole('menuitemradio', { name: 'English', exact: true }).waitFor();
});
