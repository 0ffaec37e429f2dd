import { chromium, type Browser, type BrowserContext, type Locator, type Page } from 'playwright-core';
import assert from 'node:assert/strict';
import { spawnSync } from 'node:child_process';
import { mkdirSync, writeFileSync } from 'node:fs';
import { join } from 'node:path';
import { after, before, test } from 'node:test';
import { pathToFileURL } from 'node:url';

// The top of the source tree, as the runner names it.
export const top = process.env.TARVO_TOP ?? process.cwd();
export const pageUrl = pathToFileURL(join(top, 'build/web/index.html')).href;
export const shots = join(top, 'build/web-shots');

// A Chinese character or punctuation mark.
export const chinese = /[\u3000-\u303f\u3400-\u4dbf\u4e00-\u9fff\uff00-\uffef]/;

export const laptop = { width: 1366, height: 768 };
export const phone = { width: 390, height: 844 };

// Debian's Chromium, headless, asking nothing of the network itself.
function launch(): Promise<Browser> {
  const quiet = ['--disable-quic', '--no-first-run', '--disable-background-networking', '--disable-component-update', '--disable-sync'];
  return chromium.launch({ executablePath: '/usr/bin/chromium', args: ['--no-sandbox', '--disable-gpu', ...quiet] });
}

// One browser for the tests of a file.
let browser: Browser;
before(async () => (browser = await launch()));
after(() => browser.close());
export const theBrowser = () => browser;

// A page of the web edition with what went wrong on it: a request that
// failed or left the disk, a console error, an uncaught exception.
export type Opened = { context: BrowserContext; page: Page; problems: string[] };

// The page opened in a new tab of the context.
export async function openPage(context: BrowserContext): Promise<Opened> {
  const page = await context.newPage();
  const problems: string[] = [];
  page.on('requestfailed', (r) => problems.push(`request failed: ${r.url()}`));
  page.on('request', (r) => void (/^(file|blob|data):/.test(r.url()) || problems.push(`request off the disk: ${r.url()}`)));
  page.on('console', (m) => void (m.type() === 'error' && problems.push(`console: ${m.text()}`)));
  page.on('pageerror', (e) => problems.push(`exception: ${e.message}`));
  await page.goto(pageUrl);
  await ready(page);
  return { context, page, problems };
}

export interface Screen {
  viewport?: { width: number; height: number };
  locale?: string; // the browser's preferred language; Chinese unless given
  touch?: boolean; // a phone's touch screen
  prepare?: (context: BrowserContext) => Promise<unknown>; // before the page opens
}

// A test on the page in a browser of its own, closed at its end; whatever
// went wrong on the page fails it.
export function pageTest(name: string, body: (opened: Opened) => Promise<void>, screen: Screen = {}): void {
  test(name, { timeout: 120000 }, async () => {
    const { viewport = laptop, locale = 'zh-CN', touch = false } = screen;
    const context = await browser.newContext({ viewport, deviceScaleFactor: 1, locale, hasTouch: touch, isMobile: touch });
    try {
      await screen.prepare?.(context);
      const opened = await openPage(context);
      await body(opened);
      assert.deepEqual(opened.problems, []);
    } finally {
      await context.close();
    }
  });
}

export const button = (within: Page | Locator, name: string) => within.getByRole('button', { name, exact: true });

// An item of a menu of the bar, by its role and caption.
export async function menu(page: Page, caption: string, item: string, role: 'menuitem' | 'menuitemcheckbox' | 'menuitemradio' = 'menuitem'): Promise<void> {
  await page.getByRole('menuitem', { name: caption, exact: true }).click();
  // A checked item's name starts with its mark.
  await page.getByRole(role, { name: new RegExp(`^(✓ )?${item.replace(/[.*+?^${}()|[\]\\]/g, '\\$&')}$`) }).click();
}

