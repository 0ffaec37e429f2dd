import assert from 'node:assert/strict';
import { after, before, test } from 'node:test';
import type { Browser, CDPSession, Page } from 'playwright-core';
import { mkdirSync, writeFileSync } from 'node:fs';
import { join } from 'node:path';
import { launch, openPage, phone, shots, typeProgram } from './page';

let browser: Browser;
before(async () => (browser = await launch()));
after(() => browser.close());

type Touch = { x: number; y: number; id: number };

// Fingers on the phone's screen, moved in small steps as a hand moves them.
async function gesture(cdp: CDPSession, from: Touch[], to: Touch[], steps = 8): Promise<void> {
  const at = (k: number) => from.map((f, i) => ({ id: f.id, x: f.x + ((to[i].x - f.x) * k) / steps, y: f.y + ((to[i].y - f.y) * k) / steps }));
  await cdp.send('Input.dispatchTouchEvent', { type: 'touchStart', touchPoints: at(0) });
  for (let k = 1; k <= steps; ++k) {
    await cdp.send('Input.dispatchTouchEvent', { type: 'touchMove', touchPoints: at(k) });
    await new Promise((r) => setTimeout(r, 30));
  }
  await cdp.send('Input.dispatchTouchEvent', { type: 'touchEnd', touchPoints: [] });
}

const picture = (page: Page) => page.evaluate(() => (document.getElementById('view-magnified') as HTMLCanvasElement).toDataURL());
// Where the drawing is: the first and last columns and the first row with a
// pixel off the background (its left edge may run off the view).
const drawnBox = (page: Page) =>
  page.evaluate(() => {
    const c = document.getElementById('view-magnified') as HTMLCanvasElement;
    const data = c.getContext('2d')!.getImageData(0, 0, c.width, c.height).data;
    let [left, right, top] = [c.width, -1, -1];
    for (let i = 0; i < data.length; i += 4) {
      if (data[i] === data[0] && data[i + 1] === data[1] && data[i + 2] === data[2]) continue;
      const x = (i / 4) % c.width;
      [left, right] = [Math.min(left, x), Math.max(right, x)];
      if (top < 0) top = Math.floor(i / 4 / c.width);
    }
    return { left, right, top, width: right - left + 1 };
  });
const changed = (page: Page, old: string) =>
  page.waitForFunction((o) => (document.getElementById('view-magnified') as HTMLCanvasElement).toDataURL() !== o, old, { timeout: 5000 });

