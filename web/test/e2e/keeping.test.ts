import assert from 'node:assert/strict';
import { editorText, menu, openPage, pageTest, ready, typeProgram } from './page';

pageTest('a reload keeps the program and the settings', async ({ page }) => {
  await typeProgram(page, '%\nG01X5Y5\n%');
  await page.getByLabel('速度').selectOption({ label: '最快' });
  await page.getByRole('radio', { name: '轴测图' }).check();
  await menu(page, '教学', '数字积分法', 'menuitemradio');
  await page.reload();
  await ready(page);
  assert.deepEqual([await editorText(page), await page.getByLabel('速度').evaluate((s: HTMLSelectElement) => s.value)], ['%\nG01X5Y5\n%', '最快']);
  await page.waitForFunction(() => !document.getElementById('view-axonometric')!.hidden);
  assert.equal(await page.getByRole('radio', { name: '轴测图' }).isChecked(), true);
  await page.getByRole('menuitem', { name: '教学' }).click();
  assert.equal(await page.getByRole('menuitemradio', { name: '数字积分法' }).getAttribute('aria-checked'), 'true');
});

pageTest('a closed tab keeps what was typed the moment before', async ({ page, context }) => {
  await typeProgram(page, 'G01X7');
  await page.close({ runBeforeUnload: true });
  const again = await openPage(context);
  assert.equal(await editorText(again.page), 'G01X7');
});

pageTest('a second tab is told, writes nothing unseen, and may take over or keep a copy', async (first) => {
  await typeProgram(first.page, 'G01X1');
  const second = await openPage(first.context);
  const told = (tab: typeof first) => tab.page.getByRole('alert').filter({ hasText: '另一个标签页' }).waitFor();
  const kept = async () => {
    await first.page.waitForTimeout(800);
    return first.page.evaluate(() => JSON.parse(localStorage.getItem('tarvo.program')!).text);
  };
  await told(second);
  await typeProgram(second.page, 'G01X2');
  assert.equal(await kept(), 'G01X1');
  await second.page.getByRole('button', { name: '在此页编辑（接管）' }).click();
  await told(first);
  assert.equal(await kept(), 'G01X2');
  await first.page.getByRole('button', { name: '保留此页为副本' }).click();
  assert.equal(await kept(), 'G01X2');
  const recent = await first.page.evaluate(() => JSON.parse(localStorage.getItem('tarvo.recent')!));
  assert.deepEqual(recent[0], { name: '新文件（副本）.nc', text: 'G01X1' });
  assert.deepEqual(second.problems, []);
});

pageTest(
  'a browser that keeps nothing for the page still runs it, and says to download the program',
  async ({ page }) => {
    assert.equal(await page.locator('#status').textContent(), '就绪；浏览器不允许此页保存数据：关闭此页前请用 文件 → 保存 下载程序');
    await typeProgram(page, '%\nG01X4\n%');
    await page.waitForTimeout(800);
    assert.equal(await page.getByRole('alert').filter({ hasText: '另一个标签页' }).count(), 0);
  },
  {
    prepare: (context) =>
      context.addInitScript(() => {
        Object.defineProperty(window, 'localStorage', {
          get() {
            throw new DOMException('storage is switched off', 'SecurityError');
          },
        });
        delete (window as { BroadcastChannel?: unknown }).BroadcastChannel;
      }),
  },
);
