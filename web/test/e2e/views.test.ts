import assert from 'node:assert/strict';
import { readFileSync } from 'node:fs';
import { after, before, test } from 'node:test';
import type { Browser, Page } from 'playwright-core';
import { launch, openPage, phone, runToEnd, shot, typeProgram } from './page';

let browser: Browser;
before(async () => (browser = await launch()));
after(() => browser.close());

// How many pixels of a view differ from its top-left corner, the background.
function drawnPixels(page: Page, view: string): Promise<number> {
  return page.evaluate((name) => {
    const c = document.getElementById(`view-${name}`) as HTMLCanvasElement;
    const data = c.getContext('2d')!.getImageData(0, 0, c.width, c.height).data;
    let n = 0;
    for (let i = 0; i < data.length; i += 4) {
      if (data[i] !== data[0] || data[i + 1] !== data[1] || data[i + 2] !== data[2]) ++n;
    }
    return n;
  }, view);
}

const shown = (page: Page) => page.evaluate(() => [...document.querySelectorAll('#views canvas')].filter((c) => !(c as HTMLElement).hidden).map((c) => c.id));

test('a run draws the plan view; the option buttons switch to the axonometric view and back', async () => {
  const { page, context } = await openPage(browser);
  await runToEnd(page);
  assert.deepEqual(await shown(page), ['view-plan']);
  assert.ok((await drawnPixels(page, 'plan')) > 200);
  await page.getByRole('radio', { name: '轴测图' }).check();
  await page.waitForFunction(() => !document.getElementById('view-axonometric')!.hidden);
  assert.deepEqual(await shown(page), ['view-axonometric']);
  assert.ok((await drawnPixels(page, 'axonometric')) > 200);
  await page.getByRole('menuitem', { name: '视图' }).click();
  await page.getByRole('menuitem', { name: '平面图' }).click();
  await page.waitForFunction(() => !document.getElementById('view-plan')!.hidden);
  assert.equal(await page.getByRole('radio', { name: '平面图' }).isChecked(), true);
  await context.close();
});

test('清屏 empties the editor, shows the magnified view, and keeps the program among the recent ones', async () => {
  const { page, context } = await openPage(browser);
  await runToEnd(page);
  await page.getByRole('button', { name: '清屏', exact: true }).click();
  await page.waitForFunction(() => !document.getElementById('view-magnified')!.hidden);
  assert.equal(await page.locator('.cm-content').textContent(), '');
  assert.equal(await page.locator('#file-caption').textContent(), '新文件');
  await page.getByRole('menuitem', { name: '文件' }).click();
  const kept = page.getByRole('group', { name: '最近打开' }).getByRole('menuitem');
  assert.equal(await kept.count(), 1);
  await kept.click();
  assert.match((await page.locator('.cm-content').textContent()) ?? '', /^%G90G00X10Y10/);
  // The plan view's button, still checked, shows the plan view again.
  await page.getByRole('radio', { name: '平面图' }).click();
  await page.waitForFunction(() => !document.getElementById('view-plan')!.hidden);
  await context.close();
});

test('a slow run is held by 暂停 and goes on by steps from where it stood', async () => {
  const { page, context } = await openPage(browser);
  await page.getByLabel('速度').selectOption({ label: '10 毫秒/节拍' });
  await page.keyboard.press('F5');
  const pause = page.getByRole('button', { name: '暂停', exact: true });
  await page.waitForFunction(() => !document.querySelector<HTMLButtonElement>('[data-command=pause]')!.disabled);
  assert.equal(await page.getByRole('button', { name: '单步：一步插补', exact: true }).isDisabled(), true);
  await pause.click();
  await page.waitForFunction(() => document.querySelector<HTMLButtonElement>('[data-command=pause]')!.disabled);
  const held = await page.locator('#point-x').textContent();
  await page.waitForTimeout(300);
  assert.equal(await page.locator('#point-x').textContent(), held);
  assert.equal(await page.getByRole('button', { name: '单步：一步插补', exact: true }).isEnabled(), true);
  await page.keyboard.press('F8');
  await page.keyboard.press('F5');
  await page.getByLabel('速度').selectOption({ label: '最快' });
  await page.waitForFunction(() => document.getElementById('point-x')!.textContent === '-10');
  await context.close();
});

test('a phone shows the run drawn, the read-outs just below the controls', async () => {
  const { page, context } = await openPage(browser, phone);
  await runToEnd(page);
  assert.ok((await drawnPixels(page, 'plan')) > 100);
  await page.evaluate(() => scrollTo(0, 0));
  await shot(page, 'phone-run');
  await context.close();
});

