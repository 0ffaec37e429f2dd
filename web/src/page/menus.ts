// The menu bar and the toolbar, built from one list of commands as the
// desktop's menus and toolbar share their actions: a command greyed out is
// greyed out in both. Captions are given in Chinese and shown in the
// language chosen.
import { fill, say } from './words/say';

export interface Action {
  caption: string; // as shown, and the accessible name
  shortcut?: string; // shown beside the caption, e.g. "F5", "Shift+F7"
  run: () => void;
  enabled?: () => boolean;
  checked?: () => boolean; // a check mark or a choice among several
  radio?: boolean;
}

export type Entry = Action | 'separator' | { caption: string; items: () => Action[] };

export interface Menu {
  caption: string;
  entries: Entry[];
}

function element<K extends keyof HTMLElementTagNameMap>(tag: K, attributes: Record<string, string> = {}) {
  const e = document.createElement(tag);
  for (const [k, v] of Object.entries(attributes)) e.setAttribute(k, v);
  return e;
}

function itemButton(action: Action, close: () => void): HTMLButtonElement {
  const role = action.checked ? (action.radio ? 'menuitemradio' : 'menuitemcheckbox') : 'menuitem';
  const b = element('button', { type: 'button', role });
  b.append(say(action.caption));
  if (action.shortcut) {
    b.setAttribute('aria-keyshortcuts', action.shortcut);
    const s = element('span', { class: 'shortcut', 'aria-hidden': 'true' });
    s.textContent = action.shortcut;
    b.append(s);
  }
  b.disabled = action.enabled ? !action.enabled() : false;
  if (action.checked) b.setAttribute('aria-checked', String(action.checked()));
  b.addEventListener('click', () => {
    close();
    action.run();
  });
  return b;
}

export class MenuBar {
  private open: { button: HTMLButtonElement; list: HTMLElement } | null = null;
  private readonly tops: { button: HTMLButtonElement; list: HTMLElement; menu: Menu }[] = [];

  constructor(
    private readonly root: HTMLElement,
    menus: Menu[],
  ) {
    for (const menu of menus) this.addMenu(menu);
    document.addEventListener('pointerdown', (e) => {
      if (this.open && !this.root.contains(e.target as Node)) this.close();
    });
    root.addEventListener('keydown', (e) => this.key(e));
  }

  close(): void {
    if (!this.open) return;
    this.open.button.setAttribute('aria-expanded', 'false');
    this.open.list.hidden = true;
    this.open.list.replaceChildren();
    this.open = null;
  }

  // The menus' captions in the language now spoken; a menu open closes, as
  // its items were made in the language before.
  sayAgain(): void {
    this.close();
    for (const { button, list, menu } of this.tops) {
      button.textContent = say(menu.caption);
      list.setAttribute('aria-label', say(menu.caption));
    }
  }

  private addMenu(menu: Menu): void {
    const holder = element('div', { class: 'menu' });
    const button = element('button', { type: 'button', class: 'top', role: 'menuitem', 'aria-haspopup': 'menu', 'aria-expanded': 'false' });
    const list = element('div', { role: 'menu' });
    list.hidden = true;
    this.tops.push({ button, list, menu });
    button.addEventListener('click', () => {
      const wasOpen = this.open?.button === button;
      this.close();
      if (!wasOpen) this.show(button, list, menu);
    });
    holder.append(button, list);
    this.root.append(holder);
    this.sayAgain();
  }

  // The items are made as the menu opens, so each shows whether it can act now.
  private show(button: HTMLButtonElement, list: HTMLElement, menu: Menu): void {
    // A command chosen leaves the focus on its menu, not lost with the
    // closed list, so the keyboard goes on from there.
    const close = () => {
      this.close();
      button.focus();
    };
    for (const entry of menu.entries) {
      if (entry === 'separator') list.append(element('div', { role: 'separator' }));
      else if ('items' in entry) {
        // A submenu lies open under its caption: a phone has no room to the side.
        const items = entry.items();
        const head = element('div', { class: 'subhead', 'aria-hidden': 'true' });
        head.textContent = items.length ? say(entry.caption) : fill('{1}（无）', say(entry.caption));
        const sub = element('div', { role: 'group', class: 'submenu', 'aria-label': say(entry.caption) });
        for (const a of items) sub.append(itemButton(a, close));
        list.append(head, sub);
      } else list.append(itemButton(entry, close));
    }
    list.hidden = false;
    button.setAttribute('aria-expanded', 'true');
    this.open = { button, list };
    (list.querySelector('button:not(:disabled)') as HTMLElement | null)?.focus();
  }

  private key(e: KeyboardEvent): void {
    if (!this.open) return;
    if (e.key === 'Escape') {
      const button = this.open.button;
      this.close();
      button.focus();
      e.preventDefault();
    } else if (e.key === 'ArrowDown' || e.key === 'ArrowUp') {
      const items = [...this.open.list.querySelectorAll<HTMLButtonElement>('button:not(:disabled)')];
      const at = items.indexOf(document.activeElement as HTMLButtonElement);
      const next = (at + (e.key === 'ArrowDown' ? 1 : items.length - 1)) % items.length;
      items[next]?.focus();
      e.preventDefault();
    }
  }
}

// Toolbar buttons for the actions given, "|" a gap between groups. The
// function returned greys out what cannot act now and says the captions in
// the language now spoken.
export function fillToolbar(root: HTMLElement, actions: (Action | '|')[]): () => void {
  const buttons: [HTMLButtonElement, Action][] = [];
  for (const a of actions) {
    if (a === '|') {
      root.append(element('span', { class: 'gap', role: 'separator' }));
      continue;
    }
    const b = element('button', { type: 'button' });
    b.addEventListener('click', () => a.run());
    root.append(b);
    buttons.push([b, a]);
  }
  const refresh = () => {
    for (const [b, a] of buttons) {
      b.disabled = a.enabled ? !a.enabled() : false;
      const caption = say(a.caption);
      if (b.textContent !== caption) {
        b.textContent = caption;
        b.title = caption;
      }
    }
  };
  refresh();
  return refresh;
}