// A panel of the 教学 menu shown or hidden.
export const panel = (page: Page, caption: string) => menu(page, '教学', caption, 'menuitemcheckbox');

// Waits until a command of the control panel is greyed out, or (off false) is not.
export const commandOff = (page: Page, command: string, off = true) =>
  page.waitForFunction(([c, o]) => document.querySelector<HTMLButtonElement>(`[data-command=${c}]`)!.disabled === o, [command, off] as const);

// A file picked in the browser's own chooser after 打开... (or the key given).
export async function openFile(page: Page, name: string, bytes: Buffer | string, key?: string): Promise<void> {
  const chooser = page.waitForEvent('filechooser');
  await (key ? page.keyboard.press(key) : button(page, '打开...').click());
  await (await chooser).setFiles({ name, mimeType: 'application/octet-stream', buffer: Buffer.from(bytes) });
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

// Run at 最快, to the run's end, the program typed first if one is given.
export async function runToEnd(page: Page, program?: string): Promise<void> {
  if (program !== undefined) await typeProgram(page, program);
  await page.getByLabel('速度').selectOption({ label: '最快' });
  await button(page, '运行').click();
  await ended(page);
}

// 参数设置 with figures typed into its fields by label, taken with 确定.
export async function setParameters(page: Page, fields: Record<string, string>): Promise<void> {
  await button(page, '参数设置').click();
  for (const [label, text] of Object.entries(fields)) await page.getByLabel(label).fill(text);
  await page.getByRole('button', { name: '确定' }).click();
}

// How many pixels of a view differ from its top-left corner, the background.
export const drawnPixels = (page: Page, view: string) =>
  page.evaluate((name) => {
    const c = document.getElementById(`view-${name}`) as HTMLCanvasElement;
    const data = c.getContext('2d')!.getImageData(0, 0, c.width, c.height).data;
    let n = 0;
    for (let i = 0; i < data.length; i += 4) n += Number(data[i] !== data[0] || data[i + 1] !== data[1] || data[i + 2] !== data[2]);
    return n;
  }, view);

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

// English words a Chinese page may show: the program's letters and words,
// units, the registers' and the files' names and endings, the page's own name, and the
// language menu's English; the textbook's register names (JR, JV, regmax), the
// machine's own (jrx, fm, px) and arcs (SR, NR).
const kept = new Set(['Tarvo', 'CSV', 'JRx', 'JRy', 'JRz', 'JVx', 'JVy', 'JVz', 'mm', 'ms', 'Ctrl', 'Shift', 'English', 'XC', 'YC', 'ZC', 'SR', 'NR', 'JR', 'regmax', 'NC', 'nc', 'csv', 'jrx', 'jry', 'jrz', 'fm', 'px', 'py']);

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

// The texts of the other language on the page, and the captions wider than
// their place (the text runs out of its box).
export async function looked(page: Page, language: 'zh' | 'en', where: string): Promise<void> {
  const texts = await pageTexts(page);
  const stray =
    language === 'en'
      ? texts.filter((t) => chinese.test(t))
      : texts.flatMap((t) => (t.match(/[A-Za-z]{2,}/g) ?? []).filter((w) => !kept.has(w)).map((w) => `${w} in "${t}"`));
  assert.deepEqual(stray, [], `${language === 'en' ? 'Chinese in the English' : 'English in the Chinese'} page: ${where}`);
  const cut = await page.evaluate(() =>
    [...document.querySelectorAll<HTMLElement>('button, label, h2, h3, th, legend, .subhead, .head, .table-line, .timing-legend, option')]
      .filter((e) => e.checkVisibility() && !e.closest('#editor') && e.scrollWidth > e.clientWidth + 1 && getComputedStyle(e).overflowX !== 'visible')
      .map((e) => `${e.textContent?.trim()} (${e.scrollWidth} > ${e.clientWidth})`),
  );
  assert.deepEqual(cut, [], `cut off: ${where}`);
}
