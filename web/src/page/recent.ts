import { fill } from './words/say';
// The programs last opened, newest first, kept in the browser with their
// texts (a page has no path to open them again from).
export interface RecentProgram {
  name: string;
  text: string;
}

export const recentLimit = 10;

// The list with `program` at its head: an older entry of the same name goes,
// and the oldest beyond the limit.
export function remembered(list: readonly RecentProgram[], program: RecentProgram): RecentProgram[] {
  return [program, ...list.filter((p) => p.name !== program.name)].slice(0, recentLimit);
}

// A kept list as it was written, or nothing of what is not one.
export function readRecent(kept: unknown): RecentProgram[] {
  if (!Array.isArray(kept)) return [];
  return kept
    .filter((p) => p && typeof p.name === 'string' && typeof p.text === 'string')
    .map((p) => ({ name: p.name, text: p.text }))
    .slice(0, recentLimit);
}

// A name no entry has yet: "零件.nc" becomes "零件（副本）.nc", then "零件（副本 2）.nc".
export function copyName(name: string, list: readonly RecentProgram[]): string {
  const dot = name.lastIndexOf('.');
  const [stem, ext] = dot > 0 ? [name.slice(0, dot), name.slice(dot)] : [name, ''];
  for (let n = 1; ; ++n) {
    const candidate = fill('{1}（副本{2}）{3}', stem, n === 1 ? '' : ' ' + n, ext);
    if (!list.some((p) => p.name === candidate)) return candidate;
  }
}
