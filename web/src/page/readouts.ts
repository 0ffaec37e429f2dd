import type { Panel } from '../protocol';

const byId = (id: string) => document.getElementById(id) as HTMLOutputElement;

// 坐标值 and 并行口输出状态: the texts the machine made, set only when they
// change, so a fast run costs the page little.
export class Readouts {
  private readonly point = ['point-x', 'point-y', 'point-z'].map(byId);
  private readonly origin = ['origin-x', 'origin-y', 'origin-z'].map(byId);
  private readonly bits = [0, 1, 2, 3, 4, 5, 6, 7].map((i) => byId(`bit${i}`));
  private readonly spindle = byId('spindle');
  private readonly coolant = byId('coolant');

  show(p: Panel): void {
    p.point.forEach((t, i) => set(this.point[i], t));
    p.origin.forEach((t, i) => set(this.origin[i], t));
    p.bits.forEach((b, i) => set(this.bits[i], b ? '1' : '0'));
    set(this.spindle, p.spindle ? p.onText : p.offText);
    set(this.coolant, p.coolant ? p.onText : p.offText);
  }
}

function set(o: HTMLOutputElement, text: string): void {
  if (o.textContent !== text) o.textContent = text;
}
