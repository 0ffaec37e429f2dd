import assert from 'node:assert/strict';
import { button, drawnPixels, laptop, pageTest, phone, runToEnd, shot } from './page';

pageTest('on a laptop screen the page opens from disk, asks nothing of the network and shows everything at once, greying out the commands that cannot act', async ({ page }) => {
  assert.equal(await page.title(), 'Tarvo模拟');
  assert.deepEqual(await page.evaluate(() => [document.documentElement.scrollWidth, document.documentElement.scrollHeight]), [laptop.width, laptop.height]);
  for (const name of ['运行', '暂停', '停止', '参数设置', '清屏', '单步：一步插补']) {
    const box = await button(page, name).boundingBox();
    assert.ok(box && box.x + box.width <= laptop.width && box.y + box.height <= laptop.height, name);
  }
  const plan = await page.getByRole('img', { name: '平面图' }).boundingBox();
  assert.ok(plan && plan.width >= 500 && plan.width === plan.height, `plan view ${JSON.stringify(plan)}`);
  await page.waitForTimeout(300);
  await shot(page, 'laptop');
  const greyed = await Promise.all(['暂停', '单步：后退一步', '运行'].map((name) => button(page, name).isDisabled()));
  assert.deepEqual(greyed, [true, true, false]);
  await page.getByRole('menuitem', { name: '控制' }).click();
  assert.deepEqual([await page.getByRole('menuitem', { name: '暂停' }).isDisabled(), await page.getByRole('menuitem', { name: '单步：一步插补' }).isEnabled()], [true, true]);
  await shot(page, 'laptop-menu');
});

pageTest(
  'a phone held upright scrolls down only, every control is there to tap, and a run is drawn',
  async ({ page }) => {
    assert.equal(await page.evaluate(() => document.documentElement.scrollWidth), phone.width);
    const plan = await page.getByRole('img', { name: '平面图' }).boundingBox();
    assert.ok(plan && plan.width >= 300 && plan.x >= 0 && plan.x + plan.width <= phone.width);
    for (const name of ['运行', '暂停', '停止', '参数设置', '清屏', '单步：一个节拍', '单步：一步插补', '单步：到本行结束', '单步：后退一步']) {
      await button(page, name).scrollIntoViewIfNeeded();
      const box = await button(page, name).boundingBox();
      assert.ok(box && box.x >= 0 && box.x + box.width <= phone.width && box.height >= 30, `${name} ${JSON.stringify(box)}`);
    }
    await runToEnd(page);
    assert.ok((await drawnPixels(page, 'plan')) > 100);
    await page.evaluate(() => scrollTo(0, 0));
    await shot(page, 'phone-run');
    // A menu opens within the screen too, even the last one on the bar.
    await page.getByRole('menuitem', { name: '教学' }).click();
    const box = await page.getByRole('menu', { name: '教学' }).boundingBox();
    assert.ok(box && box.x >= 0 && box.x + box.width <= phone.width, JSON.stringify(box));
    assert.equal(await page.evaluate(() => document.documentElement.scrollWidth), phone.width);
  },
  { viewport: phone },
);