test('on a phone one finger pans the magnified view and two fingers turn and move it, the page staying put', async () => {
  const context = await browser.newContext({ locale: 'zh-CN', hasTouch: true, isMobile: true, viewport: phone, deviceScaleFactor: 1 });
  const { page } = await openPage(browser, phone, context);
  const cdp = await context.newCDPSession(page);
  // A cut below the surface, which the magnified view keeps.
  await typeProgram(page, '%\nG01Z-5\nG01X20Y10\nG02X30Y0I5J-5\n%\n');
  await page.getByLabel('速度').selectOption({ label: '最快' });
  await page.getByRole('button', { name: '运行', exact: true }).click();
  await page.waitForFunction(() => document.querySelector<HTMLButtonElement>('[data-command=pause]')!.disabled && !document.querySelector<HTMLButtonElement>('[data-command=stepBack]')!.disabled);
  await page.getByRole('menuitem', { name: '视图' }).click();
  await page.getByRole('menuitem', { name: '放大图平移' }).click();
  await page.waitForFunction(() => !document.getElementById('view-magnified')!.hidden);
  const canvas = page.getByRole('img', { name: '放大图' });
  await canvas.scrollIntoViewIfNeeded();
  await page.waitForTimeout(200);
  const scrolled = await page.evaluate(() => [scrollX, scrollY]);
  const box = (await canvas.boundingBox())!;
  const [cx, cy] = [box.x + box.width / 2, box.y + box.height / 2];

  // The drawing follows the finger from where it touched, by its travel.
  let before = await picture(page);
  const still = await drawnBox(page);
  await gesture(cdp, [{ id: 1, x: cx, y: cy }], [{ id: 1, x: cx + 40, y: cy + 30 }]);
  await changed(page, before);
  await page.waitForTimeout(300);
  const panned = await drawnBox(page);
  assert.deepEqual([panned.right - still.right, panned.top - still.top], [40, 30], JSON.stringify([still, panned]));

  // A twelfth of a turn of two fingers about a midpoint that stays turns the
  // cut (flat in the plane of the view) a twelfth of a turn about the view's
  // upright axis: it narrows to about cos 30° of its width, its top row
  // staying. A one-finger pan would have kept the width and moved the top.
  before = await picture(page);
  const flat = await drawnBox(page);
  const r = box.width / 4;
  await gesture(
    cdp,
    [
      { id: 1, x: cx - r, y: cy },
      { id: 2, x: cx + r, y: cy },
    ],
    [
      { id: 1, x: cx - r * Math.cos(Math.PI / 6), y: cy - r * Math.sin(Math.PI / 6) },
      { id: 2, x: cx + r * Math.cos(Math.PI / 6), y: cy + r * Math.sin(Math.PI / 6) },
    ],
  );
  await changed(page, before);
  await page.waitForTimeout(300);
  const turned = await drawnBox(page);
  assert.equal(turned.top, flat.top);
  assert.ok(turned.width > 0.8 * flat.width && turned.width < 0.95 * flat.width, JSON.stringify([flat, turned]));
  assert.deepEqual(await page.evaluate(() => [scrollX, scrollY]), scrolled);
  assert.equal(await page.evaluate(() => visualViewport!.scale), 1);
  mkdirSync(shots, { recursive: true });
  writeFileSync(join(shots, 'phone-magnified-twisted.png'), Buffer.from((await picture(page)).split(',')[1], 'base64'));
  // The user's mode is back: the view still shows the hand of 放大图平移.
  await page.waitForFunction(() => document.getElementById('view-magnified')!.style.cursor === 'grab');
  await context.close();
});

test('two fingers on a page that never chose a drag mode give it back with none', async () => {
  const context = await browser.newContext({ locale: 'zh-CN', hasTouch: true, isMobile: true, viewport: phone, deviceScaleFactor: 1 });
  const { page, problems } = await openPage(browser, phone, context);
  const cdp = await context.newCDPSession(page);
  // 清屏 shows the magnified view without choosing a mode: an arrow.
  await page.getByRole('button', { name: '清屏', exact: true }).click();
  await page.waitForFunction(() => !document.getElementById('view-magnified')!.hidden);
  const canvas = page.getByRole('img', { name: '放大图' });
  await canvas.scrollIntoViewIfNeeded();
  assert.equal(await canvas.evaluate((c) => c.style.cursor), 'default');
  // The pointers the view shows, one after the other.
  await canvas.evaluate((c) => {
    const seen: string[] = [];
    (window as unknown as { cursors: string[] }).cursors = seen;
    new MutationObserver(() => seen.push(c.style.cursor)).observe(c, { attributes: true, attributeFilter: ['style'] });
  });
  const box = (await canvas.boundingBox())!;
  const [cx, cy] = [box.x + box.width / 2, box.y + box.height / 2];
  await gesture(
    cdp,
    [
      { id: 1, x: cx - 40, y: cy },
      { id: 2, x: cx + 40, y: cy },
    ],
    [
      { id: 1, x: cx - 10, y: cy + 30 },
      { id: 2, x: cx + 40 * Math.cos(0.5) - 10, y: cy + 30 + 40 * Math.sin(0.5) },
    ],
  );
  // The gesture lent the view a mode (the hand of 放大图平移 or the cross of
  // 放大图旋转, as the worker's slices caught them), then gave back the arrow.
  await page.waitForFunction(() => {
    const seen = (window as unknown as { cursors: string[] }).cursors;
    return seen.some((c) => c !== 'default') && seen[seen.length - 1] === 'default';
  });
  assert.deepEqual(problems, []);
  await context.close();
});
