import type { ClassSummaryAnswer, PageMessage } from '../protocol';
import { clockTexts } from './exercisePanel';
import { download } from './programFiles';
import { fill, say } from './words/say';

// 班级汇总...: the students' exercise files, opened or dropped, go to the
// machine as they are; the page shows whom it counted and offers the
// summary's two CSV files and its A4 page.
export class ClassSummary {
  private answer: ClassSummaryAnswer | null = null;
  private asked: Extract<PageMessage, { type: 'classSummary' }> | null = null;

  constructor(
    private readonly dialog: HTMLDialogElement,
    private readonly input: HTMLInputElement,
    private readonly post: (m: PageMessage) => void,
    private readonly openPage: (html: string) => void,
  ) {
    input.addEventListener('change', () => {
      void this.summarise([...(input.files ?? [])]);
      input.value = '';
    });
    const q = (s: string) => dialog.querySelector<HTMLButtonElement>(s)!;
    q('button.close').addEventListener('click', () => dialog.close());
    q('button.students-csv').addEventListener('click', () => this.save(this.answer?.studentsCsv, say('班级汇总-学生.csv')));
    q('button.steps-csv').addEventListener('click', () => this.save(this.answer?.stepsCsv, say('班级汇总-逐步.csv')));
    q('button.summary-page').addEventListener('click', () => this.answer?.page && this.openPage(this.answer.page));
  }

  choose(): void {
    this.input.click();
  }

  async summarise(files: File[]): Promise<void> {
    if (!files.length) return;
    const read = await Promise.all(files.map(async (f) => ({ name: f.name, bytes: await f.arrayBuffer().catch(() => null) })));
    this.asked = { type: 'classSummary', files: read, date: clockTexts(new Date()).date };
    this.post(this.asked);
  }

  // The summary shown is made again from the files it read, in the words
  // of the language now spoken.
  sayAgain(): void {
    if (this.dialog.open && this.asked) this.post(this.asked);
  }

  show(a: ClassSummaryAnswer): void {
    this.answer = a;
    const q = (s: string) => this.dialog.querySelector<HTMLElement>(s)!;
    q('.summary-score').textContent = a.score ?? fill('练习码 {1}', a.code);
    q('table.students tbody').replaceChildren(
      ...a.students.map((s) => {
        const row = document.createElement('tr');
        for (const c of [s.file, s.name, s.number, String(s.rights), String(s.total), s.percent, s.remark]) {
          row.append(Object.assign(document.createElement('td'), { textContent: c }));
        }
        return row;
      }),
    );
    q('ul.left-out').replaceChildren(...a.leftOut.map((l) => Object.assign(document.createElement('li'), { textContent: fill('{1}：{2}', l.file, l.reason) })));
    for (const b of this.dialog.querySelectorAll<HTMLButtonElement>('.buttons button')) b.disabled = !a.page;
    if (!this.dialog.open) this.dialog.show();
  }

  private save(bytes: Uint8Array | undefined, name: string): void {
    if (bytes) download(new Blob([bytes as BlobPart], { type: 'text/csv' }), name);
  }
}
