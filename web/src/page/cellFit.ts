// How big the interpolation table's cells are. Its rows share one height,
// so the row window can scroll a million of them by arithmetic alone; that
// height and each column's width follow the texts: as many lines as the
// tallest cell laid out so far holds (a straight move with Z lists three
// registers, an arc on both axes two tie-breaks under its judgement), and
// each column as wide as its widest line, so no text wraps or is cut off.
// They only grow while a run fills the table, so rows never jump under the
// student's eyes; an empty table or the other face starts again.

export const lineHeight = 16; // pixels, as the cells' CSS lays them
const rowPadding = 4; // the cell's padding above and below, and the row's rule
const cellPadding = 12; // the cell's padding left and right, its rule, and some air

export class CellFit {
  lines: number;
  widths: number[] = [];

  constructor(fewestLines: number) {
    this.lines = fewestLines;
  }

  get rowHeight(): number {
    return this.lines * lineHeight + rowPadding;
  }

  // Back to the fewest lines and no widths: a new run, or the other face.
  reset(fewestLines: number): void {
    this.lines = fewestLines;
    this.widths = [];
  }

  // Grows to fit cells' texts ('\n' between lines), each row's by column;
  // `measure` gives a line's width in pixels. The column captions count for
  // the widths only (`rows: false`). True when anything grew.
  fit(cells: string[][], measure: (line: string) => number, rows = true): boolean {
    let grew = false;
    for (const row of cells) {
      row.forEach((text, column) => {
        const lines = text.split('\n');
        if (rows && lines.length > this.lines) {
          this.lines = lines.length;
          grew = true;
        }
        const width = Math.ceil(Math.max(...lines.map(measure))) + cellPadding;
        if (width > (this.widths[column] ?? 0)) {
          this.widths[column] = width;
          grew = true;
        }
      });
    }
    return grew;
  }

  // The columns of a row's CSS grid: each at least its width, sharing what
  // room is left in proportion to it, so a wide panel widens them alike.
  template(columns: number): string {
    return Array.from({ length: columns }, (_, c) => this.widths[c] ?? 40)
      .map((w) => `minmax(${w}px, ${w}fr)`)
      .join(' ');
  }

  // The least width of the whole row.
  width(columns: number): number {
    return Array.from({ length: columns }, (_, c) => this.widths[c] ?? 40).reduce((a, b) => a + b, 0);
  }
}
