import type { DragMode, Drawing, PageMessage, Ready, ViewName } from '../protocol';
import { twoFingerMoves, type Point } from './twoFingers';

type Rgb = [number, number, number];

const viewNames: ViewName[] = ['axonometric', 'plan', 'magnified'];
const designSide = 7215; // twips of the desktop's view, in which the labels are placed
const cursors = { arrow: 'default', hand: 'grab', cross: 'crosshair' } as const;

const css = ([r, g, b]: Rgb) => `rgb(${r},${g},${b})`;

// A canvas at a new size with its picture scaled into it: the machine hands
// a view over again at the new size, except one whose drawing outgrew what
// the worker keeps, which goes on from the scaled picture.
function resizeKeeping(canvas: HTMLCanvasElement, side: number): void {
  const old = document.createElement('canvas');
  old.width = canvas.width;
  old.height = canvas.height;
  old.getContext('2d')!.drawImage(canvas, 0, 0);
  canvas.width = canvas.height = side;
  canvas.getContext('2d')!.drawImage(old, 0, 0, side, side);
}

// The three views as canvases stacked on one place, one shown at a time: each
// keeps what was drawn into it while hidden, and draws the new lines the
// machine sends. Their side in device pixels is the machine's view size, so a
// line is one device pixel wide and crisp on any screen.
export class ViewCanvases {
  private readonly canvases = new Map<ViewName, HTMLCanvasElement>();
  private readonly labels = new Map<ViewName, { left: number; top: number; caption: string }[]>();
  private palette: string[] = [];
  private backgrounds: Record<ViewName, string> = { axonometric: '#fff', plan: '#fff', magnified: '#fff' };
  private shown: ViewName = 'plan';
  private side = 0;
  private marked: { points: Record<ViewName, [number, number] | null>; side: number } | null = null;
  // The touches on the magnified view, by pointer, in its pixels.
  private readonly fingers = new Map<number, Point>();
  // The two fingers as last told to the machine, while two are down.
  private pinched: [Point, Point] | null = null;
  private pinchFrame = 0;
  // The drag mode the user chose, read off the machine's pointer shape.
  private chosenMode: DragMode = 'none';

  constructor(
    private readonly holder: HTMLElement,
    private readonly labelLayer: HTMLElement,
    private readonly post: (m: PageMessage) => void,
  ) {
    for (const name of viewNames) {
      const canvas = holder.querySelector<HTMLCanvasElement>(`#view-${name}`)!;
      canvas.hidden = name !== this.shown;
      this.canvases.set(name, canvas);
    }
    this.watchPointer(this.canvases.get('magnified')!);
    // A press in the plan view selects the newest step point under it.
    const plan = this.canvases.get('plan')!;
    plan.addEventListener('click', (e) => {
      const box = plan.getBoundingClientRect();
      const scale = this.side / box.width;
      this.post({ type: 'selectPoint', x: (e.clientX - box.left) * scale, y: (e.clientY - box.top) * scale });
    });
  }

  get viewSide(): number {
    return this.side;
  }

  get shownView(): ViewName {
    return this.shown;
  }

  // The selected step ringed where the shown view has its point.
  mark(points: Record<ViewName, [number, number] | null> | null): void {
    this.marked = points ? { points, side: this.side } : null;
    this.placeRing();
  }

  private placeRing(): void {
    const ring = this.holder.querySelector<HTMLElement>('#step-ring')!;
    const at = this.marked?.points[this.shown];
    ring.hidden = !at;
    if (!at) return;
    ring.style.left = `${(100 * at[0]) / this.marked!.side}%`;
    ring.style.top = `${(100 * at[1]) / this.marked!.side}%`;
  }

  ready(r: Ready): void {
    this.palette = r.palette.map(css);
    this.backgrounds = {
      axonometric: css(r.backgrounds.axonometric),
      plan: css(r.backgrounds.plan),
      magnified: css(r.backgrounds.magnified),
    };
    new ResizeObserver(() => this.fit()).observe(this.holder);
    this.fit();
  }

  draw(d: Drawing): void {
    const canvas = this.canvases.get(d.view)!;
    const g = canvas.getContext('2d')!;
    if (d.restart) {
      g.fillStyle = this.backgrounds[d.view];
      g.fillRect(0, 0, canvas.width, canvas.height);
    }
    this.strokeLines(g, d.lines, d.colours);
    if (d.labels) this.labels.set(d.view, d.labels);
    canvas.style.cursor = cursors[d.pointer];
    if (d.view === 'magnified' && !this.pinched) this.chosenMode = d.pointer === 'hand' ? 'pan' : d.pointer === 'cross' ? 'rotate' : 'none';
    if (d.visible && (d.view !== this.shown || d.labels)) this.show(d.view);
  }

  // The view on screen as a PNG picture, at the size it is drawn.
  picture(): Promise<Blob | null> {
    return new Promise((resolve) => this.canvases.get(this.shown)!.toBlob(resolve, 'image/png'));
  }

