import type { Compared, ComparisonPlot, ComparisonTable, PageMessage, Ready } from '../protocol';
import { fill, say } from './words/say';

type Rgb = [number, number, number];
const css = ([r, g, b]: Rgb) => `rgb(${r},${g},${b})`;

function element<K extends keyof HTMLElementTagNameMap>(tag: K, text = ''): HTMLElementTagNameMap[K] {
  const e = document.createElement(tag);
  if (text) e.textContent = text;
  return e;
}

// 教学 → 方法对比...: the program run under two methods in the worker, in
// slices, while the page and the machine go on answering; then the figures
// side by side, the two staircases over the ideal path and the resultant
// feed of each iteration. The box is no modal one: 暂停 and 停止 stay in reach.
export class CompareDialog {
  private readonly pickers: { method: HTMLSelectElement; halfLoad: HTMLInputElement }[];
  private readonly compareButton: HTMLButtonElement;
  private readonly cancelButton: HTMLButtonElement;
  private readonly notice: HTMLElement;
  private last: Compared | null = null;

  constructor(
    private readonly dialog: HTMLDialogElement,
    private readonly post: (m: PageMessage) => void,
    private readonly loadProgram: () => void,
  ) {
    this.pickers = ['a', 'b'].map((w) => ({
      method: dialog.querySelector<HTMLSelectElement>(`select[name=method-${w}]`)!,
      halfLoad: dialog.querySelector<HTMLInputElement>(`input[name=half-${w}]`)!,
    }));
    this.compareButton = dialog.querySelector('button.compare')!;
    this.cancelButton = dialog.querySelector('button.cancel-compare')!;
    this.notice = dialog.querySelector('.compare-notice')!;
    this.compareButton.addEventListener('click', () => this.compare());
    this.cancelButton.addEventListener('click', () => this.post({ type: 'cancelCompare' }));
    dialog.querySelector('button.close')!.addEventListener('click', () => dialog.close());
    for (const p of this.pickers) p.method.addEventListener('change', () => this.enableHalfLoad());
    new ResizeObserver(() => this.last && this.drawPlots(this.last)).observe(dialog.querySelector('.staircase')!);
  }

  ready(r: Ready): void {
    // A: the textbook's comparison, B: its digital integration, as the window starts.
    const start = ['comparison', 'dda'];
    this.pickers.forEach((p, i) => {
      p.method.replaceChildren(...r.methods.map((m) => new Option(m.caption, m.key)));
      p.method.value = r.methods.some((m) => m.key === start[i]) ? start[i] : r.methods[0].key;
    });
    this.enableHalfLoad();
  }

  // The methods' names in the language now spoken, each box keeping its choice.
  sayAgain(r: Ready): void {
    for (const p of this.pickers) {
      const chosen = p.method.value;
      p.method.replaceChildren(...r.methods.map((m) => new Option(m.caption, m.key)));
      p.method.value = chosen;
    }
  }

  open(): void {
    if (!this.dialog.open) this.dialog.show();
  }

  private enableHalfLoad(): void {
    for (const p of this.pickers) {
      p.halfLoad.disabled = p.method.value !== 'dda';
      if (p.halfLoad.disabled) p.halfLoad.checked = false;
    }
  }

  private compare(): void {
    this.loadProgram();
    const [a, b] = this.pickers.map((p) => ({ key: p.method.value, halfLoad: p.halfLoad.checked }));
    this.post({ type: 'compare', a, b });
  }

  answered(c: Compared): void {
    // The keyboard keeps its place: the button it pressed goes grey, and the
    // focus goes to the other one (取消 while running, 对比 after).
    const focused = document.activeElement === this.compareButton || document.activeElement === this.cancelButton;
    this.compareButton.disabled = c.running;
    this.cancelButton.disabled = !c.running;
    if (focused) (c.running ? this.cancelButton : this.compareButton).focus();
    this.notice.textContent = c.refused ?? c.notice;
    this.notice.classList.toggle('problem-text', c.noticeIsProblem || !!c.refused);
    this.dialog.querySelectorAll<HTMLElement>('.swatch').forEach((s, i) => (s.style.color = css(c.colours[i])));
    this.last = c.plots ? c : null;
    this.fillTable(c.running ? undefined : c.table);
    this.drawPlots(c);
  }

