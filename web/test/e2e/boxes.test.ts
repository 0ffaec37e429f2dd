import assert from 'node:assert/strict';
import { readFileSync } from 'node:fs';
import { join } from 'node:path';
import { after, before, test } from 'node:test';
import type { Browser, Locator, Page } from 'playwright-core';
import { laptop, launch, openPage, phone, shot, top } from './page';

let browser: Browser;
before(async () => (browser = await launch()));
after(() => browser.close());

async function menu(page: Page, caption: string, item: string): Promise<void> {
  await page.getByRole('menuitem', { name: caption, exact: true }).click();
  await page.getByRole('menuitem', { name: item, exact: true }).click();
}

// The boxes of the page, each opened as a user opens it, with the button
// that closes it.
const boxes: { name: string; open: (page: Page) => Promise<void>; box: string; close: string }[] = [
  { name: 'parameters', open: (p) => p.getByRole('button', { name: '参数设置', exact: true }).click(), box: '#parameters', close: '取消' },
  { name: 'compare', open: (p) => menu(p, '教学', '方法对比...'), box: '#compare-dialog', close: '关闭' },
  { name: 'exercise', open: (p) => menu(p, '教学', '开始练习...'), box: '#exercise-dialog', close: '关闭' },
  {
    name: 'summary',
    open: (p) => p.locator('#summary-input').setInputFiles({ name: 'a.csv', mimeType: 'text/csv', buffer: Buffer.from('not an exercise file\n') }),
    box: '#summary-dialog',
    close: '关闭',
  },
  { name: 'help', open: (p) => menu(p, '关于', '功能简介'), box: '#about-dialog', close: '关闭' },
  { name: 'designer', open: (p) => menu(p, '关于', '设计者'), box: '#about-dialog', close: '点击返回' },
];

async function within(page: Page, what: Locator, label: string): Promise<void> {
  const size = page.viewportSize()!;
  const b = (await what.boundingBox())!;
  assert.ok(b, `${label}: not shown`);
  assert.ok(b.x >= -0.5 && b.y >= -0.5 && b.x + b.width <= size.width + 0.5 && b.y + b.height <= size.height + 0.5, `${label}: ${JSON.stringify(b)} off the ${size.width} × ${size.height} screen`);
}

for (const [screen, viewport] of [
  ['phone', phone],
  ['laptop', laptop],
] as const) {
  test(`on a ${screen} every box fits the screen, scrolls inside itself and keeps its close button in sight`, async () => {
    const { page, context, problems } = await openPage(browser, viewport);
    for (const b of boxes) {
      await b.open(page);
      const box = page.locator(b.box);
      await box.waitFor({ state: 'visible' });
      await page.waitForTimeout(150);
      await within(page, box, b.name);
      // Nothing is cut off at the side: what does not fit scrolls down.
      const sideways = await box.evaluate((e) => e.scrollWidth - e.clientWidth);
      assert.ok(sideways <= 1, `${b.name}: ${sideways} pixels wider than the box`);
      await shot(page, `${screen}-box-${b.name}`, false);
      const close = box.getByRole('button', { name: b.close, exact: true });
      await box.evaluate((e) => (e.scrollTop = e.scrollHeight));
      await page.waitForTimeout(50);
      await within(page, close, `${b.name}'s ${b.close}, scrolled down`);
      await close.click();
      await box.waitFor({ state: 'hidden' });
    }
    assert.deepEqual(problems, []);
    await context.close();
  });
}

test('关于 shows the machine\'s help with the accepted words, the keys, and the credits with the version', async () => {
  const { page, context } = await openPage(browser);
  await menu(page, '关于', '功能简介');
  const box = page.locator('#about-dialog');
  assert.equal(await box.getByRole('heading').first().textContent(), '功能简介');
  const help = (await box.locator('.help-text').textContent()) ?? '';
  assert.match(help, /^ {6}本仿真程序应用的是脉冲插补算法。/);
  assert.match(help, /G00，G01，G02，G03/);
  const keys = box.getByRole('table', { name: '快捷键' });
  assert.equal(await keys.getByRole('row', { name: 'F5 运行' }).count(), 1);
  assert.equal(await keys.getByRole('row', { name: 'Shift+F7 单步：后退一步' }).count(), 1);
  assert.equal(await keys.getByRole('row', { name: 'Ctrl+O 打开...' }).count(), 1);
  // Escape closes it, and the focus goes back to the menu it came from.
  await page.keyboard.press('Escape');
  await box.waitFor({ state: 'hidden' });
  assert.equal(await page.evaluate(() => document.activeElement?.textContent), '关于');

  await menu(page, '关于', '设计者');
  const version = /project\(tarvo VERSION (\S+)/.exec(readFileSync(join(top, 'CMakeLists.txt'), 'utf8'))![1];
  assert.deepEqual(await box.locator('.about-body p').allTextContents(), [
    '设计者：Tarvo 开发组',
    '联系：请在项目主页提交问题与建议',
    '版权所有 © Tarvo 开发组，供教学使用',
    `版本 ${version}`,
  ]);
  await context.close();
});
