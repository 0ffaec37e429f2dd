import { chromium, type Browser, type BrowserContext, type Page } from 'playwright-core';
import { spawnSync } from 'node:child_process';
import { mkdirSync, writeFileSync } from 'node:fs';
import { join } from 'node:path';
import { pathToFileURL } from 'node:url';

// The top of the source tree, as the runner names it.
export const top = process.env.TARVO_TOP ?? process.cwd();
export const pageUrl = pathToFileURL(join(top, 'build/web/index.html')).href;
export const shots = join(top, 'build/web-shots');

export const laptop = { width: 1366, height: 768 };
export const phone = { width: 390, height: 844 };

export function launch(): Promise<Browser> {
  return chromium.launch({
    executablePath: '/usr/bin/chromium',
    args: [
      '--no-sandbox',
      '--disable-gpu',
      '--disable-quic',
      '--no-first-run',
      '--disable-background-networking',
      '--disable-component-update',
      '--disable-sync',
    ],
  });
}

// A page of the web edition with what went wrong on it: a request that
// failed or left the disk, a console error, an uncaught exception.
export interface Opened {
  context: BrowserContext;
  page: Page;
  problems: string[];
}

// The page in a browser that prefers Chinese, unless another locale is given.
export async function openPage(browser: Browser, viewport = laptop, context?: BrowserContext, locale = 'zh-CN'): Promise<Opened> {
  const ctx = context ?? (await browser.newContext({ viewport, deviceScaleFactor: 1, locale }));
  const page = await ctx.newPage();
  const problems: string[] = [];
  page.on('requestfailed', (r) => problems.push(`request failed: ${r.url()}`));
  page.on('request', (r) => {
    if (!/^(file|blob|data):/.test(r.url())) problems.push(`request off the disk: ${r.url()}`);
  });
  page.on('console', (m) => {
    if (m.type() === 'error') problems.push(`console: ${m.text()}`);
  });
  page.on('pageerror', (e) => problems.push(`exception: ${e.message}`));
  await page.goto(pageUrl);
  await ready(page);
  return { context: ctx, page, problems };
}

// The machine has loaded once the status line says so, in either language.
export async function ready(page: Page): Promise<void> {
  await page.getByRole('status').filter({ hasText: /^(就绪|Ready)/ }).first().waitFor({ timeout: 30000 });
}

// Replaces the editor's program as typing would, in either language.
export async function typeProgram(page: Page, text: string): Promise<void> {
  const editor = page.getByRole('textbox', { name: /^(代码编辑区|Program editor)$/ });
  await editor.click();
  await page.keyboard.press('Control+A');
  await page.keyboard.press('Delete');
  await page.keyboard.insertText(text);
}

// The program as the editor shows it, line by line.
export const editorText = (page: Page) =>
  page.evaluate(() => [...document.querySelectorAll('.cm-line')].map((l) => l.textContent).join('\n'));

// A run has ended: Pause is greyed out and a step back can be made.
export async function ended(page: Page): Promise<void> {
  await page.waitForFunction(() => {
    const b = (n: string) => document.querySelector<HTMLButtonElement>(`[data-command=${n}]`)!;
    return b('pause').disabled && !b('stepBack').disabled;
  });
}

// Run at 最快, to the run's end.
export async function runToEnd(page: Page): Promise<void> {
  await page.getByLabel('速度').selectOption({ label: '最快' });
  await page.getByRole('button', { name: '运行', exact: true }).click();
  await ended(page);
}

// 参数设置 with a pulse equivalent typed (mm), taken with 确定.
export async function setPulse(page: Page, mm: string): Promise<void> {
  await page.getByRole('button', { name: '参数设置', exact: true }).click();
  await page.getByLabel('脉冲当量(mm)').fill(mm);
  await page.getByRole('button', { name: '确定' }).click();
}

// An item of the 教学 menu, by its role (menuitem, menuitemcheckbox, menuitemradio) and caption.
export async function teachItem(page: Page, role: 'menuitem' | 'menuitemcheckbox' | 'menuitemradio', name: string): Promise<void> {
  await page.getByRole('menuitem', { name: '教学' }).click();
  await page.getByRole(role, { name }).click();
}

export async function readouts(page: Page): Promise<string[]> {
  return Promise.all(['X', 'Y', 'Z'].map((n) => page.getByLabel(n, { exact: true }).textContent().then((t) => t ?? '')));
}

// The native runner's end position of a program, as read-out texts (mm).
export function runnerEnd(program: string, options: string[] = []): string[] {
  const dir = join(top, 'build/web-test/programs');
  mkdirSync(dir, { recursive: true });
  const file = join(dir, `p${Date.now()}.nc`);
  writeFileSync(file, program);
  const run = spawnSync(process.execPath, [join(top, 'build/web/tarvo-cli.cjs'), file, '--json', ...options], { encoding: 'utf8' });
  const end = JSON.parse(run.stdout);
  return [end.xcur, end.ycur, end.zcur].map((tenths: number) => String(tenths / 10));
}

// The whole page, or (fullPage false) the screen as it stands, where boxes
// fixed on the screen show where the user sees them.
export async function shot(page: Page, name: string, fullPage = true): Promise<void> {
  mkdirSync(shots, { recursive: true });
  await page.screenshot({ path: join(shots, `${name}.png`), fullPage });
}
