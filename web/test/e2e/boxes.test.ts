// Every menu and box of the page, in both languages, on a laptop and on a
// phone: each fits the screen, cuts no caption off, keeps its close button in
// sight, and speaks the page's language only.
import assert from 'node:assert/strict';
import { readFileSync } from 'node:fs';
import { join } from 'node:path';
import type { Locator, Page } from 'playwright-core';
import { english } from '../../src/page/words/english';
import { button, laptop, looked, menu, pageTest, phone, shot, top, typeProgram } from './page';

type Say = (caption: string) => string;

async function within(page: Page, what: Locator, label: string): Promise<void> {
  const size = page.viewportSize()!;
  const b = (await what.boundingBox())!;
  assert.ok(b, `${label}: not shown`);
  assert.ok(b.x >= -0.5 && b.y >= -0.5 && b.x + b.width <= size.width + 0.5 && b.y + b.height <= size.height + 0.5, `${label}: ${JSON.stringify(b)} off the ${size.width} × ${size.height} screen`);
}

// The boxes of the page, each opened as a user opens it, then filled as a
// lesson fills it, with the button that closes it.
interface Box {
  name: string;
  box: string;
  close: string;
  open: (page: Page, say: Say) => Promise<unknown>;
  fill?: (page: Page, say: Say, language: 'zh' | 'en') => Promise<unknown>;
}
const boxes: Box[] = [
  {
    name: 'parameters',
    box: '#parameters',
    close: '取消',
    open: (page, say) => button(page, say('参数设置')).click(),
    fill: async (page, say) => {
      await page.getByLabel(say('脉冲当量(mm)')).fill('0');
      await button(page, say('确定')).click();
      await page.locator('#parameters .refusal').filter({ hasText: /\S/ }).waitFor();
    },
  },
  {
    name: 'compare',
    box: '#compare-dialog',
    close: '关闭',
    open: (page, say) => menu(page, say('教学'), say('方法对比...')),
    fill: async (page, say) => {
      await button(page.locator('#compare-dialog'), say('对比')).click();
      await page.waitForFunction(() => !document.querySelector<HTMLButtonElement>('#compare-dialog button.compare')!.disabled, null, { timeout: 120000 });
    },
  },
  {
    name: 'exercise',
    box: '#exercise-dialog',
    close: '关闭',
    open: (page, say) => menu(page, say('教学'), say('开始练习...')),
    fill: async (page, say, language) => {
      const box = page.locator('#exercise-dialog');
      const fields = { 姓名: language === 'zh' ? '王小明' : 'Wang', 学号: '2026001', 练习码: 'k7m3q' };
      for (const [field, text] of Object.entries(fields)) await box.getByLabel(say(field)).fill(text);
      await button(box, say('开始')).click();
      await box.locator('.task').filter({ hasText: /\S/ }).waitFor();
      await button(box, '+X').click();
      await box.locator('.verdict').filter({ hasText: /\S/ }).waitFor();
    },
  },
  {
    name: 'summary',
    box: '#summary-dialog',
    close: '关闭',
    open: (page) => page.locator('#summary-input').setInputFiles({ name: 'a.csv', mimeType: 'text/csv', buffer: Buffer.from('not an exercise file\n') }),
  },
  { name: 'help', box: '#about-dialog', close: '点击返回', open: (page, say) => menu(page, say('关于'), say('功能简介')) },
  { name: 'designer', box: '#about-dialog', close: '关闭', open: (page, say) => menu(page, say('关于'), say('设计者')) },
  {
    name: 'bits',
    box: '#bits-dialog',
    close: '取消',
    open: async (page, say) => {
      await menu(page, say('教学'), say('数字积分法'), 'menuitemradio');
      await menu(page, say('教学'), say('寄存器位数 N：自动...'));
    },
  },
  {
    // A program error's message box.
    name: 'message',
    box: '#message',
    close: '确定',
    open: async (page, say) => {
      await button(page, say('停止')).click();
      await typeProgram(page, '%\nG01X10F100\nG05X1\n%\n');
      await button(page, say('运行')).click();
    },
  },
];

