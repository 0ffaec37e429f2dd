import type { PageMessage, Selection, TableRow, TableRows, TableState } from '../protocol';
import { CellFit } from './cellFit';
import { movedRow, scrollExtent, scrollFor, tableOffset } from './rowWindow';
import { say } from './words/say';

// The textbook's rows hold two lines at least, a straight move's X and Y
// registers one under the other; the machine's registers one.
const fewestLines = (registers: boolean) => (registers ? 1 : 2);

function element<K extends keyof HTMLElementTagNameMap>(tag: K, className = '', text = ''): HTMLElementTagNameMap[K] {
  const e = document.createElement(tag);
  if (className) e.className = className;
  if (text) e.textContent = text;
  return e;
}

// 插补过程表: the kept rows in a virtual list (only the rows on screen are
// asked of the machine and laid out), its caption, 机床寄存器, 导出CSV...
// and 先答后看, whose question is answered in the row it hides.
export class StepTable {
  private state: TableState | null = null;
  private readonly rows = new Map<number, TableRow>();
  private rowsRevision = -1;
  private asked = ''; // the request on its way, so a slice does not repeat it
  private selected: number | null = null;
  private follow = true; // the newest row stays in view until the user scrolls away
  private readonly grid: HTMLElement;
  private readonly head: HTMLElement;
  private readonly scroller: HTMLElement;
  private readonly spacer: HTMLElement;
  private readonly window: HTMLElement;
  private readonly registers: HTMLInputElement;
  private readonly answers: HTMLInputElement;
  private readonly question = element('div', 'question');
  private questionKey = '';
  private readonly fit = new CellFit(fewestLines(false));
  private measurer: CanvasRenderingContext2D | null = null;

  constructor(
    private readonly root: HTMLElement,
    private readonly post: (m: PageMessage) => void,
  ) {
    this.grid = root.querySelector('[role=grid]')!;
    this.head = this.grid.querySelector('.head')!;
    this.scroller = this.grid.querySelector('.scroller')!;
    this.spacer = this.scroller.querySelector('.spacer')!;
    this.window = this.spacer.querySelector('.window')!;
    this.registers = root.querySelector('input[name=registers]')!;
    this.answers = root.querySelector('input[name=answers]')!;
    this.registers.addEventListener('change', () => this.refetch());
    this.answers.addEventListener('change', () => this.post({ type: 'answersOn', on: this.answers.checked }));
    root.querySelector('button.csv')!.addEventListener('click', () => this.post({ type: 'tableCsv' }));
    this.scroller.addEventListener('scroll', () => {
      const bottom = this.scroller.scrollHeight - this.scroller.clientHeight;
      this.follow = this.scroller.scrollTop >= bottom - 2;
      this.layOut();
    });
    this.grid.addEventListener('keydown', (e) => this.key(e));
    this.window.addEventListener('click', (e) => {
      const row = (e.target as HTMLElement).closest<HTMLElement>('[role=row]');
      if (row && !(e.target as HTMLElement).closest('.question')) this.choose(Number(row.dataset.serial));
    });
    new ResizeObserver(() => this.layOut()).observe(this.scroller);
  }

  get open(): boolean {
    return !this.root.hidden;
  }

  // The table's state from a slice; the rows on screen are asked for again
  // when they may read otherwise.
  update(t: TableState): void {
    const before = this.state;
    this.state = t;
    if (!before || before.columns !== t.columns) this.showHead();
    this.root.querySelector('.table-line')!.textContent = t.caption;
    this.answers.checked = t.answersOn;
    const score = this.root.querySelector<HTMLElement>('.score')!;
    score.textContent = t.score ?? '';
    score.classList.toggle('notice', t.scoreIsNotice);
    this.grid.setAttribute('aria-rowcount', String(t.end - t.first + 1));
    if (t.end === t.first && this.fit.widths.length) {
      this.fit.reset(fewestLines(this.registers.checked));
      this.showHead();
    }
    if (t.revision !== this.rowsRevision) {
      this.rows.clear();
      this.rowsRevision = t.revision;
      this.asked = '';
    }
    this.makeQuestion(t);
    if (this.open) this.layOut();
  }

  received(m: TableRows): void {
    if (m.revision !== this.rowsRevision || m.registers !== this.registers.checked) return;
    this.asked = '';
    for (const r of m.rows) this.rows.set(r.serial, r);
    const visible = m.rows.filter((r) => !r.hidden).map((r) => r.cells);
    const view = this.scroller.clientHeight;
    const topRow = tableOffset(this.scroller.scrollTop, view, this.count(), this.rowHeight) / this.rowHeight;
    if (this.fit.fit(visible, this.measure())) {
      // Taller rows keep the row at the top where it was.
      this.sized();
      this.scroller.scrollTop = scrollFor(topRow * this.rowHeight, view, this.count(), this.rowHeight);
    }
    this.layOut();
  }

