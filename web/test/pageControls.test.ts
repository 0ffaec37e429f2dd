import assert from 'node:assert/strict';
import { test } from 'node:test';
import { keptPaceIndex } from '../src/page/pace';
import { lineEnding } from '../src/page/sampleProgram';
import { runCommandKeys } from '../src/page/shortcuts';

const key = (k: string, mods: Partial<{ shiftKey: boolean; ctrlKey: boolean; altKey: boolean }> = {}) =>
  runCommandKeys({ key: k, shiftKey: false, ctrlKey: false, altKey: false, ...mods });

test('the run commands answer the desktop keys and nothing else', () => {
  const commands = { F5: 'run', F6: 'stepTick', F7: 'stepIteration', F8: 'stepLine', F9: 'pause', F10: null, r: null } as const;
  for (const [k, command] of Object.entries(commands)) assert.equal(key(k), command, k);
  assert.equal(key('F7', { shiftKey: true }), 'stepBack');
  for (const mods of [{ shiftKey: true }, { ctrlKey: true }, { altKey: true }]) assert.equal(key('F5', mods), null, JSON.stringify(mods));
});

test('the pace kept is chosen again only while the list has it', () => {
  // Seven paces, the standard one fourth, as the machine lists them.
  assert.deepEqual([0, 6, 7, -1, 2.5, '2', undefined].map((kept) => keptPaceIndex(kept, 7, 3)), [0, 6, 3, 3, 3, 3, 3]);
});

test('a program is saved with the line ending most of its lines had', () => {
  assert.deepEqual(['%\r\nG01X1\r\n%\r\n', '%\nG01X1\r\n%\n', 'G01X1', 'a\r\nb\n'].map(lineEnding), ['\r\n', '\n', '\n', '\r\n']);
});
