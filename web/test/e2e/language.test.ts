import assert from 'node:assert/strict';
import { after, before, test } from 'node:test';
import type { Browser, Locator, Page } from 'playwright-core';
import { laptop, launch, openPage, phone, ready, shot, typeProgram } from './page';

let browser: Browser;
before(async () => (browser = await launch()));
after(() => browser.close());

// English words a Chinese page may show: the program's letters and words,
// units, the registers' and the files' names, the page's own name, and the
// language menu's English; the textbook's register names (JR, regmax) and
// arcs (SR, NR).
const kept = new Set(['Tarvo', 'CSV', 'JRx', 'JRy', 'JRz', 'mm', 'ms', 'Ctrl', 'Shift', 'English', 'XC', 'YC', 'ZC', 'SR', 'NR', 'JR', 'regmax', 'NC', 'nc']);

// Every text of the page a user sees or hears (text in sight, accessible
// names, tooltips, hints, the entries of its boxes), but the program in the
// editor and the language menu, which name each language in its own words.
function pageTexts(page: Page): Promise<string[]> {
  return page.evaluate(() => {
    const skipped = (e: Element | null) => !!e?.closest('#editor, [role=group][aria-label=Language], [role=group][aria-label=语言], .subhead');
    const texts: string[] = [];
    const walker = document.createTreeWalker(document.body, NodeFilter.SHOW_TEXT);
    for (let n = walker.nextNode(); n; n = walker.nextNode()) {
      const e = n.parentElement;
      if (!e || skipped(e) || !n.textContent?.trim()) continue;
      if (e.closest('option') || e.checkVisibility()) texts.push(n.textContent.trim());
    }
    for (const e of document.body.querySelectorAll('[aria-label], [title], [placeholder]')) {
      if (skipped(e)) continue;
      for (const a of ['aria-label', 'title', 'placeholder']) {
        const v = e.getAttribute(a);
        if (v) texts.push(v);
      }
    }
    texts.push(document.title);
    return texts;
  });
}

const chinese = /[\u3000-\u303f\u3400-\u4dbf\u4e00-\u9fff\uff00-\uffef]/;

async function strayChinese(page: Page, where: string): Promise<void> {
  const stray = (await pageTexts(page)).filter((t) => chinese.test(t));
  assert.deepEqual(stray, [], `Chinese in the English page: ${where}`);
}

async function strayEnglish(page: Page, where: string): Promise<void> {
  const stray = (await pageTexts(page)).flatMap((t) => (t.match(/[A-Za-z]{2,}/g) ?? []).filter((w) => !kept.has(w)).map((w) => `${w} in "${t}"`));
  assert.deepEqual(stray, [], `English in the Chinese page: ${where}`);
}

// Captions wider than their place: the text runs out of its box.
async function cutOff(page: Page, where: string): Promise<void> {
  const cut = await page.evaluate(() =>
    [...document.querySelectorAll<HTMLElement>('button, label, h2, h3, th, legend, .subhead, .head, .table-line, .timing-legend, option')]
      .filter((e) => e.checkVisibility() && !e.closest('#editor') && e.scrollWidth > e.clientWidth + 1 && getComputedStyle(e).overflowX !== 'visible')
      .map((e) => `${e.textContent?.trim()} (${e.scrollWidth} > ${e.clientWidth})`),
  );
  assert.deepEqual(cut, [], `cut off: ${where}`);
}

async function menu(page: Page, caption: string, item: string): Promise<void> {
  await page.getByRole('menuitem', { name: caption, exact: true }).click();
  await page.getByRole('menuitem', { name: item, exact: true }).click();
}

async function menuChoice(page: Page, caption: string, role: 'menuitemcheckbox' | 'menuitemradio', item: string): Promise<void> {
  await page.getByRole('menuitem', { name: caption, exact: true }).click();
  await page.getByRole(role, { name: item, exact: true }).click();
}

// Every menu opened in turn, looked at, and closed.
async function walkMenus(page: Page, captions: string[], check: (where: string) => Promise<void>, screen: string): Promise<void> {
  for (const caption of captions) {
    await page.getByRole('menuitem', { name: caption, exact: true }).click();
    await check(`menu ${caption}`);
    await cutOff(page, `menu ${caption}`);
    await shot(page, `${screen}-menu-${caption.toLowerCase()}`, false);
    await page.keyboard.press('Escape');
  }
}

