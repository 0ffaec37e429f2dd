import type { Ready } from '../protocol';
import { fill, say } from './words/say';

// The page's captions of the 关于 menu's windows; the texts inside them are
// the machine's, as the desktop shows them. The captions are the Chinese
// keys; they are said as the boxes open.
export const aboutCaptions = {
  menu: '关于',
  designer: '设计者',
  help: '功能简介',
  close: '点击返回',
  closeMark: '关闭',
  keys: '快捷键',
};

export interface KeyEntry {
  caption: string;
  shortcut: string;
}

function element<K extends keyof HTMLElementTagNameMap>(tag: K, className = '', text = ''): HTMLElementTagNameMap[K] {
  const e = document.createElement(tag);
  if (className) e.className = className;
  if (text) e.textContent = text;
  return e;
}

// 关于 → 设计者 and 功能简介, each a box of its own beside the page, as the
// desktop's are windows of their own; 点击返回, ✕ or Escape closes it
// (see boxKeys). The help lists the page's shortcuts
// from the commands themselves, so it names only keys that act.
export class AboutDialogs {
  private ready: Ready | null = null;
  private shown: (() => void) | null = null;

  constructor(
    private readonly dialog: HTMLDialogElement,
    private readonly keys: () => KeyEntry[],
  ) {
    dialog.addEventListener('close', () => (this.shown = null));
  }

  // The machine's texts, again after a switch of language: a box open is
  // made again in place, in the new words.
  started(r: Ready): void {
    this.ready = r;
    if (this.dialog.open) this.shown?.();
  }

  showHelp(): void {
    const r = this.ready;
    if (!r) return;
    this.shown = () => this.showHelp();
    const table = element('table', 'keys');
    table.setAttribute('aria-label', say(aboutCaptions.keys));
    for (const k of this.keys()) {
      const row = element('tr');
      row.append(element('th', '', k.shortcut), element('td', '', k.caption));
      table.append(row);
    }
    this.open(r.help.title, [element('p', 'help-heading', r.help.heading), element('p', 'help-text', r.help.text.trimEnd()), element('h3', '', say(aboutCaptions.keys)), table]);
  }

  showDesigner(): void {
    const r = this.ready;
    if (!r) return;
    this.shown = () => this.showDesigner();
    const lines = [...r.designer, fill('版本 {1}', r.version)].map((l) => element('p', '', l));
    this.open(say(aboutCaptions.designer), lines);
  }

  private open(title: string, body: HTMLElement[]): void {
    const top = element('div', 'compare-top');
    const caption = element('h2', '', title);
    caption.id = 'about-caption';
    const mark = element('button', 'close', '✕');
    mark.type = 'button';
    mark.setAttribute('aria-label', say(aboutCaptions.closeMark));
    mark.addEventListener('click', () => this.dialog.close());
    top.append(caption, mark);
    const content = element('div', 'about-body');
    content.append(...body);
    const back = element('button', 'return', say(aboutCaptions.close));
    back.type = 'button';
    back.addEventListener('click', () => this.dialog.close());
    const buttons = element('div', 'buttons');
    buttons.append(back);
    this.dialog.replaceChildren(top, content, buttons);
    this.dialog.setAttribute('aria-labelledby', caption.id);
    if (!this.dialog.open) this.dialog.show();
    back.focus();
  }
}
