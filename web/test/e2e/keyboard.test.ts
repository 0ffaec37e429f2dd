import assert from 'node:assert/strict';
import type { Locator, Page } from 'playwright-core';
import { button as buttonOf, commandOff, openFile, pageTest, readouts, shot } from './page';

// The focused element shows that it has the focus: a ring of its own, the
// editor's frame around the editor's text, or an open menu's highlight.
// Past the page's last control the focus goes to the browser's own bar
// (none in a headless browser) and comes back at the first.
const focusShown = (page: Page) =>
  page.evaluate(() => {
    let e = document.activeElement as HTMLElement | null;
    if (!e || e === document.body) return '';
    const what = `${e.tagName} ${e.getAttribute('aria-label') ?? e.textContent?.slice(0, 20)}`;
    if (!e.matches(':focus-visible')) return `${what}: no visible focus`;
    if (e.closest('[role=menu]')) return getComputedStyle(e).backgroundColor === 'rgb(207, 224, 245)' ? '' : `${what}: no highlight`;
    if (e.closest('.code')) e = e.closest<HTMLElement>('.code');
    const style = getComputedStyle(e!);
    const ring = (style.outlineStyle !== 'none' && parseFloat(style.outlineWidth) > 0) || style.boxShadow !== 'none';
    return ring ? '' : `${what}: no ring`;
  });

// Tab, Tab, … until `target` has the focus, each focus shown on the way.
async function tabTo(page: Page, target: Locator, backwards = false): Promise<void> {
  for (let i = 0; i < 150; ++i) {
    if (await target.evaluate((e) => e === document.activeElement)) return;
    await page.keyboard.press(backwards ? 'Shift+Tab' : 'Tab');
    const shown = await focusShown(page);
    assert.equal(shown, '', `focus after ${i + 1} × Tab`);
  }
  assert.fail(`never reached ${target}`);
}

// A menu of the bar by Enter, then down it by the arrows to an item.
async function downTo(page: Page, item: string): Promise<void> {
  await page.keyboard.press('Enter');
  for (let i = 0; i < 20 && (await page.evaluate(() => document.activeElement?.textContent)) !== item; ++i) await page.keyboard.press('ArrowDown');
  await page.keyboard.press('Enter');
}