  private fillTable(t: ComparisonTable | undefined): void {
    const table = this.dialog.querySelector('table.figures')!;
    table.replaceChildren();
    if (!t) return;
    const head = element('tr');
    for (const c of t.columns) head.append(element('th', c));
    table.append(element('thead'));
    table.firstElementChild!.append(head);
    const body = element('tbody');
    const names = this.last?.names ?? ['A', 'B'];
    for (const g of t.groups) {
      g.figures.forEach((f, i) => {
        const row = element('tr');
        if (g.apart) row.className = 'apart';
        if (i === 0) {
          const caption = element('th', g.caption);
          caption.rowSpan = 2;
          row.append(caption);
        }
        const method = element('td', `${'AB'[i]} ${names[i]}`);
        row.append(method);
        for (let k = 0; k < t.columns.length - 2; ++k) row.append(element('td', f ? f[k] ?? '' : '—'));
        body.append(row);
      });
    }
    if (t.omitted) {
      const row = element('tr');
      const cell = element('td', t.omitted);
      cell.colSpan = t.columns.length;
      row.append(cell);
      body.append(row);
    }
    const ticks = element('tr');
    const caption = element('th', t.ticksCaption);
    caption.colSpan = 2;
    const cell = element('td', fill('A {1}　B {2}', t.ticks[0], t.ticks[1]));
    cell.className = 'ticks';
    cell.colSpan = t.columns.length - 2;
    ticks.append(caption, cell);
    body.append(ticks);
    table.append(body);
  }

  private drawPlots(c: Compared): void {
    const stairs = this.dialog.querySelector<HTMLCanvasElement>('canvas.staircase')!;
    const feeds = this.dialog.querySelector<HTMLCanvasElement>('canvas.feeds')!;
    for (const canvas of [stairs, feeds]) {
      canvas.width = Math.round(canvas.clientWidth * devicePixelRatio);
      canvas.height = Math.round(canvas.clientHeight * devicePixelRatio);
      const g = canvas.getContext('2d')!;
      g.setTransform(devicePixelRatio, 0, 0, devicePixelRatio, 0, 0);
      g.fillStyle = '#fff';
      g.fillRect(0, 0, canvas.clientWidth, canvas.clientHeight);
    }
    if (!c.plots || c.running) return;
    drawStaircases(stairs, c.plots, c.colours, c.names!, c.dlstep ?? 1);
    drawFeeds(feeds, c.plots, c.colours, c.names!);
  }
}

