// The worker's clock: runs the machine in slices at the chosen pace, as the
// desktop's run clock does from its 1 ms timer, and hands the page what
// changed at most once a frame. Between two slices the worker's event loop
// turns, so a command from the page gets through at once.

import type { MachineSession } from './MachineModule';

export interface LoopClock {
  now(): number; // wall milliseconds
  // Runs the task as soon as the event loop has turned (no timer clamping).
  soon(task: () => void): void;
  later(task: () => void, milliseconds: number): void;
}

export class RunLoop {
  // Milliseconds of machine work a slice does at most, so the worker answers
  // within a frame whatever the pace.
  static readonly workBudget = 8;
  // The page is handed the panel and the drawing at most this often while a
  // run goes on.
  static readonly frame = 16;

  private running = false;
  private start = 0; // wall time the reckoning started from
  private lastPost = -Infinity;
  private mustPost = false;
  private scheduled = false;
  private closed = false;

  constructor(
    private readonly session: MachineSession,
    private readonly post: () => void,
    private readonly clock: LoopClock,
  ) {}

  // After every command: the page hears of it soon, and a run that began
  // to advance is clocked from now.
  commanded(): void {
    this.mustPost = true;
    if (!this.running && this.session.advancing()) {
      this.running = true;
      this.session.restartPace();
      this.start = this.clock.now();
    }
    this.schedule(0);
  }

  // The pace changed; the session reckons afresh from now.
  paceChanged(): void {
    this.start = this.clock.now();
  }

  close(): void {
    this.closed = true;
  }

  private schedule(milliseconds: number): void {
    if (this.scheduled || this.closed) return;
    this.scheduled = true;
    const task = () => {
      this.scheduled = false;
      this.slice();
    };
    if (milliseconds <= 0) {
      this.clock.soon(task);
    } else {
      this.clock.later(task, milliseconds);
    }
  }

  private slice(): void {
    if (this.closed) return;
    let due = 0;
    if (this.running) {
      due = this.session.due(this.clock.now() - this.start);
      if (due > 0) this.session.advance(due, RunLoop.workBudget);
      if (!this.session.advancing()) {
        this.running = false;
        this.mustPost = true;
      }
    }
    const now = this.clock.now();
    if (this.mustPost || (this.running && now - this.lastPost >= RunLoop.frame)) {
      this.mustPost = false;
      this.lastPost = now;
      this.post();
    }
    // Nothing due yet at a slow pace: look again in a millisecond.
    if (this.running) this.schedule(due > 0 ? 0 : 1);
  }
}

// The clock of a worker or of Node: a message channel turns the event loop
// without the few milliseconds' clamp of nested timers.
export function eventLoopClock(): LoopClock & { close(): void } {
  const channel = new MessageChannel();
  const tasks: (() => void)[] = [];
  channel.port1.onmessage = () => tasks.shift()?.();
  return {
    now: () => performance.now(),
    soon: (task) => {
      tasks.push(task);
      channel.port2.postMessage(null);
    },
    later: (task, milliseconds) => setTimeout(task, milliseconds),
    close: () => {
      channel.port1.close();
      channel.port2.close();
    },
  };
}
