import type { ExerciseState, PageMessage } from '../protocol';
import type { Store } from './keeper';
import { say } from './words/say';

const attemptsKey = 'tarvo.attempts';

// The four feeds a comparison step may take, in the window's order.
const feeds = [
  { caption: '+X', x: 1, y: 0 },
  { caption: '−X', x: -1, y: 0 },
  { caption: '+Y', x: 0, y: 1 },
  { caption: '−Y', x: 0, y: -1 },
];

// The local date and time as the attempt's record has them.
export function clockTexts(now: Date): { date: string; time: string } {
  const two = (n: number) => String(n).padStart(2, '0');
  return {
    date: `${now.getFullYear()}-${two(now.getMonth() + 1)}-${two(now.getDate())}`,
    time: `${two(now.getHours())}:${two(now.getMinutes())}:${two(now.getSeconds())}`,
  };
}

// 练习: a code's exercises answered step by step with 姓名 and 学号, marked
// by the machine; the score page prints from the browser. The attempts
// counted are kept in the browser, so a second attempt is counted as such.
export class ExercisePanel {
  private readonly $ = <T extends HTMLElement>(selector: string) => this.dialog.querySelector<T>(selector)!;
  private sentAttempts = false;
  private lastAnswers = 0;

  constructor(
    private readonly dialog: HTMLDialogElement,
    private readonly store: Store,
    private readonly post: (m: PageMessage) => void,
  ) {
    this.$('button.fresh-code').addEventListener('click', () => this.post({ type: 'exerciseCode' }));
    this.$('form.exercise-start').addEventListener('submit', (e) => {
      e.preventDefault();
      this.start();
    });
    const deviation = this.$<HTMLInputElement>('input[name=deviation]');
    deviation.addEventListener('keydown', (e) => {
      if (e.key === 'Enter') this.post({ type: 'exerciseDeviation', deviation: deviation.value });
    });
    const feedRow = this.$('.exercise-feeds');
    for (const f of feeds) {
      const b = document.createElement('button');
      b.type = 'button';
      b.textContent = f.caption;
      b.addEventListener('click', () => this.post({ type: 'exerciseFeed', feed: { x: f.x, y: f.y }, deviation: deviation.value }));
      feedRow.append(b);
    }
    this.$('button.submit-overflow').addEventListener('click', () =>
      this.post({
        type: 'exerciseOverflow',
        x: this.$<HTMLInputElement>('input[name=jrx]').checked,
        y: this.$<HTMLInputElement>('input[name=jry]').checked,
      }),
    );
    this.$('button.next').addEventListener('click', () => this.post({ type: 'exerciseNext' }));
    for (const b of dialog.querySelectorAll('button.export-csv')) b.addEventListener('click', () => this.post({ type: 'exerciseCsv' }));
    this.$('button.export-page').addEventListener('click', () => this.post({ type: 'exerciseReport' }));
    this.$('button.print').addEventListener('click', () => print());
    this.$('button.close').addEventListener('click', () => dialog.close());
  }

  open(): void {
    if (!this.sentAttempts) {
      this.sentAttempts = true;
      this.post({ type: 'exerciseAttempts', saved: this.store.getItem(attemptsKey) ?? '' });
    }
    if (!this.dialog.open) this.dialog.show();
  }

  code(code: string): void {
    this.$<HTMLInputElement>('input[name=code]').value = code;
  }

  private start(): void {
    const field = (name: string) => this.$<HTMLInputElement>(`input[name=${name}]`).value;
    this.post({ type: 'exerciseStart', code: field('code'), name: field('student'), number: field('number'), ...clockTexts(new Date()) });
  }

  show(s: ExerciseState): void {
    try {
      if (s.savedAttempts) this.store.setItem(attemptsKey, s.savedAttempts);
    } catch {
      // The storage full: the attempts are counted from this page's own record.
    }
    this.$('.exercise-prompt').textContent = s.prompt;
    this.$('.exercise-notice').textContent = s.notice;
    if (s.code) this.code(s.code);
    const started = s.task !== undefined;
    const scored = !!s.scoreShown;
    this.$('.exercise-page').hidden = !started || scored;
    this.$('.score-page').hidden = !scored;
    this.dialog.classList.toggle('scored', scored);
    if (!started) return;
    this.$('.attempt').textContent = s.attempt ?? '';
    this.$('.task').textContent = s.task ?? '';
    this.$('.figure').innerHTML = s.figure ?? ''; // the machine's own drawing
    this.$('.known').textContent = s.known ?? '';
    // Counted, not read off the verdict, which a switch of language says again.
    if ((s.answers ?? 0) !== this.lastAnswers) this.answered();
    this.lastAnswers = s.answers ?? 0;
    const verdict = this.$('.verdict');
    verdict.textContent = s.verdict ?? '';
    verdict.classList.toggle('right', !!s.verdictRight);
    this.$('.comparison-answers').hidden = s.form !== 'feedAndDeviation';
    this.$('.integration-answers').hidden = s.form !== 'overflow';
    for (const b of this.dialog.querySelectorAll<HTMLButtonElement>('.comparison-answers button, .integration-answers button')) b.disabled = !!s.done;
    const next = this.$<HTMLButtonElement>('button.next');
    next.textContent = s.nextCaption ?? say('下一题');
    next.disabled = !s.done;
    if (scored) this.showScore(s);
  }

  // After an answer the fields start empty for the next step.
  private answered(): void {
    this.$<HTMLInputElement>('input[name=deviation]').value = '';
    this.$<HTMLInputElement>('input[name=jrx]').checked = false;
    this.$<HTMLInputElement>('input[name=jry]').checked = false;
  }

  private showScore(s: ExerciseState): void {
    this.$('.score').textContent = s.score ?? '';
    this.$('.score-student').textContent = s.scoreStudent ?? '';
    const body = this.$('table.wrong tbody');
    body.replaceChildren(
      ...(s.wrong ?? []).map((cells) => {
        const row = document.createElement('tr');
        for (const c of cells) row.append(Object.assign(document.createElement('td'), { textContent: c }));
        return row;
      }),
    );
  }
}
