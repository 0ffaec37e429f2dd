import assert from 'node:assert/strict';
import { test } from 'node:test';
import { TabGuard, answerWait, type TabChannel, type TabMessage, type TabRole } from '../src/page/tabGuard';

// Tabs of one browser on one broadcast channel, with a clock the test moves.
class Browser {
  private listeners: { tab: number; h: (m: TabMessage) => void }[] = [];
  private waits: { at: number; f: () => void }[] = [];
  now = 0;

  open(name: string): { guard: TabGuard; roles: TabRole[] } {
    const tab = this.listeners.length + 1000;
    const roles: TabRole[] = [];
    const channel: TabChannel = {
      // A broadcast reaches every other tab, never its sender.
      post: (m) => this.listeners.filter((l) => l.tab !== tab).forEach((l) => l.h(m)),
      listen: (h) => this.listeners.push({ tab, h }),
    };
    const guard = new TabGuard(name, channel, (r) => roles.push(r), (f, ms) => this.waits.push({ at: this.now + ms, f }));
    return { guard, roles };
  }

  pass(ms: number) {
    this.now += ms;
    const due = this.waits.filter((w) => w.at <= this.now);
    this.waits = this.waits.filter((w) => w.at > this.now);
    due.forEach((w) => w.f());
  }
}

test('a tab alone keeps the program once nobody answers', () => {
  const b = new Browser();
  const first = b.open('a');
  assert.equal(first.guard.role(), 'asking');
  b.pass(answerWait);
  assert.deepEqual(first.roles, ['keeper']);
});

test('two tabs opened at one moment end with one keeper', () => {
  const b = new Browser();
  const x = b.open('x');
  const y = b.open('y');
  b.pass(answerWait);
  assert.deepEqual([x.guard.role(), y.guard.role()].sort(), ['keeper', 'other']);
  assert.equal(x.guard.role(), 'keeper');
});
