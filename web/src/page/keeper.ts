import { readRecent, remembered, type RecentProgram } from './recent';
import type { Language } from './words/say';

// The program in the editor: its name ("" while it has none, shown as 新文件)
// and its text.
export interface KeptProgram {
  name: string;
  text: string;
}

// 教学 → 插补方法: the method's key ("" for the machine's own), 半加载 and
// the register width N (0 for 自动).
export interface MethodChoice {
  key: string;
  halfLoad: boolean;
  bits: number;
}

// The page's settings: the pace box's entry (-1 for none kept), the parameter
// dialog's five texts as accepted (origin X, Y, Z, magnification, pulse
// equivalent), the view chosen, the method, the teaching panels open, the
// language chosen in 视图 → 语言 ('' while none was: the browser's).
export type PanelName = 'table' | 'timing';
export interface KeptSettings {
  pace: number;
  parameters: string[];
  view: 'plan' | 'axonometric';
  method: MethodChoice;
  panels: PanelName[];
  language: '' | Language;
}

export const defaultParameters = ['0', '0', '0', '1', '1'];

// The browser's storage as the keeper uses it: localStorage, or a fake.
export interface Store {
  getItem(key: string): string | null;
  setItem(key: string, value: string): void;
}

export interface Timer {
  set(callback: () => void, milliseconds: number): unknown;
  clear(handle: unknown): void;
}

const keys = { program: 'tarvo.program', settings: 'tarvo.settings', recent: 'tarvo.recent' };

// How long typing may go on before the program is written down: every edit
// is kept, without writing the whole text at every key.
export const keepDelay = 400;

function parsed(text: string | null): unknown {
  if (text === null) return null;
  try {
    return JSON.parse(text);
  } catch {
    return null;
  }
}

// Keeps the program, the settings and the recent programs in the browser, so
// a reload or a closed tab loses nothing. A program is written a moment after
// the last edit, or at once by flush() when the page goes away. `failed` hears
// of a write the browser refused (a program too large for its storage).
export class Keeper {
  private pending: { program: () => KeptProgram; copy: boolean } | null = null;
  private handle: unknown = null;

  constructor(
    private readonly store: Store,
    private readonly timer: Timer,
    private readonly failed: (what: string) => void,
  ) {}

  program(): KeptProgram | null {
    const p = parsed(this.store.getItem(keys.program)) as KeptProgram | null;
    return p && typeof p.name === 'string' && typeof p.text === 'string' ? { name: p.name, text: p.text } : null;
  }

  settings(): KeptSettings {
    const s = (parsed(this.store.getItem(keys.settings)) ?? {}) as Partial<KeptSettings>;
    const m = (s.method ?? {}) as Partial<MethodChoice>;
    const parameters =
      Array.isArray(s.parameters) && s.parameters.length === 5 && s.parameters.every((p) => typeof p === 'string')
        ? s.parameters
        : defaultParameters;
    return {
      pace: typeof s.pace === 'number' ? s.pace : -1,
      parameters: [...parameters],
      view: s.view === 'axonometric' ? 'axonometric' : 'plan',
      method: {
        key: typeof m.key === 'string' ? m.key : '',
        halfLoad: m.halfLoad === true,
        bits: Number.isInteger(m.bits) && (m.bits as number) >= 0 && (m.bits as number) <= 32 ? (m.bits as number) : 0,
      },
      panels: Array.isArray(s.panels) ? (['table', 'timing'] as const).filter((p) => s.panels!.includes(p)) : [],
      language: s.language === 'zh' || s.language === 'en' ? s.language : '',
    };
  }

  recent(): RecentProgram[] {
    return readRecent(parsed(this.store.getItem(keys.recent)));
  }

  // Keeps the program soon, as `program` gives it then (a long text is taken
  // from the editor once, not at every key); as a copy, it is kept among the
  // recent programs under its own name instead of as the page's program.
  keepProgram(program: () => KeptProgram, copy = false): void {
    this.pending = { program, copy };
    if (this.handle !== null) this.timer.clear(this.handle);
    this.handle = this.timer.set(() => this.flush(), keepDelay);
  }

  flush(): void {
    if (this.handle !== null) this.timer.clear(this.handle);
    this.handle = null;
    const pending = this.pending;
    this.pending = null;
    if (!pending) return;
    const program = pending.program();
    if (pending.copy) this.remember(program);
    else this.write(keys.program, program, '程序');
  }

  keepSettings(settings: KeptSettings): void {
    this.write(keys.settings, settings, '设置');
  }

  remember(program: RecentProgram): void {
    this.write(keys.recent, remembered(this.recent(), program), '最近打开的程序');
  }

  private write(key: string, value: unknown, what: string): void {
    try {
      this.store.setItem(key, JSON.stringify(value));
    } catch {
      this.failed(what);
    }
  }
}
