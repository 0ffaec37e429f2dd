import type { PageMessage, PulseState, Pulses } from '../protocol';
import { fill, say } from './words/say';

// The traces, top to bottom: the output byte's bits as the parallel port
// drives the motors (a pulse is active at 0).
const traces: { caption: string; bit: number }[] = [
  { caption: 'X脉冲', bit: 0 },
  { caption: 'X方向', bit: 1 },
  { caption: 'Y脉冲', bit: 2 },
  { caption: 'Y方向', bit: 3 },
  { caption: 'Z脉冲', bit: 4 },
  { caption: 'Z方向', bit: 5 },
];
const tickWidth = 14; // CSS pixels a tick
const captionFont = '12px system-ui, sans-serif';

// The ticks the strip shows: the newest while it follows the run, else from
// the tick the user scrolled to.
export function shownTicks(state: PulseState, right: number | null, visible: number): { from: number; to: number } {
  if (state.lastTick === 0) return { from: 0, to: -1 };
  const to = right === null ? state.lastTick : Math.min(state.lastTick, Math.max(state.firstTick + visible - 1, right));
  return { from: Math.max(state.firstTick, to - visible + 1), to };
}

// 脉冲时序图: the output byte tick by tick, on a canvas, with the timing
// cursor; a press on a tick selects its step in every tool.
export class TimingDiagram {
  private state: PulseState = { firstTick: 0, lastTick: 0, revision: -1 };
  private pulses: Pulses | null = null;
  private right: number | null = null; // null: following the newest tick
  private cursor = 0;
  private asked = '';
  private readonly canvas: HTMLCanvasElement;
  private readonly readout: HTMLElement;
  // CSS pixels left of the first tick: 46 hold the Chinese captions, and the
  // column widens to the widest caption of another language.
  private captionWidth = 46;

  constructor(
    private readonly root: HTMLElement,
    private readonly post: (m: PageMessage) => void,
  ) {
    this.canvas = root.querySelector('canvas')!;
    this.readout = root.querySelector('.timing-readout')!;
    this.measureCaptions();
    this.canvas.addEventListener('click', (e) => {
      const tick = this.tickAt(e.offsetX);
      if (tick !== null) this.post({ type: 'selectTick', tick });
    });
    this.canvas.addEventListener('wheel', (e) => {
      e.preventDefault();
      this.scrollBy(Math.sign(e.deltaY || e.deltaX) * Math.max(1, Math.floor(this.visible() / 4)));
    });
    root.querySelector('button.older')!.addEventListener('click', () => this.scrollBy(-this.visible() + 1));
    root.querySelector('button.newer')!.addEventListener('click', () => this.scrollBy(this.visible() - 1));
    new ResizeObserver(() => this.refresh()).observe(this.canvas);
  }

  get open(): boolean {
    return !this.root.hidden;
  }

  update(state: PulseState): void {
    if (state.revision === this.state.revision) return;
    if (state.lastTick < this.state.lastTick || state.firstTick > this.cursor) this.cursor = 0;
    this.state = state;
    this.refresh();
  }

  received(p: Pulses): void {
    this.asked = '';
    this.pulses = p;
    this.draw();
  }

  // The cursor on the selected step's tick, scrolled into view.
  pin(tick: number): void {
    this.cursor = tick;
    const { from, to } = shownTicks(this.state, this.right, this.visible());
    if (tick && (tick < from || tick > to)) this.right = Math.min(this.state.lastTick, tick + Math.floor(this.visible() / 2));
    this.refresh();
  }

  // The traces' captions and the read-out in the language now spoken.
  sayAgain(): void {
    this.measureCaptions();
    this.asked = '';
    this.refresh();
    if (this.open) this.draw();
  }

  private measureCaptions(): void {
    const g = this.canvas.getContext('2d');
    if (!g) return;
    g.font = captionFont;
    const widest = Math.max(...traces.map((t) => g.measureText(say(t.caption)).width));
    this.captionWidth = Math.max(46, Math.ceil(widest) + 6);
  }

