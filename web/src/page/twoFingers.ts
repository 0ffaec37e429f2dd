import type { DragMode, PageMessage } from '../protocol';

export type Point = [number, number];

// The machine turns the magnified view a full turn for 600 pixels of
// horizontal drag in 放大图旋转; a full twist of two fingers is that drag.
const pixelsPerTurn = 600;

// Two fingers on the magnified view, told to the machine in its own terms:
// the midpoint's travel is a drag in 放大图平移, the change of the angle
// between the fingers a horizontal drag in 放大图旋转. Each drag starts with
// the pointer up at the first place, so the machine measures from there.
export function twoFingerMoves(before: [Point, Point], after: [Point, Point], centre: Point): PageMessage[] {
  const mid = (p: [Point, Point]): Point => [(p[0][0] + p[1][0]) / 2, (p[0][1] + p[1][1]) / 2];
  const angle = (p: [Point, Point]) => Math.atan2(p[1][1] - p[0][1], p[1][0] - p[0][0]);
  const [from, to] = [mid(before), mid(after)];
  let twist = angle(after) - angle(before);
  if (twist > Math.PI) twist -= 2 * Math.PI;
  if (twist < -Math.PI) twist += 2 * Math.PI;
  const drag = (mode: DragMode, a: Point, b: Point): PageMessage[] => [
    { type: 'drag', mode },
    { type: 'pointer', buttons: 'none', x: a[0], y: a[1] },
    { type: 'pointer', buttons: 'left', x: b[0], y: b[1] },
  ];
  const travel = (twist / (2 * Math.PI)) * pixelsPerTurn;
  return [
    ...(from[0] !== to[0] || from[1] !== to[1] ? drag('pan', from, to) : []),
    ...(travel !== 0 ? drag('rotate', centre, [centre[0] + travel, centre[1]]) : []),
  ];
}