async function inBox(page: Page, box: Locator, close: string, where: string, check: (where: string) => Promise<void>, screen: string): Promise<void> {
  await box.waitFor({ state: 'visible' });
  await page.waitForTimeout(100);
  await check(where);
  await cutOff(page, where);
  await shot(page, `${screen}-box-${where}`, false);
  await box.getByRole('button', { name: close, exact: true }).click();
  await box.waitFor({ state: 'hidden' });
}

const englishMenus = ['File', 'Edit', 'View', 'Run', 'Teaching', 'About'];

for (const [screen, viewport] of [
  ['laptop', laptop],
  ['phone', phone],
] as const) {
  test(`on a ${screen}, a browser that prefers English gets every menu, box, panel and message in English`, async () => {
    const { page, context, problems } = await openPage(browser, viewport, undefined, 'en-US');
    const check = (where: string) => strayChinese(page, where);
    const name = `en-${screen}`;
    assert.equal(await page.evaluate(() => document.documentElement.lang), 'en');
    assert.equal(await page.locator('#status').textContent(), 'Ready');
    await menuChoice(page, 'Teaching', 'menuitemcheckbox', 'Pulse timing diagram');
    await menuChoice(page, 'Teaching', 'menuitemcheckbox', 'Interpolation table');
    for (let i = 0; i < 3; ++i) await page.keyboard.press('F7');
    await page.locator('.step-grid [role=gridcell]').first().waitFor();
    await page.locator('.timing-readout').filter({ hasText: /^Newest  tick \d+/ }).waitFor();
    await page.getByLabel('Machine registers').check();
    await page.locator('.step-grid [role=gridcell]').first().waitFor();
    await check('the page, single stepping');
    await cutOff(page, 'the page');
    await shot(page, `${name}-page`);
    await walkMenus(page, englishMenus, check, name);

    await page.getByRole('button', { name: 'Setup', exact: true }).click();
    await page.getByLabel('Pulse equivalent (mm)').fill('0');
    await page.getByRole('button', { name: 'OK', exact: true }).click();
    await page.locator('#parameters .refusal').filter({ hasText: /\w/ }).waitFor();
    await inBox(page, page.locator('#parameters'), 'Cancel', 'parameters', check, name);

    await menu(page, 'Teaching', 'Method comparison...');
    const compare = page.getByRole('dialog', { name: 'Method comparison' });
    await compare.getByRole('button', { name: 'Compare', exact: true }).click();
    await page.waitForFunction(() => !document.querySelector<HTMLButtonElement>('#compare-dialog button.compare')!.disabled, null, { timeout: 120000 });
    await inBox(page, compare, 'Close', 'compare', check, name);

    await menu(page, 'Teaching', 'Start exercises...');
    const exercise = page.getByRole('dialog', { name: 'Exercises' });
    await exercise.getByLabel('Name').fill('Wang');
    await exercise.getByLabel('Student number').fill('2026001');
    await exercise.getByLabel('Code').fill('k7m3q');
    await exercise.getByRole('button', { name: 'Start' }).click();
    await exercise.locator('.task').filter({ hasText: /\w/ }).waitFor();
    await exercise.getByRole('button', { name: '+X' }).click();
    await exercise.locator('.verdict').filter({ hasText: /\w/ }).waitFor();
    await inBox(page, exercise, 'Close', 'exercise', check, name);

    await page.locator('#summary-input').setInputFiles({ name: 'a.csv', mimeType: 'text/csv', buffer: Buffer.from('not an exercise file\n') });
    await inBox(page, page.getByRole('dialog', { name: 'Class summary' }), 'Close', 'summary', check, name);
    await menu(page, 'About', 'About this program');
    await inBox(page, page.locator('#about-dialog'), 'Back', 'help', check, name);
    await menu(page, 'About', 'Designers');
    await inBox(page, page.locator('#about-dialog'), 'Close', 'designer', check, name);

    await menuChoice(page, 'Teaching', 'menuitemradio', 'DDA');
    await menu(page, 'Teaching', 'Register width N: automatic...');
    await inBox(page, page.locator('#bits-dialog'), 'Cancel', 'bits', check, name);

    // A program error: its message box and the mark on its line.
    await page.getByRole('button', { name: 'Stop', exact: true }).click();
    await typeProgram(page, '%\nG01X10F100\nG05X1\n%\n');
    await page.getByRole('button', { name: 'Run', exact: true }).click();
    await inBox(page, page.locator('#message'), 'OK', 'message', check, name);
    await page.locator('#problem').filter({ hasText: /^Line 3/ }).waitFor();
    await check('the page with a program error');
    assert.deepEqual(problems, []);
    await context.close();
  });
}