  refresh(): void {
    if (!this.open) return;
    const { from, to } = shownTicks(this.state, this.right, this.visible());
    const key = `${this.state.revision}/${from}/${to}`;
    if (to >= from && key !== this.asked) {
      this.asked = key;
      this.post({ type: 'pulses', from, to });
    } else if (to < from) {
      this.pulses = null;
      this.draw();
    }
  }

  private scrollBy(ticks: number): void {
    if (this.state.lastTick === 0) return;
    const { to } = shownTicks(this.state, this.right, this.visible());
    const right = to + ticks;
    this.right = right >= this.state.lastTick ? null : right;
    this.refresh();
  }

  private visible(): number {
    return Math.max(4, Math.floor((this.canvas.clientWidth - this.captionWidth) / tickWidth));
  }

  private tickAt(x: number): number | null {
    const p = this.pulses;
    if (!p || x < this.captionWidth) return null;
    const i = Math.floor((x - this.captionWidth) / tickWidth);
    return i < p.ticks.length ? p.ticks[i] : null;
  }

  private draw(): void {
    const c = this.canvas;
    const ratio = devicePixelRatio;
    c.width = Math.round(c.clientWidth * ratio);
    c.height = Math.round(c.clientHeight * ratio);
    const g = c.getContext('2d')!;
    g.setTransform(ratio, 0, 0, ratio, 0, 0);
    g.fillStyle = '#fff';
    g.fillRect(0, 0, c.clientWidth, c.clientHeight);
    const lane = c.clientHeight / traces.length;
    g.font = captionFont;
    g.textBaseline = 'middle';
    g.fillStyle = '#000';
    traces.forEach((t, k) => g.fillText(say(t.caption), 2, lane * (k + 0.5)));
    const p = this.pulses;
    if (!p) return this.say(this.state.lastTick ? '' : say('尚无节拍'));
    // 译码 ticks shaded blue, the cursor's tick framed.
    for (let i = 0; i < p.ticks.length; ++i) {
      const x = this.captionWidth + i * tickWidth;
      if (p.timers[i] === 1) {
        g.fillStyle = '#dbe8fb';
        g.fillRect(x, 0, tickWidth, c.clientHeight);
      }
    }
    g.strokeStyle = '#1f3f9f';
    g.lineWidth = 1.5;
    traces.forEach((t, k) => {
      const high = lane * k + lane * 0.2;
      const low = lane * (k + 1) - lane * 0.2;
      g.beginPath();
      for (let i = 0; i < p.ticks.length; ++i) {
        const y = p.bits[i] & (1 << t.bit) ? high : low;
        const x = this.captionWidth + i * tickWidth;
        if (i === 0) g.moveTo(x, y);
        else g.lineTo(x, y);
        g.lineTo(x + tickWidth, y);
      }
      g.stroke();
    });
    const at = this.cursor ? p.ticks.indexOf(this.cursor) : -1;
    if (at >= 0) {
      g.strokeStyle = '#d00000';
      g.lineWidth = 2;
      const x = this.captionWidth + at * tickWidth + tickWidth / 2;
      g.beginPath();
      g.moveTo(x, 0);
      g.lineTo(x, c.clientHeight);
      g.stroke();
    }
    const i = at >= 0 ? at : p.ticks.length - 1;
    const bits = [...Array(8).keys()].map((b) => (p.bits[i] >> b) & 1).join('');
    this.say(fill('{1}  节拍 {2}（{3}）  第{4}行  输出 {5}', say(at >= 0 ? '光标' : '最新'), p.ticks[i], say(p.timers[i] === 1 ? '译码' : '插补'), p.lines[i] + 1, bits));
    this.canvas.dataset.cursor = String(at >= 0 ? this.cursor : 0);
  }

  private say(text: string): void {
    this.readout.textContent = text;
  }
}
