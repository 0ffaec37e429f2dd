// The plan view shows the pulse grid under its path once a pulse spans 8
// pixels of it, and none at a fine pulse equivalent, as the window does.
import assert from 'node:assert/strict';
import { pageTest, runToEnd, setParameters, shot } from './page';

// Each run on a page of its own: a second run on the same page could be read
// before the worker has laid its plan view afresh.
for (const [dl, grid] of [
  ['1', true],
  ['0.001', false],
] as const) {
  pageTest(`the plan view at ${dl} mm and magnification 10 lays ${grid ? 'the pulse grid' : 'no grid'} under the path`, async ({ page }) => {
    await setParameters(page, { 放大倍数: '10', '脉冲当量(mm)': dl });
    await runToEnd(page, '%\nG90G01X4Y3F500\nG02X7Y0I0J-3\nG00X0Y0\n%\n');
    // The plan view's pixels in the grid's colour.
    const count = await page.evaluate(() => {
      const canvas = document.querySelector<HTMLCanvasElement>('#view-plan')!;
      const { data } = canvas.getContext('2d')!.getImageData(0, 0, canvas.width, canvas.height);
      let n = 0;
      for (let i = 0; i < data.length; i += 4) n += Number(data[i] === 92 && data[i + 1] === 92 && data[i + 2] === 92);
      return n;
    });
    assert.ok(grid ? count > 1000 : count === 0, `${count} pixels of the grid`);
    if (grid) await shot(page, 'laptop-pulse-grid');
  });
}