// Both runs' stepped paths over the moves' exact paths, on the pulse grid.
function drawStaircases(canvas: HTMLCanvasElement, plots: ComparisonPlot[], colours: Rgb[], names: string[], step: number): void {
  const g = canvas.getContext('2d')!;
  const w = canvas.clientWidth;
  const h = canvas.clientHeight;
  let [x0, y0, x1, y1] = [Infinity, Infinity, -Infinity, -Infinity];
  for (const p of plots) {
    for (const part of [...p.staircase, ...p.ideal]) {
      for (let i = 0; i + 1 < part.length; i += 2) {
        x0 = Math.min(x0, part[i]);
        x1 = Math.max(x1, part[i]);
        y0 = Math.min(y0, part[i + 1]);
        y1 = Math.max(y1, part[i + 1]);
      }
    }
  }
  if (!isFinite(x0)) return;
  const margin = 16;
  const legend = 48;
  const scale = Math.min((w - 2 * margin) / Math.max(x1 - x0, step), (h - 2 * margin - legend) / Math.max(y1 - y0, step));
  const px = (x: number) => margin + (x - x0) * scale;
  const py = (y: number) => h - margin - (y - y0) * scale;
  // The pulse grid, where it is wide enough to see.
  if (step * scale >= 4) {
    g.strokeStyle = '#ececec';
    g.lineWidth = 1;
    g.beginPath();
    for (let x = Math.ceil(x0 / step) * step; x <= x1; x += step) (g.moveTo(px(x), py(y0)), g.lineTo(px(x), py(y1)));
    for (let y = Math.ceil(y0 / step) * step; y <= y1; y += step) (g.moveTo(px(x0), py(y)), g.lineTo(px(x1), py(y)));
    g.stroke();
  }
  const path = (parts: Float64Array[], colour: string, width: number, dash: number[]) => {
    g.strokeStyle = colour;
    g.lineWidth = width;
    g.setLineDash(dash);
    g.beginPath();
    for (const part of parts) {
      for (let i = 0; i + 1 < part.length; i += 2) {
        if (i === 0) g.moveTo(px(part[i]), py(part[i + 1]));
        else g.lineTo(px(part[i]), py(part[i + 1]));
      }
    }
    g.stroke();
    g.setLineDash([]);
  };
  path(plots[0].ideal, '#888', 1, [4, 3]);
  plots.forEach((p, i) => path(p.staircase, css(colours[i]), 1.5, []));
  g.font = '12px system-ui, sans-serif';
  g.textBaseline = 'middle';
  const entries: [string, string, number[]][] = [
    [`A ${names[0]}`, css(colours[0]), []],
    [`B ${names[1]}`, css(colours[1]), []],
    [say('理想轨迹'), '#888', [4, 3]],
  ];
  entries.forEach(([text, colour, dash], k) => {
    const y = 10 + 14 * k;
    g.strokeStyle = colour;
    g.setLineDash(dash);
    g.beginPath();
    g.moveTo(6, y);
    g.lineTo(30, y);
    g.stroke();
    g.setLineDash([]);
    g.fillStyle = '#000';
    g.fillText(text, 36, y);
  });
}

// The resultant feed of each iteration, averaged per entry, for both runs.
function drawFeeds(canvas: HTMLCanvasElement, plots: ComparisonPlot[], colours: Rgb[], names: string[]): void {
  const g = canvas.getContext('2d')!;
  const w = canvas.clientWidth;
  const h = canvas.clientHeight;
  const left = 34;
  g.font = '11px system-ui, sans-serif';
  const legend = legendLines(g, plots, names, w - left - 4);
  const top = 18 + 12 * (legend.length - 1);
  const bottom = h - 16;
  const span = Math.max(1, ...plots.map((p) => p.feedIterations));
  const y = (f: number) => bottom - (f / Math.sqrt(3)) * (bottom - top);
  g.fillStyle = '#000';
  g.textBaseline = 'middle';
  g.strokeStyle = '#ddd';
  g.lineWidth = 1;
  for (const [f, label] of [[0, '0'], [1, '1'], [Math.SQRT2, '√2'], [Math.sqrt(3), '√3']] as const) {
    g.beginPath();
    g.moveTo(left, y(f));
    g.lineTo(w - 4, y(f));
    g.stroke();
    g.fillText(label, 4, y(f));
  }
  g.textAlign = 'right';
  g.fillText(fill('迭代 {1}', span), w - 4, h - 6);
  g.textAlign = 'left';
  legend.forEach((line, k) => g.fillText(line, left, 8 + 12 * k));
  plots.forEach((p, i) => {
    g.strokeStyle = css(colours[i]);
    g.lineWidth = 1.2;
    g.beginPath();
    for (let k = 0; k < p.feeds.length; ++k) {
      const x = left + ((k * p.feedWidth) / span) * (w - left - 4);
      if (k === 0) g.moveTo(x, y(p.feeds[k]));
      else g.lineTo(x, y(p.feeds[k]));
    }
    g.stroke();
  });
}

// The feed plot's caption with both runs' means on one line where the
// canvas is wide enough, else the caption and each run on a line of its own.
function legendLines(g: CanvasRenderingContext2D, plots: ComparisonPlot[], names: string[], width: number): string[] {
  const means = plots.map((p, i) => fill('{1} {2} 平均 {3}', 'AB'[i], names[i], p.meanFeed.toFixed(3)));
  const whole = fill('合成进给（脉冲/次）  {1}', means.join('    '));
  return g.measureText(whole).width <= width ? [whole] : [say('合成进给（脉冲/次）'), ...means];
}