for (const [screen, viewport] of [
  ['laptop', laptop],
  ['phone', phone],
] as const) {
  for (const language of ['zh', 'en'] as const) {
    pageTest(
      `on a ${screen}, a browser that prefers ${language === 'zh' ? 'Chinese' : 'English'} gets every menu, box, panel and message in it, each box fitting the screen`,
      async ({ page }) => {
        const say: Say = (c) => (language === 'zh' ? c : (english[c] ?? { 数字积分法: 'DDA' }[c] ?? c));
        const name = `${language}-${screen}`;
        assert.equal(await page.evaluate(() => document.documentElement.lang), language === 'zh' ? 'zh-CN' : 'en');
        assert.equal(await page.locator('#status').textContent(), language === 'zh' ? '就绪' : 'Ready');
        await menu(page, say('教学'), say('脉冲时序图'), 'menuitemcheckbox');
        await menu(page, say('教学'), say('插补过程表'), 'menuitemcheckbox');
        for (let i = 0; i < 3; ++i) await page.keyboard.press('F7');
        await page.locator('.timing-readout').filter({ hasText: /\S/ }).waitFor();
        await page.getByLabel(say('机床寄存器')).check();
        await page.locator('.step-grid [role=gridcell]').first().waitFor();
        await looked(page, language, 'the page, single stepping');
        await shot(page, `${name}-page`);
        for (const caption of ['文件', '编辑', '视图', '控制', '教学', '关于'].map(say)) {
          await page.getByRole('menuitem', { name: caption, exact: true }).click();
          await looked(page, language, `menu ${caption}`);
          await shot(page, `${name}-menu-${caption}`, false);
          await page.keyboard.press('Escape');
        }
        for (const b of boxes) {
          await b.open(page, say);
          const box = page.locator(b.box);
          await box.waitFor({ state: 'visible' });
          await page.waitForTimeout(150);
          await within(page, box, b.name);
          // Nothing is cut off at the side: what does not fit scrolls down.
          const sideways = await box.evaluate((e) => e.scrollWidth - e.clientWidth);
          assert.ok(sideways <= 1, `${b.name}: ${sideways} pixels wider than the box`);
          await b.fill?.(page, say, language);
          await looked(page, language, b.name);
          await shot(page, `${name}-box-${b.name}`, false);
          const close = button(box, say(b.close));
          await box.evaluate((e) => (e.scrollTop = e.scrollHeight));
          await page.waitForTimeout(50);
          await within(page, close, `${b.name}'s ${b.close}, scrolled down`);
          await close.click();
          await box.waitFor({ state: 'hidden' });
        }
        // The program error's mark on its line.
        await page.locator('#problem').filter({ hasText: language === 'zh' ? /^第3行/ : /^Line 3/ }).waitFor();
        await looked(page, language, 'the page with a program error');
      },
      { viewport, locale: language === 'zh' ? 'zh-CN' : 'en-US' },
    );
  }
}

pageTest("关于 shows the machine's help with the accepted words, the keys, and the credits with the version", async ({ page }) => {
  await menu(page, '关于', '功能简介');
  const box = page.locator('#about-dialog');
  assert.equal(await box.getByRole('heading').first().textContent(), '功能简介');
  const help = (await box.locator('.help-text').textContent()) ?? '';
  assert.match(help, /^ {6}本仿真程序应用的是脉冲插补算法。.*G00，G01，G02，G03/s);
  const keys = box.getByRole('table', { name: '快捷键' });
  for (const row of ['F5 运行', 'Shift+F7 单步：后退一步', 'Ctrl+O 打开...']) assert.equal(await keys.getByRole('row', { name: row }).count(), 1, row);
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
});
