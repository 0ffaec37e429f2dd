import { fill, say } from './words/say';
// Message boxes with an OK button only, one after the other as the machine
// posted them, and the register width asked for by 寄存器位数 N....
export class Messages {
  private readonly queue: { title: string; text: string }[] = [];

  constructor(private readonly dialog: HTMLDialogElement) {
    dialog.addEventListener('close', () => this.next());
  }

  // A box that holds the page (a message, the parameters, 寄存器位数 N) is
  // open; the boxes beside the page leave the run keys to it.
  isOpen(): boolean {
    return this.dialog.open || document.querySelector('dialog:modal') !== null;
  }

  show(title: string, text: string): void {
    this.queue.push({ title, text });
    if (!this.dialog.open) this.next();
  }

  private next(): void {
    const m = this.queue.shift();
    if (!m) return;
    this.dialog.querySelector('h2')!.textContent = m.title;
    this.dialog.querySelector('.text')!.textContent = m.text;
    this.dialog.showModal();
    this.dialog.querySelector<HTMLButtonElement>('button')!.focus();
  }

  // 0 is 自动; null when cancelled.
  askBits(dialog: HTMLDialogElement, bits: number, widest: number): Promise<number | null> {
    const box = dialog.querySelector('select')!;
    box.replaceChildren(new Option(say('自动'), '0'), ...Array.from({ length: widest }, (_, i) => new Option(fill('{1} 位', i + 1), String(i + 1))));
    box.value = String(bits);
    dialog.showModal();
    return new Promise((resolve) => {
      const cancel = dialog.querySelector<HTMLButtonElement>('.cancel')!;
      const form = dialog.querySelector('form')!;
      const done = (value: number | null) => {
        cancel.onclick = null;
        form.onsubmit = null;
        dialog.close();
        resolve(value);
      };
      cancel.onclick = () => done(null);
      form.onsubmit = (e) => {
        e.preventDefault();
        done(Number(box.value));
      };
      dialog.oncancel = () => resolve(null);
    });
  }
}
