import type { Command } from '../protocol';

// The run commands' keys, as on the desktop: F5 运行, F9 暂停, F6 one tick,
// F7 one interpolation step, Shift+F7 back one step, F8 to the end of the
// line. A key with Ctrl or Alt is the browser's.
export function runCommandKeys(e: { key: string; shiftKey: boolean; ctrlKey: boolean; altKey: boolean; metaKey?: boolean }): Command | null {
  if (e.ctrlKey || e.altKey || e.metaKey) return null;
  if (e.shiftKey) return e.key === 'F7' ? 'stepBack' : null;
  const plain: Record<string, Command> = { F5: 'run', F6: 'stepTick', F7: 'stepIteration', F8: 'stepLine', F9: 'pause' };
  return plain[e.key] ?? null;
}
