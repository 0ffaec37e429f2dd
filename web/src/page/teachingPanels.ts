import type { KeptSettings, PanelName } from './keeper';
import type { Action } from './menus';

// 教学 → 脉冲时序图 / 插补过程表: panels docked beside and under the views,
// each switched by its menu item and kept open across visits. The machine's
// grid makes room for the panels open (classes with-table, with-timing).
export class TeachingPanels {
  constructor(
    private readonly settings: KeptSettings,
    private readonly keep: () => void,
    private readonly machine: HTMLElement,
    private readonly roots: Record<PanelName, HTMLElement>,
    private readonly opened: (which: PanelName) => void,
  ) {
    for (const p of settings.panels) this.show(p, true);
  }

  action(which: PanelName, caption: string): Action {
    return { caption, checked: () => !this.roots[which].hidden, run: () => this.toggle(which) };
  }

  private toggle(which: PanelName): void {
    const open = this.roots[which].hidden;
    this.show(which, open);
    this.settings.panels = (['table', 'timing'] as const).filter((p) => !this.roots[p].hidden);
    this.keep();
  }

  private show(which: PanelName, open: boolean): void {
    this.roots[which].hidden = !open;
    this.machine.classList.toggle(`with-${which}`, open);
    if (open) requestAnimationFrame(() => this.opened(which));
  }
}
