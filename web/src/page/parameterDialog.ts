import type { ParameterField, ParameterTexts } from '../protocol';

export const parameterFields: ParameterField[] = ['g54x', 'g54y', 'g54z', 'bei', 'dl'];

// 参数设置: the five fields as typed. 确定 hands them to the machine, which
// checks them; a refused field keeps the dialog open with the machine's
// message beside it. Closing the dialog otherwise keeps the old values.
export class ParameterDialog {
  private readonly form: HTMLFormElement;
  private readonly refusal: HTMLElement;

  constructor(
    private readonly dialog: HTMLDialogElement,
    private readonly submit: (texts: ParameterTexts) => void,
  ) {
    this.form = dialog.querySelector('form')!;
    this.refusal = dialog.querySelector('.refusal')!;
    this.form.addEventListener('submit', (e) => {
      e.preventDefault();
      this.submit(this.texts());
    });
    dialog.querySelector('.cancel')!.addEventListener('click', () => dialog.close());
  }

  open(texts: ParameterTexts): void {
    for (const f of parameterFields) this.field(f).value = texts[f];
    this.refusal.textContent = '';
    this.dialog.showModal();
    this.field('g54x').focus();
  }

  isOpen(): boolean {
    return this.dialog.open;
  }

  accepted(): void {
    this.dialog.close();
  }

  refused(field: ParameterField, text: string): void {
    this.refusal.textContent = text;
    const input = this.field(field);
    input.focus();
    input.select();
  }

  texts(): ParameterTexts {
    const t = {} as ParameterTexts;
    for (const f of parameterFields) t[f] = this.field(f).value;
    return t;
  }

  private field(f: ParameterField): HTMLInputElement {
    return this.form.elements.namedItem(f) as HTMLInputElement;
  }
}
