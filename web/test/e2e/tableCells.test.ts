import assert from 'node:assert/strict';
import type { Page } from 'playwright-core';
import { laptop, pageTest, panel, phone, runToEnd, shot } from './page';

// Waits until the rows on screen and their cells are laid out: measured
// before, every row is 0 pixels high and no cell is cut.
const laidOut = (page: Page) =>
  page.waitForFunction(() => {
    const all = [...document.querySelectorAll<HTMLElement>('.step-grid .window [role=row], .step-grid .window [role=gridcell]')];
    return all.length > 0 && all.every((e) => e.clientHeight > 0 && e.clientWidth > 0);
  });

// The cells on screen whose text does not show whole, down or across.
async function cutCells(page: Page): Promise<(string | null)[]> {
  await laidOut(page);
  return page
    .locator('.step-grid .window [role=gridcell]')
    .evaluateAll((all: HTMLElement[]) => all.filter((c) => c.scrollHeight > c.clientHeight + 1 || c.scrollWidth > c.clientWidth + 1).map((c) => c.textContent));
}

for (const [screen, viewport] of [
  ['laptop', laptop],
  ['phone', phone],
] as const) {
  pageTest(
    `on a ${screen} every cell of 插补过程表 shows whole, the three registers of a move with Z too, the panels side by side or stacked`,
    async ({ page }) => {
      await panel(page, '插补过程表');
      await panel(page, '脉冲时序图');
      // The machine's integration lists X, Y and Z of a straight move with Z
      // one under the other.
      await runToEnd(page, '%\nG01X4Y3F100\nG02X7Y0I0J-3\nG01X10Y2Z-2\n%\n');
      const grid = page.getByRole('grid', { name: '插补过程表' });
      await grid.press('Home');
      await grid.locator('[aria-selected=true]').waitFor();
      assert.deepEqual(await cutCells(page), []);
      await grid.press('End');
      await grid.getByRole('gridcell').filter({ hasText: /^JRx = .*\nJRy = .*\nJRz = / }).first().waitFor();
      assert.deepEqual(await cutCells(page), []);
      // The rows keep one height, three lines, so the list still scrolls by arithmetic.
      const heights = await grid.locator('.window [role=row]').evaluateAll((rows) => rows.map((r) => r.getBoundingClientRect().height));
      assert.ok(heights.every((h) => h === heights[0]) && heights[0] >= 3 * 16, JSON.stringify(heights));
      // Nothing runs off the screen sideways, the panels stacked on a phone.
      assert.equal(await page.evaluate(() => document.documentElement.scrollWidth <= innerWidth), true);
      await shot(page, `${screen}-teaching-whole-cells`);
    },
    { viewport },
  );
}