  // The selection made in any tool: its row is shown and marked.
  select(s: Selection | null): void {
    this.selected = s ? s.serial : null;
    if (s && this.state) this.reveal(s.serial - this.state.first);
    this.layOut();
  }

  shown(): void {
    this.showHead();
    this.layOut();
  }

  // The rows are asked for again and the question made again, said in the
  // language now spoken.
  sayAgain(): void {
    this.questionKey = '';
    if (this.state) this.makeQuestion(this.state);
    this.refetch();
  }

  private refetch(): void {
    this.rows.clear();
    this.asked = '';
    this.fit.reset(fewestLines(this.registers.checked));
    this.showHead();
    this.layOut();
  }

  // A line's width in the cells' font.
  private measure(): (line: string) => number {
    if (!this.measurer) {
      this.measurer = document.createElement('canvas').getContext('2d');
      // Size and family, as every browser gives them (not all write the shorthand).
      const style = getComputedStyle(this.grid);
      if (this.measurer) this.measurer.font = `${style.fontSize} ${style.fontFamily}`;
    }
    const m = this.measurer;
    return (line) => (m ? m.measureText(line).width : line.length * 8);
  }

  // The rows' height and the columns' widths, as the texts have grown them.
  private sized(): void {
    const n = Math.max(1, this.columns().length);
    this.grid.style.setProperty('--row-height', `${this.rowHeight}px`);
    this.grid.style.setProperty('--cell-columns', this.fit.template(n));
    this.spacer.style.height = `${scrollExtent(this.count(), this.rowHeight)}px`;
    this.alignHead();
  }

  // The header stands over the rows, beside the rows' scroll bar if any.
  private alignHead(): void {
    const bar = this.scroller.offsetWidth - this.scroller.clientWidth;
    const width = `${this.fit.width(Math.max(1, this.columns().length)) + bar}px`;
    if (this.grid.style.getPropertyValue('--cell-width') === width) return;
    this.head.style.paddingRight = `${bar}px`;
    this.grid.style.setProperty('--cell-width', width);
  }

  private get rowHeight(): number {
    return this.fit.rowHeight;
  }

  private columns() {
    const t = this.state;
    return t ? (this.registers.checked ? t.registerColumns : t.columns) : [];
  }

  private showHead(): void {
    const cells = this.columns().map((c) => {
      const cell = element('div', 'cell', c.caption);
      cell.setAttribute('role', 'columnheader');
      cell.title = c.tip;
      return cell;
    });
    this.head.replaceChildren(...cells);
    this.grid.style.setProperty('--columns', String(Math.max(1, cells.length)));
    this.fit.fit([this.columns().map((c) => c.caption)], this.measure(), false);
    this.sized();
  }

  private count(): number {
    return this.state ? this.state.end - this.state.first : 0;
  }

  private choose(serial: number): void {
    this.selected = serial;
    this.post({ type: 'select', serial });
    this.layOut();
  }

  private key(e: KeyboardEvent): void {
    if (!this.state || (e.target as HTMLElement).closest('.question')) return;
    const page = Math.floor(this.scroller.clientHeight / this.rowHeight);
    const at = this.selected === null ? -1 : this.selected - this.state.first;
    const to = movedRow(e.key, at, this.count(), page);
    if (to === null) return;
    e.preventDefault();
    this.reveal(to);
    this.choose(this.state.first + to);
  }

  // Scrolls so row `index` is in view, as little as it takes.
  private reveal(index: number): void {
    const view = this.scroller.clientHeight;
    const count = this.count();
    const offset = tableOffset(this.scroller.scrollTop, view, count, this.rowHeight);
    const top = index * this.rowHeight;
    let wanted = offset;
    if (top < offset) wanted = top;
    else if (top + this.rowHeight > offset + view) wanted = top + this.rowHeight - view;
    if (wanted === offset) return;
    this.scroller.scrollTop = scrollFor(wanted, view, count, this.rowHeight);
    const bottom = this.scroller.scrollHeight - this.scroller.clientHeight;
    this.follow = this.scroller.scrollTop >= bottom - 2;
  }

