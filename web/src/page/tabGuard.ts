// Two tabs of the page share one kept program. Only one of them, the keeper,
// writes it; a tab opened while another keeps it is told so and writes
// nothing until its user chooses to take over (the other tab is then told in
// turn) or to keep a copy of its own.
export type TabMessage =
  | { kind: 'hello'; tab: string } // a tab has opened and asks who keeps the program
  | { kind: 'keeper'; tab: string } // the tab that keeps it answers
  | { kind: 'takeover'; tab: string }; // a tab keeps it from now on

export interface TabChannel {
  post(message: TabMessage): void;
  listen(handler: (message: TabMessage) => void): void;
}

export type TabRole = 'asking' | 'keeper' | 'other';

// How long a tab waits for an answer before it keeps the program itself;
// tabs of one browser answer within a few milliseconds.
export const answerWait = 250;

export class TabGuard {
  private current: TabRole = 'asking';

  constructor(
    private readonly tab: string,
    private readonly channel: TabChannel,
    private readonly changed: (role: TabRole) => void,
    wait: (callback: () => void, milliseconds: number) => void,
  ) {
    channel.listen((m) => this.heard(m));
    channel.post({ kind: 'hello', tab });
    wait(() => {
      if (this.current !== 'asking') return;
      this.become('keeper');
      this.channel.post({ kind: 'keeper', tab });
    }, answerWait);
  }

  role(): TabRole {
    return this.current;
  }

  // This tab keeps the program from now on; the tab that kept it is told.
  takeOver(): void {
    this.channel.post({ kind: 'takeover', tab: this.tab });
    this.become('keeper');
  }

  private heard(m: TabMessage): void {
    if (m.tab === this.tab) return;
    if (m.kind === 'hello' && this.current === 'keeper') {
      this.channel.post({ kind: 'keeper', tab: this.tab });
    } else if (m.kind === 'keeper' && this.current !== 'other') {
      // Two tabs that opened at the same moment both kept it: the one whose
      // name sorts first goes on keeping it.
      if (this.current === 'asking' || m.tab < this.tab) this.become('other');
    } else if (m.kind === 'takeover' && this.current !== 'other') {
      this.become('other');
    }
  }

  private become(role: TabRole): void {
    if (role === this.current) return;
    this.current = role;
    this.changed(role);
  }
}