  private show(view: ViewName): void {
    this.shown = view;
    for (const [name, c] of this.canvases) c.hidden = name !== view;
    this.placeLabels();
    this.placeRing();
  }

  // One path for every run of lines of one colour; a point is a pixel.
  private strokeLines(g: CanvasRenderingContext2D, lines: Float32Array, colours: Uint8Array): void {
    g.lineWidth = 1;
    let colour = -1;
    g.beginPath();
    for (let i = 0; i < colours.length; ++i) {
      if (colours[i] !== colour) {
        g.stroke();
        g.beginPath();
        colour = colours[i];
        g.strokeStyle = g.fillStyle = this.palette[colour] ?? '#000';
      }
      const [x1, y1, x2, y2] = [lines[4 * i], lines[4 * i + 1], lines[4 * i + 2], lines[4 * i + 3]];
      if (x1 === x2 && y1 === y2) g.fillRect(Math.floor(x1), Math.floor(y1), 1, 1);
      else {
        g.moveTo(Math.floor(x1) + 0.5, Math.floor(y1) + 0.5);
        g.lineTo(Math.floor(x2) + 0.5, Math.floor(y2) + 0.5);
      }
    }
    g.stroke();
  }

  private placeLabels(): void {
    const spans = (this.labels.get(this.shown) ?? []).map((l) => {
      const s = document.createElement('span');
      s.textContent = l.caption;
      s.style.left = `${(100 * l.left) / designSide}%`;
      s.style.top = `${(100 * l.top) / designSide}%`;
      return s;
    });
    this.labelLayer.replaceChildren(...spans);
  }

  // The views are square, as large as their frame allows; a new size has the
  // machine hand every view over again at that size.
  private fit(): void {
    const box = this.canvases.get(this.shown)!.getBoundingClientRect();
    const side = Math.max(16, Math.round(Math.min(box.width, box.height) * devicePixelRatio));
    if (side === this.side || box.width === 0) return;
    this.side = side;
    for (const c of this.canvases.values()) resizeKeeping(c, side);
    this.post({ type: 'viewSize', size: side });
  }

  // One finger drags as a mouse does; two fingers pan and turn the view
  // (see twoFingerMoves) and, once lifted, leave the user's mode as it was.
  private watchPointer(canvas: HTMLCanvasElement): void {
    const at = (e: PointerEvent): Point => {
      const box = canvas.getBoundingClientRect();
      const scale = this.side / box.width;
      return [(e.clientX - box.left) * scale, (e.clientY - box.top) * scale];
    };
    const send = (e: PointerEvent) => {
      const buttons = e.buttons === 0 ? 'none' : e.buttons === 1 ? 'left' : 'other';
      const [x, y] = at(e);
      this.post({ type: 'pointer', buttons, x, y });
    };
    const touched = (e: PointerEvent) => {
      if (e.pointerType !== 'touch') return false;
      if (e.type === 'pointerdown' || this.fingers.has(e.pointerId)) this.fingers.set(e.pointerId, at(e));
      if (e.type === 'pointerup' || e.type === 'pointercancel') this.fingers.delete(e.pointerId);
      if (this.fingers.size >= 2) {
        this.pinched ??= this.firstTwo();
        this.pinchFrame ||= requestAnimationFrame(() => this.pinch());
        return true;
      }
      if (!this.pinched) return false;
      this.endPinch();
      return true;
    };
    canvas.addEventListener('pointerdown', (e) => {
      canvas.setPointerCapture(e.pointerId);
      // A finger, unlike a mouse, arrives without hovering first: the drag
      // starts where it touches, not where the last pointer left.
      if (e.pointerType === 'touch') this.post({ type: 'pointer', buttons: 'none', x: at(e)[0], y: at(e)[1] });
      if (!touched(e)) send(e);
    });
    canvas.addEventListener('pointermove', (e) => {
      if (!touched(e)) send(e);
    });
    canvas.addEventListener('pointerup', (e) => {
      if (!touched(e)) send(e);
    });
    canvas.addEventListener('pointercancel', (e) => touched(e));
  }

  private firstTwo(): [Point, Point] {
    const [a, b] = [...this.fingers.values()];
    return [a, b];
  }

  // At most once a frame, however often the fingers report.
  private pinch(): void {
    this.pinchFrame = 0;
    if (!this.pinched || this.fingers.size < 2) return;
    const now = this.firstTwo();
    for (const m of twoFingerMoves(this.pinched, now, [this.side / 2, this.side / 2])) this.post(m);
    this.pinched = now;
  }

  // The chosen mode back, and a finger still down drags on from where it is.
  private endPinch(): void {
    this.pinched = null;
    this.post({ type: 'drag', mode: this.chosenMode });
    for (const [x, y] of this.fingers.values()) this.post({ type: 'pointer', buttons: 'none', x, y });
  }
}
