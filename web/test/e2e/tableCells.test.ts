import assert from 'node:assert/strict';
import { after, before, test } from 'node:test';
import type { Browser, Page } from 'playwright-core';
import { launch, openPage, phone, shot, typeProgram } from './page';

let browser: Browser;
before(async () => (browser = await launch()));
after(() => browser.close());

// The cells on screen whose text does not show whole, down or across.
const cutCells = (page: Page) =>
  page.evaluate(() =>
    [...document.querySelectorAll<HTMLElement>('.step-grid .window [role=gridcell]')]
      .filter((c) => c.scrollHeight > c.clientHeight + 1 || c.scrollWidth > c.clientWidth + 1)
      .map((c) => c.textContent),
  );

async function runToTheEnd(page: Page, program: string): Promise<void> {
  await page.getByRole('menuitem', { name: '教学' }).click();
  await page.getByRole('menuitemcheckbox', { name: '插补过程表' }).click();
  await typeProgram(page, program);
  await page.getByLabel('速度').selectOption({ label: '最快' });
  await page.getByRole('button', { name: '运行', exact: true }).click();
  await page.waitForFunction(() => !document.querySelector<HTMLButtonElement>('[data-command=stepBack]')!.disabled);
}

for (const [screen, viewport] of [
  ['laptop', undefined],
  ['phone', phone],
] as const) {
  test(`on a ${screen} every cell of 插补过程表 shows whole, the three registers of a move with Z too`, async () => {
    const { page, context } = await openPage(browser, viewport);
    // The machine's integration lists X, Y and Z of a straight move with Z
    // one under the other.
    await runToTheEnd(page, '%\nG01X4Y3F100\nG02X7Y0I0J-3\nG01X10Y2Z-2\n%\n');
    const grid = page.getByRole('grid', { name: '插补过程表' });
    const three = grid.getByRole('gridcell').filter({ hasText: /^JRx = .*\nJRy = .*\nJRz = / });
    await grid.press('Home');
    await grid.locator('[aria-selected=true]').waitFor();
    assert.deepEqual(await cutCells(page), []);
    await grid.press('End');
    await three.first().waitFor();
    assert.deepEqual(await cutCells(page), []);
    // The rows keep one height, three lines, so the list still scrolls by arithmetic.
    const heights = await grid.locator('.window [role=row]').evaluateAll((rows) => rows.map((r) => r.getBoundingClientRect().height));
    assert.ok(heights.every((h) => h === heights[0]) && heights[0] >= 3 * 16, JSON.stringify(heights));
    await shot(page, `${screen}-table-whole-cells`);
    await context.close();
  });
}
