import assert from 'node:assert/strict';
import { readFileSync } from 'node:fs';
import type { Page } from 'playwright-core';
import { button, drawnPixels, menu, pageTest, runToEnd, setParameters } from './page';

const shownView = (page: Page, view: string) => page.waitForFunction((v) => !document.getElementById(`view-${v}`)!.hidden, view);

pageTest('a run draws the plan view; the option buttons switch to the axonometric view and back; a window made smaller draws it again at its new size', async ({ page }) => {
  await runToEnd(page);
  const shown = () => page.evaluate(() => [...document.querySelectorAll<HTMLElement>('#views canvas')].filter((c) => !c.hidden).map((c) => c.id));
  assert.deepEqual(await shown(), ['view-plan']);
  assert.ok((await drawnPixels(page, 'plan')) > 200);
  await page.getByRole('radio', { name: '轴测图' }).check();
  await shownView(page, 'axonometric');
  assert.deepEqual(await shown(), ['view-axonometric']);
  assert.ok((await drawnPixels(page, 'axonometric')) > 200);
  await menu(page, '视图', '平面图');
  await shownView(page, 'plan');
  assert.equal(await page.getByRole('radio', { name: '平面图' }).isChecked(), true);
  const side = () => page.evaluate(() => (document.getElementById('view-plan') as HTMLCanvasElement).width);
  const before = await side();
  await page.setViewportSize({ width: 1100, height: 620 });
  await page.waitForFunction((old) => (document.getElementById('view-plan') as HTMLCanvasElement).width < old, before);
  await page.waitForTimeout(300);
  assert.equal(await side(), Math.round((await page.getByRole('img', { name: '平面图' }).boundingBox())!.width));
  assert.ok((await drawnPixels(page, 'plan')) > 200);
});

pageTest('清屏 empties the editor, shows the magnified view, and keeps the program among the recent ones', async ({ page }) => {
  await runToEnd(page);
  await button(page, '清屏').click();
  await shownView(page, 'magnified');
  assert.deepEqual([await page.locator('.cm-content').textContent(), await page.locator('#file-caption').textContent()], ['', '新文件']);
  await page.getByRole('menuitem', { name: '文件' }).click();
  const kept = page.getByRole('group', { name: '最近打开' }).getByRole('menuitem');
  assert.equal(await kept.count(), 1);
  await kept.click();
  assert.match((await page.locator('.cm-content').textContent()) ?? '', /^%G90G00X10Y10/);
  // The plan view's button, still checked, shows the plan view again.
  await page.getByRole('radio', { name: '平面图' }).click();
  await shownView(page, 'plan');
});

pageTest("the parameter dialog refuses a bad figure with the machine's message and keeps the old values", async ({ page }) => {
  const dialog = page.getByRole('dialog', { name: '参数设置' });
  const fields = ['XC', 'YC', 'ZC', '放大倍数', '脉冲当量(mm)'];
  const values = () => Promise.all(fields.map((f) => dialog.getByLabel(f, { exact: true }).inputValue()));
  await setParameters(page, { 放大倍数: '0' });
  const refusal = dialog.getByRole('alert').filter({ hasText: '放大倍数必须是1到1000之间的整数' });
  assert.equal(await refusal.textContent(), '放大倍数必须是1到1000之间的整数');
  await button(page, '取消').click();
  await button(page, '参数设置').click();
  assert.deepEqual(await values(), ['0', '0', '0', '1', '1']);
  await dialog.getByLabel('XC', { exact: true }).fill('5');
  await dialog.getByRole('button', { name: '确定' }).click();
  await dialog.waitFor({ state: 'hidden' });
  await runToEnd(page);
  assert.equal(await page.getByLabel('XC', { exact: true }).first().textContent(), '5');
  await button(page, '参数设置').click();
  assert.deepEqual(await values(), ['5', '0', '0', '1', '1']);
});

pageTest('保存视图图片... downloads the view on screen as a PNG picture', async ({ page }) => {
  await runToEnd(page);
  page.once('dialog', (d) => d.accept('圆弧'));
  const download = page.waitForEvent('download');
  await menu(page, '文件', '保存视图图片...');
  const file = await download;
  assert.equal(file.suggestedFilename(), '圆弧.png');
  assert.deepEqual([...readFileSync((await file.path())!).subarray(1, 4)], [...Buffer.from('PNG')]);
});
