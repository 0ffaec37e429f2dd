import assert from 'node:assert/strict';
import type { CDPSession, Page } from 'playwright-core';
import { mkdirSync, writeFileSync } from 'node:fs';
import { join } from 'node:path';
import { button, menu, pageTest, phone, runToEnd, shots } from './page';

const onPhone = { viewport: phone, touch: true };

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

pageTest('on a phone one finger pans the magnified view and two fingers turn and move it, the page staying put, and the mode is given back', async ({ page, context }) => {
  const cdp = await context.newCDPSession(page);
  const canvas = page.getByRole('img', { name: '放大图' });
  const centre = async () => {
    await canvas.scrollIntoViewIfNeeded();
    await page.waitForTimeout(200);
    const box = (await canvas.boundingBox())!;
    return { box, cx: box.x + box.width / 2, cy: box.y + box.height / 2 };
  };
  const pair = (cx: number, cy: number, r: number, angle: number): Touch[] => [
    { id: 1, x: cx - r * Math.cos(angle), y: cy - r * Math.sin(angle) },
    { id: 2, x: cx + r * Math.cos(angle), y: cy + r * Math.sin(angle) },
  ];

  // 清屏 shows the magnified view with no drag mode chosen, an arrow. Two
  // fingers lend it a mode (the hand of 放大图平移 or the cross of 放大图旋转,
  // as the worker's slices caught them), then give back the arrow.
  await button(page, '清屏').click();
  await page.waitForFunction(() => !document.getElementById('view-magnified')!.hidden);
  let { cx, cy, box } = await centre();
  assert.equal(await canvas.evaluate((c) => c.style.cursor), 'default');
  await canvas.evaluate((c) => {
    const seen: string[] = [];
    (window as unknown as { cursors: string[] }).cursors = seen;
    new MutationObserver(() => seen.push(c.style.cursor)).observe(c, { attributes: true, attributeFilter: ['style'] });
  });
  await gesture(cdp, pair(cx, cy, 40, 0), pair(cx, cy + 30, 40, 0.5));
  await page.waitForFunction(() => {
    const seen = (window as unknown as { cursors: string[] }).cursors;
    return seen.some((c) => c !== 'default') && seen[seen.length - 1] === 'default';
  });

  // A cut below the surface, which the magnified view keeps.
  await runToEnd(page, '%\nG01Z-5\nG01X20Y10\nG02X30Y0I5J-5\n%\n');
  await menu(page, '视图', '放大图平移');
  await page.waitForFunction(() => !document.getElementById('view-magnified')!.hidden);
  ({ cx, cy, box } = await centre());
  const scrolled = await page.evaluate(() => [scrollX, scrollY]);

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
  await gesture(cdp, pair(cx, cy, box.width / 4, 0), pair(cx, cy, box.width / 4, Math.PI / 6));
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
}, onPhone);
