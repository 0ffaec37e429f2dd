import assert from 'node:assert/strict';
import { readFileSync } from 'node:fs';
import { after, before, test } from 'node:test';
import type { Browser, Page } from 'playwright-core';
import { laptop, launch, openPage, phone, runToEnd, setPulse, shot, teachItem, typeProgram } from './page';

let browser: Browser;
before(async () => (browser = await launch()));
after(() => browser.close());

const openPanel = (page: Page, caption: string) => teachItem(page, 'menuitemcheckbox', caption);

// The editor's line under its drawn selection.
const selectedLine = (page: Page) =>
  page.evaluate(() => {
    const band = document.querySelector('.cm-selectionBackground')?.getBoundingClientRect();
    if (!band) return '';
    const line = [...document.querySelectorAll('.cm-line')].find((l) => Math.abs(l.getBoundingClientRect().top - band.top) < 3);
    return line?.textContent ?? '';
  });

test('a table row selected moves the step mark, the timing cursor and the editor line', async () => {
  const { page, context, problems } = await openPage(browser);
  await openPanel(page, '插补过程表');
  await openPanel(page, '脉冲时序图');
  await typeProgram(page, '%\nG01X4Y3F100\nG02X7Y0I0J-3\n%\n');
  await runToEnd(page);
  const grid = page.getByRole('grid', { name: '插补过程表' });
  const rows = grid.locator('.window [role=row]');
  await rows.first().waitFor();
  assert.match((await page.locator('.table-line').textContent()) ?? '', /\S/);
  // The grid follows the run to its end: the last row is on screen.
  assert.ok(await rows.last().isVisible());
  await grid.press('Home');
  const first = grid.locator('[role=row][aria-selected=true]');
  await first.waitFor();
  assert.equal(await first.getAttribute('aria-rowindex'), '2');
  const ring = page.locator('#step-ring');
  await ring.waitFor();
  const at0 = await ring.boundingBox();
  const cursor0 = await page.locator('#timing-panel canvas').getAttribute('data-cursor');
  assert.notEqual(cursor0, '0');
  assert.equal(await selectedLine(page), 'G01X4Y3F100');
  await grid.press('End');
  await page.waitForFunction((c) => document.querySelector('#timing-panel canvas')!.getAttribute('data-cursor') !== c, cursor0);
  const at1 = await ring.boundingBox();
  assert.notDeepEqual(at1, at0);
  assert.equal(await selectedLine(page), 'G02X7Y0I0J-3');
  assert.match((await page.locator('.timing-readout').textContent()) ?? '', /^光标  节拍 \d+（插补）  第3行/);
  await page.setViewportSize(laptop);
  await shot(page, 'laptop-teaching');
  assert.deepEqual(problems, []);
  await context.close();
});

test('the table scrolls to the last row of a long run, keyboard and all', async () => {
  const { page, context } = await openPage(browser);
  await openPanel(page, '插补过程表');
  await typeProgram(page, '%\nG01X40Y30F100\nX0Y0\nX40Y30\n%\n');
  await setPulse(page, '0.001');
  await runToEnd(page);
  const grid = page.getByRole('grid', { name: '插补过程表' });
  const count = Number(await grid.getAttribute('aria-rowcount'));
  assert.ok(count > 10000, `rows ${count}`);
  await grid.press('Home');
  await grid.locator('[role=row][aria-rowindex="2"][aria-selected=true]').waitFor();
  await grid.press('End');
  const last = grid.locator(`[role=row][aria-rowindex="${count}"][aria-selected=true]`);
  await last.waitFor();
  await page.waitForFunction(() => !document.querySelector('.window [role=row]:last-child .cell')?.textContent === false);
  assert.notEqual((await last.locator('.cell').first().textContent()) ?? '', '');
  await grid.press('PageUp');
  await grid.locator('[role=row][aria-selected=true]').waitFor();
  const up = Number(await grid.locator('[role=row][aria-selected=true]').getAttribute('aria-rowindex'));
  assert.ok(up < count && up > count - 40, `page up to ${up}`);
  await context.close();
});

test('the table exports the worker\'s CSV: a byte-order mark, then the header', async () => {
  const { page, context } = await openPage(browser);
  await openPanel(page, '插补过程表');
  await runToEnd(page);
  const [download] = await Promise.all([page.waitForEvent('download'), page.getByRole('button', { name: '导出CSV...' }).click()]);
  const bytes = readFileSync((await download.path())!);
  assert.deepEqual([...bytes.subarray(0, 3)], [0xef, 0xbb, 0xbf]);
  const header = bytes.subarray(3).toString('utf8').split(/\r?\n/)[0];
  assert.match(header, /,/);
  assert.match(download.suggestedFilename(), /\.csv$/);
  await context.close();
});

test('the phone stacks the panels with no sideways scrolling', async () => {
  const { page, context } = await openPage(browser, phone);
  await openPanel(page, '插补过程表');
  await openPanel(page, '脉冲时序图');
  await runToEnd(page);
  assert.equal(await page.evaluate(() => document.documentElement.scrollWidth <= innerWidth), true);
  for (const name of ['插补过程表', '脉冲时序图']) {
    const box = (await page.getByRole('heading', { name }).boundingBox())!;
    assert.ok(box.x >= 0 && box.x + box.width <= phone.width, name);
  }
  await shot(page, 'phone-teaching');
  await context.close();
});

