import type { IdealPath, PageMessage } from '../protocol';

type Rgb = [number, number, number];
const css = ([r, g, b]: Rgb) => `rgb(${r},${g},${b})`;

// 显示理想轨迹 and 突出所选行的步点: the exact path of the run's moves, the
// picked line's steps and the deviation read-out, drawn over the plan view
// on a canvas of their own, never into the machine's picture. The finished
// moves are asked for once each; the move under way afresh every time.
export class IdealPathOverlay {
  idealShown = false;
  stepsShown = false;
  private finished: Float32Array[] = [];
  private reply: IdealPath | null = null;
  private run = -1;
  private side = 0;
  private waiting = false;
  private again = false;

  constructor(
    private readonly canvas: HTMLCanvasElement,
    private readonly post: (m: PageMessage) => void,
    private readonly pickedLine: () => number, // the editor line picked, -1 for none
  ) {}

  // Asks for the news, at most one question on its way.
  refresh(side: number, planShown: boolean): void {
    this.canvas.hidden = !planShown || !(this.idealShown || this.stepsShown);
    if (this.canvas.hidden) return;
    if (side !== this.side) {
      this.side = side;
      this.finished = [];
      this.run = -1;
    }
    if (this.waiting) {
      this.again = true;
      return;
    }
    this.waiting = true;
    const from = this.run < 0 || !this.reply ? 0 : this.reply.finished;
    this.post({ type: 'idealPath', from, line: this.stepsShown ? this.pickedLine() : -1 });
  }

  received(p: IdealPath): void {
    this.waiting = false;
    if (p.from !== 0 && p.run !== this.run) {
      // Another run began since the page last drew: its path from the start.
      this.run = -1;
      this.reply = null;
      this.again = false;
      return this.refresh(this.side, !this.canvas.hidden);
    }
    if (p.from === 0) this.finished = [];
    this.run = p.run;
    if (p.lines.length) this.finished.push(p.lines);
    this.reply = p;
    this.draw();
    if (this.again) {
      this.again = false;
      this.refresh(this.side, !this.canvas.hidden);
    }
  }

  private draw(): void {
    const c = this.canvas;
    const p = this.reply;
    if (c.width !== this.side) c.width = c.height = this.side;
    const g = c.getContext('2d')!;
    g.clearRect(0, 0, c.width, c.height);
    if (!p) return;
    if (this.idealShown) {
      g.strokeStyle = css(p.idealColour);
      g.lineWidth = 1;
      g.beginPath();
      for (const lines of [...this.finished, p.current]) addLines(g, lines);
      g.stroke();
    }
    if (this.stepsShown && p.steps.length) {
      g.strokeStyle = css(p.stepsColour);
      g.lineWidth = 3;
      g.lineCap = 'round';
      g.beginPath();
      addLines(g, p.steps);
      g.stroke();
    }
    if (p.readout) {
      const font = Math.max(11, Math.round(this.side / 40));
      g.font = `${font}px system-ui, sans-serif`;
      const width = g.measureText(p.readout).width + 8;
      g.fillStyle = 'rgba(0, 0, 0, 0.75)';
      g.fillRect(2, c.height - font - 10, width, font + 8);
      g.fillStyle = css(p.idealColour);
      g.textBaseline = 'bottom';
      g.fillText(p.readout, 6, c.height - 5);
    }
  }
}

function addLines(g: CanvasRenderingContext2D, lines: Float32Array): void {
  for (let i = 0; i + 3 < lines.length; i += 4) {
    g.moveTo(lines[i], lines[i + 1]);
    g.lineTo(lines[i + 2], lines[i + 3]);
  }
}
