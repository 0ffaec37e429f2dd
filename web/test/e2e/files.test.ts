import assert from 'node:assert/strict';
import { readFileSync } from 'node:fs';
import { button, editorText, openFile, pageTest, readouts, runToEnd, runnerEnd, typeProgram } from './page';

pageTest('a file dropped on the page opens as 打开... opens it, read as GB18030 when it is not UTF-8', async ({ page }) => {
  // "%\r\nG01X5(注释)\r\n%\r\n" in GB18030: 注 is D7 A2, 释 CA CD.
  const bytes = [...Buffer.from('%\r\nG01X5('), 0xd7, 0xa2, 0xca, 0xcd, ...Buffer.from(')\r\n%\r\n')];
  const drop = await page.evaluateHandle((b) => {
    const data = new DataTransfer();
    data.items.add(new File([new Uint8Array(b)], '零件.nc'));
    return data;
  }, bytes);
  await page.dispatchEvent('#views', 'drop', { dataTransfer: drop });
  await page.getByRole('heading', { name: '零件.nc' }).waitFor();
  assert.equal(await editorText(page), '%\nG01X5(注释)\n%\n');
});

pageTest('a file that is no program text is refused with the reason, the program kept', async ({ page }) => {
  const before = await editorText(page);
  await openFile(page, 'bild.png', Buffer.from([0x89, 0x50, 0x4e, 0x47, 0x0d, 0x0a, 0x1a, 0x0a, 0x00, 0xff, 0xfe, 0x80, 0x81]));
  const box = page.getByRole('dialog');
  assert.equal(await box.getByRole('heading').textContent(), '打开失败');
  await box.getByRole('button', { name: '确定' }).click();
  assert.equal(await editorText(page), before);
  await typeProgram(page, 'G01X1');
  assert.equal(await editorText(page), 'G01X1');
});

pageTest('保存 downloads the program with the line endings it came with; the program replaced is kept', async ({ page }) => {
  await openFile(page, 'a.nc', '%\r\nG01X5\r\n%\r\n');
  await page.getByRole('heading', { name: 'a.nc' }).waitFor();
  const download = page.waitForEvent('download');
  await button(page, '保存').click();
  const file = await download;
  assert.equal(file.suggestedFilename(), 'a.nc');
  assert.equal(readFileSync((await file.path())!, 'utf8'), '%\r\nG01X5\r\n%\r\n');
  await typeProgram(page, 'G01X9');
  await button(page, '新建').click();
  assert.equal(await editorText(page), '');
  await page.getByRole('menuitem', { name: '文件' }).click();
  await page.getByRole('group', { name: '最近打开' }).getByRole('menuitem', { name: 'a.nc' }).click();
  assert.equal(await editorText(page), 'G01X9');
});

pageTest('a CR that ends no line stays in its line as ↵, and the program runs as the runner runs the file', async ({ page }) => {
  const program = '%\r\nG01X5\rY3\r\nG01X7\r\n%\r\n';
  await openFile(page, 'cr.nc', program);
  await page.getByRole('heading', { name: 'cr.nc' }).waitFor();
  assert.equal(await editorText(page), '%\nG01X5↵Y3\nG01X7\n%\n');
  await runToEnd(page);
  assert.deepEqual(await readouts(page), runnerEnd(program));
});