test('显示理想轨迹 lays the exact path over the plan view, with its read-out', async () => {
  const { page, context, problems } = await openPage(browser);
  await runToEnd(page);
  await openPanel(page, '显示理想轨迹');
  const overlay = page.getByRole('img', { name: '理想轨迹' });
  await overlay.waitFor();
  const cyan = () =>
    page.evaluate(() => {
      const c = document.getElementById('ideal-overlay') as HTMLCanvasElement;
      const data = c.getContext('2d')!.getImageData(0, 0, c.width, c.height).data;
      let n = 0;
      for (let i = 0; i < data.length; i += 4) if (data[i] < 80 && data[i + 1] > 200 && data[i + 2] > 200) ++n;
      return n;
    });
  await page.waitForFunction(() => (document.getElementById('ideal-overlay') as HTMLCanvasElement).width > 0);
  await page.waitForTimeout(300);
  assert.ok((await cyan()) > 100, 'cyan pixels of the path and its read-out');
  await shot(page, 'laptop-ideal');
  await openPanel(page, '显示理想轨迹');
  assert.equal(await overlay.isHidden(), true);
  assert.deepEqual(problems, []);
  await context.close();
});

test('a method comparison completes while 暂停 and 停止 still answer', async () => {
  const { page, context, problems } = await openPage(browser);
  await typeProgram(page, '%\nG01X300Y400F100\nX0Y0\n%\n');
  await setPulse(page, '0.001');
  await page.getByRole('button', { name: '运行', exact: true }).click();
  await teachItem(page, 'menuitem', '方法对比...');
  const box = page.getByRole('dialog', { name: '方法对比' });
  await box.getByRole('button', { name: '对比', exact: true }).click();
  // The page answers while the worker compares: the run is held and stopped.
  const pause = page.getByRole('button', { name: '暂停', exact: true });
  await pause.click();
  await page.waitForFunction(() => document.querySelector<HTMLButtonElement>('[data-command=pause]')!.disabled);
  assert.equal(await box.getByRole('button', { name: '取消' }).isEnabled(), true, (await box.locator('.compare-notice').textContent()) ?? '');
  await page.getByRole('button', { name: '停止', exact: true }).click();
  await page.waitForFunction(() => !document.querySelector<HTMLButtonElement>('#compare-dialog button.compare')!.disabled, null, { timeout: 120000 });
  assert.equal(await box.locator('.compare-notice').textContent(), '两种方法都走完了程序。');
  const table = box.getByRole('table', { name: '对比数据' });
  assert.equal(await table.locator('thead th').first().textContent(), '程序段');
  assert.equal(await table.locator('tbody th').first().textContent(), '合计（不含 G00）');
  assert.equal(await box.getByRole('button', { name: '对比', exact: true }).isEnabled(), true);
  await shot(page, 'laptop-compare');
  assert.deepEqual(problems, []);
  await context.close();
});

test('an exercise answered to its score page, which prints alone', async () => {
  const { page, context, problems } = await openPage(browser);
  await teachItem(page, 'menuitem', '开始练习...');
  const box = page.getByRole('dialog', { name: '练习' });
  await box.getByLabel('姓名').fill('王小明');
  await box.getByLabel('学号').fill('2026001');
  await box.getByLabel('练习码').fill('k7m3q');
  await box.getByRole('button', { name: '开始' }).click();
  await box.locator('.task').filter({ hasText: '第 1 / 4 题' }).waitFor();
  assert.match((await box.locator('.attempt').textContent()) ?? '', /^练习码 K7M3Q　姓名 王小明　学号 2026001　第 1 次$/);
  assert.equal(await box.locator('.figure svg').count(), 1);
  await box.getByLabel('新偏差 F').fill('−13');
  await box.getByRole('button', { name: '−Y' }).click();
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
    if (await overflow.isVisible()) await overflow.click({ timeout: 2000 }).catch(() => undefined);
    // The answer's state may still be on its way: a button gone is tried again.
    else await box.getByRole('button', { name: '+X' }).click({ timeout: 2000 }).catch(() => undefined);
  }
  await box.locator('.score').filter({ hasText: /^练习码 K7M3Q：答对 \d+ \/ \d+$/ }).waitFor();
  assert.match((await box.locator('.score-student').textContent()) ?? '', /^姓名 王小明　学号 2026001　第 1 次　\d{4}-\d\d-\d\d \d\d:\d\d:\d\d$/);
  assert.ok((await box.locator('table.wrong tbody tr').count()) > 0);
  await page.emulateMedia({ media: 'print' });
  assert.equal(await page.getByRole('button', { name: '运行', exact: true }).isVisible(), false);
  assert.equal(await box.locator('.score').isVisible(), true);
  await page.emulateMedia({ media: 'screen' });
  const [download] = await Promise.all([page.waitForEvent('download'), box.locator('.score-page').getByRole('button', { name: '导出 CSV...' }).click()]);
  const bytes = readFileSync((await download.path())!);
  assert.deepEqual([...bytes.subarray(0, 3)], [0xef, 0xbb, 0xbf]);
  await shot(page, 'laptop-score');
  assert.deepEqual(problems, []);
  await context.close();
});

test('先答后看 asks the hidden row\'s question in the row while single stepping', async () => {
  const { page, context, problems } = await openPage(browser);
  await openPanel(page, '插补过程表');
  await teachItem(page, 'menuitemradio', '逐点比较法');
  await page.getByLabel('先答后看').check();
  await page.keyboard.press('F7');
  const grid = page.getByRole('grid', { name: '插补过程表' });
  const asking = grid.locator('.cell.asking');
  await asking.waitFor();
  // The sample's first move, by comparison from the origin to (10, 10): +X, then F = −10.
  await asking.getByLabel('新 F').fill('-10');
  await asking.getByRole('button', { name: '+X' }).click();
  await page.locator('.table-bar .score').filter({ hasText: '答对 2 / 2' }).waitFor();
  assert.equal(await grid.locator('.cell.right').count(), 2);
  await shot(page, 'laptop-answers');
  assert.deepEqual(problems, []);
  await context.close();
});
