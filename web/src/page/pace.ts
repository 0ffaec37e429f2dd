// The 速度 box lists the machine's paces, slowest first. The entry kept from
// the last visit is chosen again when the list still has it; anything else
// (nothing kept, a list that changed length, a value spoiled) falls back to
// the machine's own default, the standard 1 ms a tick.
export function keptPaceIndex(kept: unknown, entries: number, standard: number): number {
  return typeof kept === 'number' && Number.isInteger(kept) && kept >= 0 && kept < entries ? kept : standard;
}
