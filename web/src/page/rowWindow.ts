// The interpolation table's rows on screen: a window of fixed-height rows
// over up to hundreds of thousands kept ones. Browsers lay out no element
// taller than some millions of pixels, so a long table scrolls over a
// shorter extent, each pixel of it standing for several of the table's.

export const tallestExtent = 4_000_000; // pixels, well below every browser's limit

// The height the scroller's content is given for `count` rows.
export function scrollExtent(count: number, rowHeight: number): number {
  return Math.min(count * rowHeight, tallestExtent);
}

// The table's own pixel offset at the top of the viewport for a scroll
// position: exact while the table fits, proportional beyond, so the first
// and the last row are both reached.
export function tableOffset(scrollTop: number, viewport: number, count: number, rowHeight: number): number {
  const full = count * rowHeight;
  const extent = scrollExtent(count, rowHeight);
  if (full === extent || extent <= viewport) return scrollTop;
  return (scrollTop * (full - viewport)) / (extent - viewport);
}

// The scroll position that shows the table's offset at the top.
export function scrollFor(offset: number, viewport: number, count: number, rowHeight: number): number {
  const full = count * rowHeight;
  const extent = scrollExtent(count, rowHeight);
  if (full === extent || full <= viewport) return offset;
  return (offset * (extent - viewport)) / (full - viewport);
}

// Where the selection goes on a key, as a list moves its current row;
// null for a key the table leaves alone. Rows are indices 0 … count - 1,
// `at` -1 when none is selected yet.
export function movedRow(key: string, at: number, count: number, pageRows: number): number | null {
  if (count === 0) return null;
  const page = Math.max(1, pageRows - 1);
  const clamp = (i: number) => Math.min(count - 1, Math.max(0, i));
  switch (key) {
    case 'ArrowDown':
      return clamp(at < 0 ? 0 : at + 1);
    case 'ArrowUp':
      return clamp(at < 0 ? count - 1 : at - 1);
    case 'PageDown':
      return clamp(at < 0 ? 0 : at + page);
    case 'PageUp':
      return clamp(at < 0 ? count - 1 : at - page);
    case 'Home':
      return 0;
    case 'End':
      return count - 1;
    default:
      return null;
  }
}
