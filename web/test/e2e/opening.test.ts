import assert from 'node:assert/strict';
import { after, before, test } from 'node:test';
import type { Browser } from 'playwright-core';
import { launch, laptop, openPage, phone, shot } from './page';

let browser: Browser;
before(async () => (browser = await launch()));
after(() => browser.close());

test('the page opens from disk, asks nothing of the network and logs no error', async () => {
  const { page, problems, context } = await openPage(browser, laptop);
  await page.waitForTimeout(300);
  assert.deepEqual(problems, []);
  assert.equal(await page.title(), 'Tarvo模拟');
  await shot(page, 'laptop');
  await context.close();
});

test('on a laptop screen everything shows at once, with no scrolling', async () => {
  const { page, context } = await openPage(browser, laptop);
  const size = await page.evaluate(() => [document.documentElement.scrollWidth, document.documentElement.scrollHeight]);
  assert.deepEqual(size, [laptop.width, laptop.height]);
  for (const name of ['运行', '暂停', '停止', '参数设置', '清屏', '单步：一步插补']) {
    const box = await page.getByRole('button', { name, exact: true }).boundingBox();
    assert.ok(box && box.x + box.width <= laptop.width && box.y + box.height <= laptop.height, name);
  }
  const plan = await page.getByRole('img', { name: '平面图' }).boundingBox();
  assert.ok(plan && plan.width >= 500 && plan.width === plan.height, `plan view ${JSON.stringify(plan)}`);
  await context.close();
});

test('a phone held upright scrolls down only, and every control is there to tap', async () => {
  const { page, context } = await openPage(browser, phone);
  assert.equal(await page.evaluate(() => document.documentElement.scrollWidth), phone.width);
  const plan = await page.getByRole('img', { name: '平面图' }).boundingBox();
  assert.ok(plan && plan.width >= 300 && plan.x >= 0 && plan.x + plan.width <= phone.width);
  for (const name of ['运行', '暂停', '停止', '参数设置', '清屏', '单步：一个节拍', '单步：一步插补', '单步：到本行结束', '单步：后退一步']) {
    const button = page.getByRole('button', { name, exact: true });
    await button.scrollIntoViewIfNeeded();
    const box = await button.boundingBox();
    assert.ok(box && box.x >= 0 && box.x + box.width <= phone.width && box.height >= 30, `${name} ${JSON.stringify(box)}`);
  }
  await page.evaluate(() => scrollTo(0, 0));
  await shot(page, 'phone');
  // A menu opens within the screen too, even the last one on the bar.
  await page.getByRole('menuitem', { name: '教学' }).click();
  const menu = await page.getByRole('menu', { name: '教学' }).boundingBox();
  assert.ok(menu && menu.x >= 0 && menu.x + menu.width <= phone.width, JSON.stringify(menu));
  assert.equal(await page.evaluate(() => document.documentElement.scrollWidth), phone.width);
  await context.close();
});

test('commands that cannot act are greyed out, on the panel and in the menu', async () => {
  const { page, context } = await openPage(browser, laptop);
  assert.equal(await page.getByRole('button', { name: '暂停', exact: true }).isDisabled(), true);
  assert.equal(await page.getByRole('button', { name: '单步：后退一步', exact: true }).isDisabled(), true);
  assert.equal(await page.getByRole('button', { name: '运行', exact: true }).isEnabled(), true);
  await page.getByRole('menuitem', { name: '控制' }).click();
  assert.equal(await page.getByRole('menuitem', { name: '暂停' }).isDisabled(), true);
  assert.equal(await page.getByRole('menuitem', { name: '单步：一步插补' }).isEnabled(), true);
  await shot(page, 'laptop-menu');
  await context.close();
});