test('the parameter dialog refuses a bad figure with the machine\'s message and keeps the old values', async () => {
  const { page, context } = await openPage(browser);
  const open = () => page.getByRole('button', { name: '参数设置', exact: true }).click();
  const dialog = page.getByRole('dialog', { name: '参数设置' });
  const refusal = dialog.getByRole('alert');
  await open();
  const cases: [string, string, string][] = [
    ['XC', 'abc', '工件原点必须是数字'],
    ['放大倍数', '0', '放大倍数必须是1到1000之间的整数'],
    ['脉冲当量(mm)', '0', '脉冲当量必须在0.001到100毫米之间'],
    ['脉冲当量(mm)', '0.000000001', '脉冲当量最多8位小数'],
  ];
  for (const [field, text, message] of cases) {
    await dialog.getByLabel(field, { exact: true }).fill(text);
    await dialog.getByRole('button', { name: '确定' }).click();
    await refusal.filter({ hasText: message }).waitFor();
    assert.equal(await refusal.textContent(), message);
    assert.equal(await dialog.isVisible(), true);
    await page.getByRole('button', { name: '取消' }).click();
    await open();
  }
  assert.deepEqual(await Promise.all(['XC', 'YC', 'ZC', '放大倍数', '脉冲当量(mm)'].map((f) => dialog.getByLabel(f, { exact: true }).inputValue())), ['0', '0', '0', '1', '1']);
  await dialog.getByLabel('XC', { exact: true }).fill('5');
  await dialog.getByRole('button', { name: '确定' }).click();
  await dialog.waitFor({ state: 'hidden' });
  await runToEnd(page);
  assert.equal(await page.getByLabel('XC', { exact: true }).first().textContent(), '5');
  await open();
  assert.equal(await dialog.getByLabel('XC', { exact: true }).inputValue(), '5');
  await context.close();
});

test('the magnified view turns under a drag in 放大图旋转', async () => {
  const { page, context } = await openPage(browser);
  // A cut below the surface, which the magnified view keeps.
  await typeProgram(page, '%\nG01Z-5\nG01X20Y10\nG02X30Y0I5J-5\n%\n');
  await runToEnd(page);
  await page.getByRole('menuitem', { name: '视图' }).click();
  await page.getByRole('menuitem', { name: '放大图旋转' }).click();
  await page.waitForFunction(() => !document.getElementById('view-magnified')!.hidden);
  const picture = () => page.evaluate(() => (document.getElementById('view-magnified') as HTMLCanvasElement).toDataURL());
  await page.waitForTimeout(200);
  const before = await picture();
  const box = (await page.getByRole('img', { name: '放大图' }).boundingBox())!;
  await page.mouse.move(box.x + box.width / 2, box.y + box.height / 2);
  await page.mouse.down();
  await page.mouse.move(box.x + box.width / 2 + 60, box.y + box.height / 2 + 20, { steps: 6 });
  await page.mouse.up();
  await page.waitForFunction((old) => (document.getElementById('view-magnified') as HTMLCanvasElement).toDataURL() !== old, before);
  await shot(page, 'laptop-magnified');
  await context.close();
});

test('a window made smaller draws the views again at their new size', async () => {
  const { page, context } = await openPage(browser);
  await runToEnd(page);
  const before = await page.evaluate(() => (document.getElementById('view-plan') as HTMLCanvasElement).width);
  await page.setViewportSize({ width: 1100, height: 620 });
  await page.waitForFunction((old) => (document.getElementById('view-plan') as HTMLCanvasElement).width < old, before);
  await page.waitForTimeout(300);
  const side = await page.evaluate(() => (document.getElementById('view-plan') as HTMLCanvasElement).width);
  const box = (await page.getByRole('img', { name: '平面图' }).boundingBox())!;
  assert.equal(side, Math.round(box.width));
  assert.ok((await drawnPixels(page, 'plan')) > 200);
  await context.close();
});

test('保存视图图片... downloads the view on screen as a PNG picture', async () => {
  const { page, context } = await openPage(browser);
  await runToEnd(page);
  page.once('dialog', (d) => d.accept('圆弧'));
  const download = page.waitForEvent('download');
  await page.getByRole('menuitem', { name: '文件' }).click();
  await page.getByRole('menuitem', { name: '保存视图图片...' }).click();
  const file = await download;
  assert.equal(file.suggestedFilename(), '圆弧.png');
  const bytes = readFileSync((await file.path())!);
  assert.deepEqual([...bytes.subarray(1, 4)], [...Buffer.from('PNG')]);
  await context.close();
});
