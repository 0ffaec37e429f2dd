import assert from 'node:assert/strict';
import { readFileSync } from 'node:fs';
import type { Download, Page } from 'playwright-core';
import { button, commandOff, menu, pageTest, panel, runToEnd, setParameters, shot, typeProgram } from './page';

// The editor's line under its drawn selection.
const selectedLine = (page: Page) =>
  page.evaluate(() => {
    const band = document.querySelector('.cm-selectionBackground')?.getBoundingClientRect();
    const line = band && [...document.querySelectorAll('.cm-line')].find((l) => Math.abs(l.getBoundingClientRect().top - band.top) < 3);
    return line?.textContent ?? '';
  });

// A file the page hands over as a download starts with a byte-order mark.
async function csvDownload(page: Page, click: () => Promise<void>): Promise<Download> {
  const [download] = await Promise.all([page.waitForEvent('download'), click()]);
  assert.deepEqual([...readFileSync((await download.path())!).subarray(0, 3)], [0xef, 0xbb, 0xbf]);
  assert.match(download.suggestedFilename(), /\.csv$/);
  return download;
}

pageTest("a table row selected moves the step mark, the timing cursor and the editor line; the table exports the worker's CSV", async ({ page }) => {
  await panel(page, '插补过程表');
  await panel(page, '脉冲时序图');
  await runToEnd(page, '%\nG01X4Y3F100\nG02X7Y0I0J-3\n%\n');
  const grid = page.getByRole('grid', { name: '插补过程表' });
  const rows = grid.locator('.window [role=row]');
  await rows.first().waitFor();
  assert.match((await page.locator('.table-line').textContent()) ?? '', /\S/);
  // The grid follows the run to its end: the last row is on screen.
  assert.ok(await rows.last().isVisible());
  await grid.press('Home');
  const first = grid.locator('[role=row][aria-selected=true]');
  assert.equal(await first.getAttribute('aria-rowindex'), '2');
  const ring = page.locator('#step-ring');
  const at0 = await ring.boundingBox();
  const cursor0 = await page.locator('#timing-panel canvas').getAttribute('data-cursor');
  assert.notEqual(cursor0, '0');
  assert.equal(await selectedLine(page), 'G01X4Y3F100');
  await grid.press('End');
  await page.waitForFunction((c) => document.querySelector('#timing-panel canvas')!.getAttribute('data-cursor') !== c, cursor0);
  assert.notDeepEqual(await ring.boundingBox(), at0);
  assert.equal(await selectedLine(page), 'G02X7Y0I0J-3');
  assert.match((await page.locator('.timing-readout').textContent()) ?? '', /^光标  节拍 \d+（插补）  第3行/);
  await shot(page, 'laptop-teaching');
  await csvDownload(page, () => page.getByRole('button', { name: '导出CSV...' }).click());
});

pageTest('显示理想轨迹 lays the exact path over the plan view, with its read-out', async ({ page }) => {
  await runToEnd(page);
  await panel(page, '显示理想轨迹');
  const overlay = page.getByRole('img', { name: '理想轨迹' });
  await overlay.waitFor();
  await page.waitForFunction(() => (document.getElementById('ideal-overlay') as HTMLCanvasElement).width > 0);
  await page.waitForTimeout(300);
  const cyan = await page.evaluate(() => {
    const c = document.getElementById('ideal-overlay') as HTMLCanvasElement;
    const data = c.getContext('2d')!.getImageData(0, 0, c.width, c.height).data;
    let n = 0;
    for (let i = 0; i < data.length; i += 4) n += Number(data[i] < 80 && data[i + 1] > 200 && data[i + 2] > 200);
    return n;
  });
  assert.ok(cyan > 100, 'cyan pixels of the path and its read-out');
  await shot(page, 'laptop-ideal');
  await panel(page, '显示理想轨迹');
  assert.equal(await overlay.isHidden(), true);
});

pageTest('a method comparison completes while 暂停 and 停止 still answer', async ({ page }) => {
  await typeProgram(page, '%\nG01X300Y400F100\nX0Y0\n%\n');
  await setParameters(page, { '脉冲当量(mm)': '0.001' });
  await button(page, '运行').click();
  await menu(page, '教学', '方法对比...');
  const box = page.getByRole('dialog', { name: '方法对比' });
  await button(box, '对比').click();
  // The page answers while the worker compares: the run is held and stopped.
  await button(page, '暂停').click();
  await commandOff(page, 'pause');
  assert.equal(await box.getByRole('button', { name: '取消' }).isEnabled(), true, (await box.locator('.compare-notice').textContent()) ?? '');
  await button(page, '停止').click();
  await page.waitForFunction(() => !document.querySelector<HTMLButtonElement>('#compare-dialog button.compare')!.disabled, null, { timeout: 120000 });
  assert.equal(await box.locator('.compare-notice').textContent(), '两种方法都走完了程序。');
  const table = box.getByRole('table', { name: '对比数据' });
  assert.deepEqual([await table.locator('thead th').first().textContent(), await table.locator('tbody th').first().textContent()], ['程序段', '合计（不含 G00）']);
  await shot(page, 'laptop-compare');
});

pageTest('an exercise answered to its score page, which prints alone', async ({ page }) => {
  await menu(page, '教学', '开始练习...');
  const box = page.getByRole('dialog', { name: '练习' });
  for (const [field, text] of Object.entries({ 姓名: '王小明', 学号: '2026001', 练习码: 'k7m3q' })) await box.getByLabel(field).fill(text);
  await button(box, '开始').click();
  await box.locator('.task').filter({ hasText: '第 1 / 4 题' }).waitFor();
  assert.equal(await box.locator('.attempt').textContent(), '练习码 K7M3Q　姓名 王小明　学号 2026001　第 1 次');
  assert.equal(await box.locator('.figure svg').count(), 1);
  await box.getByLabel('新偏差 F').fill('−13');
  await button(box, '−Y').click();
  await box.locator('.verdict.right').filter({ hasText: '第 1 步：进给 ✓ −Y；新偏差 ✓ −13' }).waitFor();
  assert.equal(await box.getByLabel('新偏差 F').inputValue(), '');
  await shot(page, 'laptop-exercise');
  // Every step left unanswered but its feed: on to the score page.
  const next = box.getByRole('button', { name: /^(下一题|看成绩)$/ });
  for (let guard = 0; guard < 2000 && !(await box.locator('.score-page').isVisible()); ++guard) {
    if (await next.isEnabled({ timeout: 1000 }).catch(() => false)) {
      await next.click({ timeout: 2000 }).catch(() => undefined);
      continue;
    }
    const overflow = box.getByRole('button', { name: '提交' });
    // The answer's state may still be on its way: a button gone is tried again.
    await ((await overflow.isVisible()) ? overflow : button(box, '+X')).click({ timeout: 2000 }).catch(() => undefined);
  }
  await box.locator('.score').filter({ hasText: /^练习码 K7M3Q：答对 \d+ \/ \d+$/ }).waitFor();
  assert.match((await box.locator('.score-student').textContent()) ?? '', /^姓名 王小明　学号 2026001　第 1 次　\d{4}-\d\d-\d\d \d\d:\d\d:\d\d$/);
  assert.ok((await box.locator('table.wrong tbody tr').count()) > 0);
  await page.emulateMedia({ media: 'print' });
  assert.deepEqual([await button(page, '运行').isVisible(), await box.locator('.score').isVisible()], [false, true]);
  await page.emulateMedia({ media: 'screen' });
  await csvDownload(page, () => box.locator('.score-page').getByRole('button', { name: '导出 CSV...' }).click());
  await shot(page, 'laptop-score');
});

