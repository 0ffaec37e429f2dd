// The worker speaks the language the page chooses: the captions it gave at
// the start are given again in it, and the marks of the last run on the
// program are said again as a run in that language says them, the Chinese
// coming back byte for byte.

import { test } from 'node:test';
import assert from 'node:assert/strict';
import { readyHarness } from './workerSupport';

const chinese = /[\u3000-\u303f\u3400-\u4dbf\u4e00-\u9fff\uff00-\uffef]/;

// A full circle warned of on line 2, then an unknown word on line 4.
const program = '%\nG02X0Y0I5J0F100\nG01X10\nG04\n%\n';

test('speak: the captions and the run\'s marks said again in English, then in Chinese as before', { timeout: 60000 }, async () => {
  const h = await readyHarness();
  try {
    h.send({ type: 'load', text: program });
    const ran = await h.command('run');
    const error = ran.panel.error!;
    const warnings = ran.panel.warnings;
    assert.deepEqual([error.line, error.text.startsWith('第4行'), warnings.map((w) => w.line)], [3, true, [1]]);

    h.send({ type: 'speak', language: 'en' });
    const spoken = await h.next('spoken');
    assert.equal(spoken.paces[spoken.paceIndex].caption, '1 ms/tick (standard)');
    assert.equal(spoken.help.title, 'About this program');
    assert.match(spoken.help.text, /^ {6}This simulator .*G00, G01, G02, G03, .*port\.\r\n$/s);
    for (const text of [...spoken.paces.map((p) => p.caption), ...spoken.methods.map((m) => m.caption), ...spoken.designer]) {
      assert.ok(!chinese.test(text), text);
    }
    const said = await h.next('slice');
    assert.deepEqual([said.panel.error!.line, said.panel.error!.text.startsWith('Line 4'), said.panel.warnings.map((w) => w.line)], [3, true, [1]]);
    for (const w of said.panel.warnings) assert.ok(!chinese.test(w.text), w.text);

    h.send({ type: 'speak', language: 'zh' });
    const back = await h.next('spoken');
    assert.equal(back.paces[back.paceIndex].caption, '1 毫秒/节拍（标准）');
    const again = await h.next('slice');
    assert.deepEqual(again.panel.error, error);
    assert.deepEqual(again.panel.warnings, warnings);
  } finally {
    h.send({ type: 'speak', language: 'zh' });
  }
});
