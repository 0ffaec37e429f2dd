import assert from 'node:assert/strict';
import { mock, test } from 'node:test';
import { Keeper, keepDelay, type Store } from '../src/page/keeper';
import { copyName, recentLimit, remembered } from '../src/page/recent';

class FakeStore implements Store {
  items = new Map<string, string>();
  writes = 0;
  full = false;
  getItem(k: string) {
    return this.items.get(k) ?? null;
  }
  setItem(k: string, v: string) {
    if (this.full) throw new Error('QuotaExceededError');
    this.writes++;
    this.items.set(k, v);
  }
}

// The page's timer, which a test moves on by hand once it has mock timers on.
const timer = { set: (f: () => void, ms: number) => setTimeout(f, ms), clear: (h: unknown) => clearTimeout(h as NodeJS.Timeout) };

function keeper(store = new FakeStore(), failures: string[] = []) {
  return { store, failures, keeper: new Keeper(store, timer, (w) => failures.push(w)) };
}

test('typing is kept once it pauses, the last text whole', () => {
  mock.timers.enable({ apis: ['setTimeout'] });
  const { store, keeper: k } = keeper();
  k.keepProgram(() => ({ name: 'a.nc', text: '%' }));
  mock.timers.tick(keepDelay - 1);
  k.keepProgram(() => ({ name: 'a.nc', text: '%\nG01X1' }));
  mock.timers.tick(keepDelay - 1);
  assert.equal(store.writes, 0);
  mock.timers.tick(1);
  assert.equal(store.writes, 1);
  assert.deepEqual(k.program(), { name: 'a.nc', text: '%\nG01X1' });
  mock.timers.reset();
});

test('a write the browser refuses is told, and the program stays in the page', () => {
  const store = new FakeStore();
  store.full = true;
  const { keeper: k, failures } = keeper(store);
  k.keepProgram(() => ({ name: '', text: 'big' }));
  k.flush();
  k.keepSettings(k.settings());
  assert.deepEqual(failures, ['程序', '设置']);
});

test('settings read back as kept; spoiled or missing ones give the defaults', () => {
  const { store, keeper: k } = keeper();
  const defaults = { pace: -1, parameters: ['0', '0', '0', '1', '1'], view: 'plan', method: { key: '', halfLoad: false, bits: 0 }, panels: [], language: '' };
  assert.deepEqual(k.settings(), defaults);
  const mine = { pace: 6, parameters: ['5', '0', '-2.5', '2', '0.01'], view: 'axonometric' as const, method: { key: 'dda', halfLoad: true, bits: 8 }, panels: ['timing' as const], language: 'en' as const };
  k.keepSettings(mine);
  assert.deepEqual(k.settings(), mine);
  // A language the page does not speak is no choice, nor a panel it has not.
  store.items.set('tarvo.settings', '{"pace":"x","parameters":["1"],"view":"side","method":{"bits":40},"panels":["table","menu",3],"language":"fr"}');
  assert.deepEqual(k.settings(), { ...defaults, panels: ['table'] });
  store.items.set('tarvo.settings', 'not json');
  assert.deepEqual(k.settings(), defaults);
  store.items.set('tarvo.program', '{"name":3}');
  assert.equal(k.program(), null);
});

test('recent programs: newest first, one entry a name, at most ten', () => {
  let list = remembered([], { name: 'a.nc', text: '1' });
  list = remembered(list, { name: 'b.nc', text: '2' });
  list = remembered(list, { name: 'a.nc', text: '3' });
  assert.deepEqual(list, [
    { name: 'a.nc', text: '3' },
    { name: 'b.nc', text: '2' },
  ]);
  for (let i = 0; i < 20; ++i) list = remembered(list, { name: `${i}.nc`, text: '' });
  assert.equal(list.length, recentLimit);
  assert.equal(list[0].name, '19.nc');
});

test('a copy takes a name no recent program has', () => {
  const names = [copyName('零件.nc', []), copyName('零件.nc', [{ name: '零件（副本）.nc', text: '' }]), copyName('程序', [])];
  assert.deepEqual(names, ['零件（副本）.nc', '零件（副本 2）.nc', '程序（副本）']);
});