pageTest('a lesson by keyboard alone: open, set, run, hold, the table, step, step back, its question and 方法对比', async ({ page }) => {
  const button = (name: string) => buttonOf(page, name);
  const menuItem = (name: string) => page.getByRole('menuitem', { name, exact: true });

  // 打开... by its key, the file picked in the browser's own chooser.
  await openFile(page, 'keys.nc', '%\r\nG01X30Y20F100\r\n%\r\n', 'Control+O');
  await page.locator('#file-caption').filter({ hasText: 'keys.nc' }).waitFor();

  // 参数设置: Enter opens it, the fields take the figures, Enter accepts.
  await tabTo(page, button('参数设置'));
  await page.keyboard.press('Enter');
  const dl = page.getByLabel('脉冲当量(mm)');
  await tabTo(page, dl);
  await page.keyboard.press('Control+A');
  await page.keyboard.type('0.1');
  await page.keyboard.press('Enter');
  await page.locator('#parameters').waitFor({ state: 'hidden' });

  // F5 runs a long line at the machine's own pace, F9 holds it at once.
  await page.keyboard.press('F5');
  await commandOff(page, 'pause', false);
  await page.keyboard.press('F9');
  await commandOff(page, 'pause');

  // 教学 → 插补过程表 from the menu bar: Enter opens the menu, the arrows
  // go down it, Enter chooses.
  await tabTo(page, menuItem('教学'), true);
  await downTo(page, '插补过程表');
  const grid = page.getByRole('grid', { name: '插补过程表' });
  await grid.waitFor();

  // F7 steps on, one iteration a press (the machine's integration feeds in
  // some of them only: the table's new row tells the step is made), until
  // the tool moves; Shift+F7 goes back to just after the iteration before
  // that one, where the tool stood before.
  const rows = () => grid.getAttribute('aria-rowcount');
  let before = await readouts(page);
  for (let i = 0; i < 40; ++i) {
    const count = await rows();
    await page.keyboard.press('F7');
    await page.waitForFunction((c) => document.querySelector('[role=grid]')!.getAttribute('aria-rowcount') !== c, count);
    const now = await readouts(page);
    if (now.join() !== before.join()) break;
    before = now;
  }
  await commandOff(page, 'stepBack', false);
  const count = await rows();
  await page.keyboard.press('Shift+F7');
  await page.waitForFunction((c) => document.querySelector('[role=grid]')!.getAttribute('aria-rowcount') !== c, count);
  assert.deepEqual(await readouts(page), before);

  // 先答后看 by Space; F7 makes a row that asks; the overflows are ticked
  // with Space and handed in with Enter, and the row is marked.
  await tabTo(page, page.getByRole('checkbox', { name: '先答后看' }));
  await page.keyboard.press('Space');
  await page.getByRole('checkbox', { name: '先答后看' }).and(page.locator(':checked')).waitFor();
  await page.keyboard.press('F7');
  const jrx = grid.getByRole('checkbox', { name: 'JRx 溢出' });
  await jrx.waitFor();
  await tabTo(page, jrx);
  await page.keyboard.press('Enter');
  await page.locator('.table-bar .score').filter({ hasText: /^答对 [01] \/ 1$/ }).waitFor();
  await grid.locator('.cell.right, .cell.wrong').first().waitFor();
  await shot(page, 'keyboard-table-answered');

  // 方法对比...: 对比 by Enter, the figures in, Escape closes the box and
  // the focus is back on the menu it came from.
  await tabTo(page, menuItem('教学'), true);
  await downTo(page, '方法对比...');
  const compare = page.locator('#compare-dialog');
  await compare.waitFor();
  await tabTo(page, compare.getByRole('button', { name: '对比', exact: true }));
  // Inside the box F7 is no step of the machine, as on the desktop, where
  // the run keys belong to the main window.
  const rowsBefore = await rows();
  await page.keyboard.press('F7');
  await page.waitForTimeout(300);
  assert.equal(await rows(), rowsBefore);
  await page.keyboard.press('Enter');
  await compare.getByRole('table', { name: '对比数据' }).getByRole('row').first().waitFor();
  // 对比 went grey while the runs went on; the focus is back on it.
  await page.waitForFunction(() => document.activeElement?.textContent === '对比');
  await page.keyboard.press('Escape');
  await compare.waitFor({ state: 'hidden' });
  assert.equal(await page.evaluate(() => document.activeElement?.textContent), '教学');

});

pageTest('Tab reaches every control of the page, each showing its focus', async ({ page }) => {
  // Every control a pointer can use, named; of option buttons, the one
  // checked, which Tab stops at (the arrows choose among them).
  const controls = await page.evaluate(() =>
    [...document.querySelectorAll<HTMLElement>('button, select, input, [tabindex="0"], [contenteditable=true]')]
      .filter((e) => !e.closest('dialog, [hidden]') && !(e as HTMLButtonElement).disabled && e.getClientRects().length > 0)
      .filter((e) => !e.matches('input[type=radio]:not(:checked)'))
      .map((e) => e.id || e.getAttribute('aria-label') || e.textContent || e.outerHTML.slice(0, 60)),
  );
  const reached = new Set<string>();
  for (let i = 0; i < controls.length + 10; ++i) {
    await page.keyboard.press('Tab');
    assert.equal(await focusShown(page), '', `Tab ${i + 1}`);
    reached.add(await page.evaluate(() => {
      const e = document.activeElement as HTMLElement;
      return e.id || e.getAttribute('aria-label') || e.textContent || e.outerHTML.slice(0, 60);
    }));
  }
  assert.deepEqual(controls.filter((c) => !reached.has(c)), []);
});
