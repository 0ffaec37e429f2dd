import assert from 'node:assert/strict';
import { test } from 'node:test';
import { programWords } from '../src/page/gcodeWords';
import { tableRows } from './support/tableFile';

// The editor colours a line's words by kind exactly as the desktop editor
// does: the same table of lines checks both.
test('words get the kind of their letter, as on the desktop', async (t) => {
  for (const row of tableRows('app/gcode-words.tsv')) {
    await t.test(row.line, () => {
      const line = row['line'];
      const words = programWords(line).map((w) => `${line.substr(w.from, w.length)}:${w.kind}`);
      assert.deepEqual(words, row['words'].split(' '));
    });
  }
});

test('offsets count UTF-16 units, as the editor counts them; blanks and characters no word takes make none', () => {
  const words = [programWords('😀G1 X2'), programWords(' \t,;结束 ')];
  assert.deepEqual(words, [[{ from: 2, length: 2, kind: 'motion' }, { from: 5, length: 2, kind: 'coordinate' }], []]);
});
