// The plan view shows the pulse grid under its path once a pulse spans 8
// pixels of it, and none at a fine pulse equivalent, as the window does.
import assert from 'node:assert/strict';
import { after, before, test } from 'node:test';
import type { Browser, Page } from 'playwright-core';
import { launch, openPage, shot, typeProgram } from './page';

let browser: Browser;
before(async () => (browser = await launch()));
after(() => browser.close());

async function ended(page: Page): Promise<void> {
  await page.waitForFunction(() => {
    const b = (n: string) => document.querySelector<HTMLButtonElement>(`[data-command=${n}]`)!;
    return b('pause').disabled && !b('stepBack').disabled;
  });
}

// The plan view's pixels in the grid's colour after a run at these parameters.
async function gridPixelsAfterRun(page: Page, bei: string, dl: string): Promise<number> {
  await page.getByRole('button', { name: '参数设置', exact: true }).click();
  await page.getByLabel('放大倍数').fill(bei);
  await page.getByLabel('脉冲当量(mm)').fill(dl);
  await page.getByRole('button', { name: '确定' }).click();
  await page.getByRole('button', { name: '运行', exact: true }).click();
  await ended(page);
  return page.evaluate(() => {
    const canvas = document.querySelector<HTMLCanvasElement>('#view-plan')!;
    const { data } = canvas.getContext('2d')!.getImageData(0, 0, canvas.width, canvas.height);
    let count = 0;
    for (let i = 0; i < data.length; i += 4) count += Number(data[i] === 92 && data[i + 1] === 92 && data[i + 2] === 92);
    return count;
  });
}

// Each run on a page of its own: a second run on the same page could be read
// before the worker has laid its plan view afresh.
async function gridPixelsOnFreshPage(bei: string, dl: string, picture?: string): Promise<number> {
  const { page, context, problems } = await openPage(browser);
  await page.getByLabel('速度').selectOption({ label: '最快' });
  await typeProgram(page, '%\nG90G01X4Y3F500\nG02X7Y0I0J-3\nG00X0Y0\n%\n');
  const count = await gridPixelsAfterRun(page, bei, dl);
  if (picture) await shot(page, picture);
  assert.deepEqual(problems, []);
  await context.close();
  return count;
}

test('the plan view lays the pulse grid under the path at 1 mm and magnification 10, none at 0.001 mm', async () => {
  assert.ok((await gridPixelsOnFreshPage('10', '1', 'laptop-pulse-grid')) > 1000);
  assert.equal(await gridPixelsOnFreshPage('10', '0.001'), 0);
});
