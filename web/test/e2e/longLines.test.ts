import assert from 'node:assert/strict';
import { readFileSync } from 'node:fs';
import type { Page } from 'playwright-core';
import { button, openFile, pageTest, readouts, runToEnd, runnerEnd, typeProgram } from './page';

// The editor's lines as it shows them. It lays out only the part of a long
// line in sight: scrolled to its far end, the line shows how it ends.
const editorLines = (page: Page) =>
  page.evaluate(async () => {
    const scroller = document.querySelector('.cm-scroller')!;
    scroller.scrollLeft = scroller.scrollWidth;
    await new Promise((r) => setTimeout(r, 100));
    const lines = [...document.querySelectorAll('.cm-line')].map((l) => l.textContent ?? '');
    scroller.scrollLeft = 0;
    return lines.map((t) => (t.length > 100 ? `…${t.slice(-3)}` : t));
  });

pageTest("a line over 10,000 characters opens read-only with the window's message; Run and Save take the program whole", async ({ page }) => {
  const program = `%\r\nG01X3Y2 (${'a'.repeat(12000)})\r\nG01X5\r\n%\r\n`;
  await openFile(page, '长行.nc', program);
  const box = page.getByRole('dialog');
  assert.equal(await box.getByRole('heading').textContent(), '只读打开');
  assert.equal(await box.locator('.text').textContent(), '第2行超过10000个字符，编辑器只显示长行的开头，程序只读打开；运行和保存用的是完整的程序：长行.nc');
  await box.getByRole('button', { name: '确定' }).click();

  // The long line ends in "…" after its first 10,000 characters (as the
  // runner's tests of the rule pin); typing changes nothing.
  const shown = await editorLines(page);
  assert.deepEqual(shown, ['%', '…aa…', 'G01X5', '%', '']);
  await page.locator('.cm-content').click();
  await page.keyboard.type('G02');
  await page.keyboard.press('Control+A');
  await page.keyboard.press('Delete');
  assert.deepEqual(await editorLines(page), shown);

  await runToEnd(page);
  assert.deepEqual(await readouts(page), runnerEnd(program));
  const download = page.waitForEvent('download');
  await button(page, '保存').click();
  assert.equal(readFileSync((await (await download).path())!, 'utf8'), program);

  // A new program is typed as ever.
  await button(page, '新建').click();
  await typeProgram(page, 'G01X1');
  assert.deepEqual(await editorLines(page), ['G01X1']);
});