test('the Chinese page has no English but the program\'s words, units and names', async () => {
  const { page, context, problems } = await openPage(browser);
  const check = (where: string) => strayEnglish(page, where);
  assert.equal(await page.evaluate(() => document.documentElement.lang), 'zh-CN');
  await menuChoice(page, '教学', 'menuitemcheckbox', '脉冲时序图');
  await menuChoice(page, '教学', 'menuitemcheckbox', '插补过程表');
  for (let i = 0; i < 3; ++i) await page.keyboard.press('F7');
  await page.locator('.step-grid [role=gridcell]').first().waitFor();
  await check('the page, single stepping');
  await walkMenus(page, ['文件', '编辑', '视图', '控制', '教学', '关于'], check, 'zh-laptop');
  for (const [open, box, close] of [
    [() => page.getByRole('button', { name: '参数设置', exact: true }).click(), '#parameters', '取消'],
    [() => menu(page, '教学', '方法对比...'), '#compare-dialog', '关闭'],
    [() => menu(page, '教学', '开始练习...'), '#exercise-dialog', '关闭'],
    [() => menu(page, '关于', '功能简介'), '#about-dialog', '点击返回'],
    [() => menu(page, '关于', '设计者'), '#about-dialog', '点击返回'],
  ] as const) {
    await open();
    await inBox(page, page.locator(box), close, box.slice(1), check, 'zh-laptop');
  }
  assert.deepEqual(problems, []);
  await context.close();
});

test('视图 → 语言 switches at once, keeps the program, the run and its marks, and is kept for the next visit', async () => {
  const { page, context, problems } = await openPage(browser);
  await typeProgram(page, '%\nG01X10F100\nG05X1\n%\n');
  await page.getByRole('button', { name: '运行', exact: true }).click();
  const message = page.locator('#message');
  await message.getByRole('button', { name: '确定' }).click();
  const problem = page.locator('#problem');
  await problem.filter({ hasText: /^第3行/ }).waitFor();
  const chineseMark = await problem.textContent();
  await menuChoice(page, '教学', 'menuitemcheckbox', '插补过程表');

  await menuChoice(page, '视图', 'menuitemradio', 'English');
  assert.equal(await page.evaluate(() => document.documentElement.lang), 'en');
  await page.getByRole('button', { name: 'Run', exact: true }).waitFor();
  await problem.filter({ hasText: /^Line 3/ }).waitFor();
  assert.equal(await page.getByLabel('Speed').locator('option:checked').textContent(), '1 ms/tick (standard)');
  await page.locator('.table-line').filter({ hasNotText: chinese }).waitFor();
  await strayChinese(page, 'after the switch');
  assert.match(await page.evaluate(() => document.querySelector('.cm-content')!.textContent ?? ''), /G05X1/);

  await page.reload();
  await ready(page);
  assert.equal(await page.evaluate(() => document.documentElement.lang), 'en', 'the choice outlives the browser\'s Chinese');
  await page.getByRole('button', { name: 'Run', exact: true }).waitFor();

  await menuChoice(page, 'View', 'menuitemradio', '中文');
  await page.getByRole('button', { name: '运行', exact: true }).waitFor();
  await page.getByRole('button', { name: '运行', exact: true }).click();
  await message.getByRole('button', { name: '确定' }).click();
  await problem.filter({ hasText: /^第3行/ }).waitFor();
  assert.equal(await problem.textContent(), chineseMark);
  assert.deepEqual(problems, []);
  await context.close();
});
