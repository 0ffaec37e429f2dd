import { fill, say } from './words/say';
import type { ProgramEditor } from './editor';
import type { Keeper } from './keeper';
import type { RecentProgram } from './recent';
import { lineEnding } from './sampleProgram';

// 文件: the program's name (the editor frame's caption, 新文件 while it has
// none), opening a file (its bytes go to the machine, which decodes them as
// the desktop reads a program file), saving as a download, and the recent
// programs with their texts. A program replaced by 新建, 清屏 or another file
// is first kept among the recent programs, so nothing typed is lost.
export class ProgramFiles {
  name = '';
  private ending: '\r\n' | '\n' = '\r\n';

  constructor(
    private readonly editor: ProgramEditor,
    private readonly keeper: Keeper,
    private readonly caption: HTMLElement,
    private readonly openBytes: (name: string, bytes: ArrayBuffer) => void,
    private readonly changed: () => void,
  ) {}

  // The program as kept or as opened: its text replaces the editor's. A
  // program with lines too long to lay out shows them cut short (`shown`).
  show(name: string, text: string, shown?: string): void {
    this.rename(name);
    this.ending = lineEnding(text);
    this.editor.setText(text, shown);
    this.changed();
  }

  rename(name: string): void {
    this.name = name;
    this.caption.textContent = name || say('新文件');
  }

  newProgram(): void {
    this.keepAside();
    this.show('', '');
  }

  async open(file: File): Promise<void> {
    this.editor.setReadOnly(true);
    this.openBytes(file.name, await file.arrayBuffer());
  }

  // Read-only where lines are cut short: the editor could not give back
  // what it does not show.
  opened(name: string, text: string, shown?: string): void {
    this.keepAside();
    this.show(name, text, shown);
    this.editor.setReadOnly(false);
    this.keeper.remember({ name, text });
  }

  openFailed(): void {
    this.editor.setReadOnly(false);
  }

  openRecent(p: RecentProgram): void {
    this.keepAside();
    this.show(p.name, p.text);
  }

  // 保存 downloads the program under its name; untitled, and by 另存为..., under
  // a name asked for. A name without an extension gets ".nc".
  save(askName: boolean): void {
    const text = this.editor.text();
    if (text === '') return;
    let name = this.name;
    if (askName || name === '') {
      const typed = prompt(say('文件名'), name || say('程序.nc'));
      if (!typed || !typed.trim()) return;
      name = typed.trim();
    }
    if (!/\.[^.]+$/.test(name)) name += '.nc';
    const saved = this.ending === '\r\n' ? text.replace(/\n/g, '\r\n') : text;
    download(new Blob([saved], { type: 'text/plain;charset=utf-8' }), name);
    this.keeper.remember({ name, text });
  }

  // The program about to be replaced, if it holds anything, among the recent
  // programs; one without a name is named by the time it was put aside.
  private keepAside(): void {
    const text = this.editor.text();
    if (text.trim() === '') return;
    const name = this.name || fill('新文件 {1}', new Date().toLocaleTimeString('zh-CN', { hour12: false }));
    this.keeper.remember({ name, text });
  }
}

// Hands a file to the browser's downloads under a name.
export function download(blob: Blob, name: string): void {
  const link = document.createElement('a');
  link.href = URL.createObjectURL(blob);
  link.download = name;
  link.click();
  setTimeout(() => URL.revokeObjectURL(link.href), 1000);
}