  // Lays the rows on screen into the window and asks for those not yet here.
  private layOut(): void {
    const t = this.state;
    if (!t || !this.open) return;
    const count = this.count();
    this.spacer.style.height = `${scrollExtent(count, this.rowHeight)}px`;
    const view = this.scroller.clientHeight;
    if (this.follow) this.scroller.scrollTop = this.scroller.scrollHeight;
    const offset = tableOffset(this.scroller.scrollTop, view, count, this.rowHeight);
    const top = Math.floor(offset / this.rowHeight);
    const shown = Math.ceil(view / this.rowHeight) + 1;
    const last = Math.min(count, top + shown);
    this.window.style.transform = `translateY(${this.scroller.scrollTop - (offset - top * this.rowHeight)}px)`;
    const lines: HTMLElement[] = [];
    let missing = false;
    for (let i = top; i < last; ++i) {
      const row = this.rows.get(t.first + i);
      if (!row) missing = true;
      lines.push(this.rowElement(t, t.first + i, i, row));
    }
    this.window.replaceChildren(...lines);
    this.alignHead();
    if (missing) this.ask(t.first + top, last - top);
  }

  private ask(first: number, count: number): void {
    // A margin above and below, so a short scroll needs no new request.
    const from = Math.max(this.state!.first, first - count);
    const n = Math.min(this.state!.end - from, 3 * count);
    const key = `${this.rowsRevision}/${this.registers.checked}/${from}/${n}`;
    if (key === this.asked || n <= 0) return;
    this.asked = key;
    this.post({ type: 'tableRows', first: from, count: n, registers: this.registers.checked });
  }

  private rowElement(t: TableState, serial: number, index: number, row: TableRow | undefined): HTMLElement {
    const line = element('div', 'row');
    line.setAttribute('role', 'row');
    line.setAttribute('aria-rowindex', String(index + 2));
    line.dataset.serial = String(serial);
    line.setAttribute('aria-selected', String(serial === this.selected));
    if (serial >= t.segment) line.classList.add('segment');
    const cells = row ? row.cells : this.columns().map(() => '');
    const marks = new Map((row?.marks ?? []).map((m) => [m.column, m.right]));
    const asking = t.question && t.question.serial === serial;
    cells.forEach((text, c) => {
      if (asking && c >= 2) return;
      const cell = element('div', 'cell', text);
      cell.setAttribute('role', 'gridcell');
      const mark = marks.get(c);
      if (mark !== undefined) {
        cell.classList.add(mark ? 'right' : 'wrong');
        cell.title = row!.marksText;
      }
      line.append(cell);
    });
    if (asking) {
      const cell = element('div', 'cell asking');
      cell.setAttribute('role', 'gridcell');
      cell.append(this.question);
      line.append(cell);
    }
    return line;
  }

  // 先答后看's question, made once per question so what is typed stays.
  private makeQuestion(t: TableState): void {
    const q = t.question;
    const key = q ? `${q.serial}/${q.form}/${q.feedAsked}/${q.deviationAsked}` : '';
    if (key === this.questionKey) return;
    this.questionKey = key;
    this.question.replaceChildren();
    if (!q) return;
    if (q.form === 'overflow') {
      const x = checkbox(say('JRx 溢出'));
      const y = checkbox(say('JRy 溢出'));
      const submit = element('button', '', say('提交'));
      submit.type = 'button';
      submit.title = say('X、Y 勾选溢出的寄存器，回车提交');
      const send = () => this.post({ type: 'answerOverflow', x: x.input.checked, y: y.input.checked });
      submit.addEventListener('click', send);
      for (const box of [x.input, y.input]) box.addEventListener('keydown', (e) => e.key === 'Enter' && send());
      this.question.append(x.label, y.label, submit);
      return;
    }
    const deviation = element('input');
    deviation.setAttribute('aria-label', say('新 F'));
    deviation.inputMode = 'numeric';
    deviation.size = 7;
    if (q.form === 'feedAndDeviation' && q.deviationAsked) {
      deviation.addEventListener('keydown', (e) => {
        if (e.key === 'Enter') this.post({ type: 'answerDeviation', deviation: deviation.value });
      });
      this.question.append(element('span', '', say('新 F =')), deviation);
    }
    if (q.feedAsked) {
      this.question.append(element('span', '', say('进给：')));
      for (const f of t.feeds) {
        const b = element('button', '', f.caption);
        b.type = 'button';
        b.addEventListener('click', () => this.post({ type: 'answerFeed', feed: { x: f.x, y: f.y }, deviation: q.form === 'feedAndDeviation' ? deviation.value : '' }));
        this.question.append(b);
      }
    }
  }
}

function checkbox(caption: string): { label: HTMLLabelElement; input: HTMLInputElement } {
  const label = element('label');
  const input = element('input');
  input.type = 'checkbox';
  label.append(input, caption);
  return { label, input };
}
