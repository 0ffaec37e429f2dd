import type { Keeper, KeptProgram } from './keeper';
import { copyName } from './recent';
import { TabGuard, type TabChannel, type TabMessage, type TabRole } from './tabGuard';
import { fill, say } from './words/say';

// Tabs hear each other on a broadcast channel; a browser without one has
// each tab keep the program alone.
function broadcastChannel(): TabChannel {
  if (typeof BroadcastChannel === 'undefined') return { post: () => {}, listen: () => {} };
  const channel = new BroadcastChannel('tarvo-program');
  return {
    post: (m) => channel.postMessage(m),
    listen: (h) => channel.addEventListener('message', (e) => h(e.data as TabMessage)),
  };
}

// Every edit kept in the browser by the one tab that keeps the program. A
// tab that does not is told on its bar and keeps nothing until its user
// takes over (the other tab is told in turn) or keeps this tab's text as a
// copy of its own among the recent programs.
export class ProgramSharing {
  private role: TabRole = 'asking';
  private asCopy = false;
  private unkept = false; // edited while this tab may not keep the program
  private readonly tabs: TabGuard;

  constructor(
    private readonly keeper: Keeper,
    private readonly program: () => KeptProgram,
    private readonly bar: HTMLElement,
    private readonly rename: (name: string) => void,
    private readonly say: (text: string) => void,
  ) {
    const tab = crypto.getRandomValues(new Uint32Array(2)).join('-');
    this.tabs = new TabGuard(tab, broadcastChannel(), (r) => this.roleChanged(r), (f, ms) => setTimeout(f, ms));
    bar.querySelector('#takeover')!.addEventListener('click', () => this.takeOver());
    bar.querySelector('#keepcopy')!.addEventListener('click', () => this.keepCopy());
  }

  edited(): void {
    this.unkept = !(this.role === 'keeper' || this.asCopy);
    if (!this.unkept) this.keeper.keepProgram(this.program, this.asCopy);
  }

  private roleChanged(role: TabRole): void {
    this.role = role;
    this.bar.hidden = role !== 'other' || this.asCopy;
    // What was typed before this tab knew it keeps the program.
    if (role === 'keeper' && this.unkept) this.keeper.keepProgram(this.program);
  }

  private takeOver(): void {
    this.tabs.takeOver();
    this.keeper.keepProgram(this.program);
  }

  private keepCopy(): void {
    this.asCopy = true;
    this.bar.hidden = true;
    const name = copyName(this.program().name || say('新文件.nc'), this.keeper.recent());
    this.rename(name);
    this.keeper.keepProgram(this.program, true);
    this.say(fill('此页的程序另存为副本“{1}”，在 文件 → 最近打开 中', name));
  }
}
