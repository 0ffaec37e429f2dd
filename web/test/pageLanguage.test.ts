import assert from 'node:assert/strict';
import { readdirSync, readFileSync } from 'node:fs';
import { join, resolve } from 'node:path';
import { test } from 'node:test';
import { english } from '../src/page/words/english';
import { chineseText } from '../src/page/words/pageTexts';
import { browserLanguage, fill, htmlLanguage, say, speak } from '../src/page/words/say';

// Compiled into build/web-test, two floors under the top of the tree.
const sources = resolve(__dirname, '../../web/src');

// Captions that stay as they are in both languages: each language's name in
// its own words.
const keptAsTheyAre = new Set(['中文']);

const slots = (text: string) => [...text.matchAll(/\{\d\}/g)].map((m) => m[0]).sort();

function speaking<T>(language: 'zh' | 'en', body: () => T): T {
  speak(language);
  try {
    return body();
  } finally {
    speak('zh');
  }
}

test('Chinese says every caption as written; English says it from the dictionary, its slots in its own order', () => {
  const zh = speaking('zh', () => [say('运行'), say('一个没有英文的字'), fill('已打开 {1}', '零件.nc'), fill('{1}（副本{2}）{3}', '零件', ' 2', '.nc')]);
  assert.deepEqual(zh, ['运行', '一个没有英文的字', '已打开 零件.nc', '零件（副本 2）.nc']);
  const en = speaking('en', () => [say('运行'), say('单步：后退一步'), fill('寄存器位数 N：{1} 位...', 8), fill('{1}  节拍 {2}（{3}）  第{4}行  输出 {5}', 'Cursor', 12, 'interpreter', 3, '01010101'), say('中文')]);
  assert.deepEqual(en, ['Run', 'Single step: back one step', 'Register width N: 8 bits...', 'Cursor  tick 12 (interpreter)  line 3  output 01010101', '中文']);
});

test('a first visit speaks Chinese to a browser that prefers any Chinese, English to every other', () => {
  for (const zh of [['zh'], ['zh-CN', 'en'], ['zh-TW'], ['zh-Hant-HK'], ['ZH-cn']]) assert.equal(browserLanguage(zh), 'zh', zh.join());
  for (const en of [['en-US'], ['en-GB', 'zh-CN'], ['fr'], ['ja-JP'], [''], [], ['zhx']]) assert.equal(browserLanguage(en), 'en', en.join());
  assert.equal(htmlLanguage('zh'), 'zh-CN');
  assert.equal(htmlLanguage('en'), 'en');
});

test('every English caption is free of Chinese and keeps its Chinese slots', () => {
  for (const [chinese, text] of Object.entries(english)) {
    assert.ok(chineseText.test(chinese) || /\{\d\}/.test(chinese), `a key that is no Chinese caption: ${chinese}`);
    assert.ok(!chineseText.test(text), `Chinese left in the English of ${chinese}: ${text}`);
    assert.deepEqual(slots(text), slots(chinese), chinese);
  }
});

// The page's HTML and its sources, every Chinese text outside comments.
function htmlCaptions(): string[] {
  const html = readFileSync(join(sources, 'page/index.html'), 'utf8');
  const texts = [...html.matchAll(/>([^<]+)</g)].map((m) => m[1]);
  const attributes = [...html.matchAll(/(?:aria-label|title|placeholder)="([^"]*)"/g)].map((m) => m[1]);
  return [...texts, ...attributes].map((t) => t.trim()).filter((t) => chineseText.test(t));
}

function sourceLiterals(): { file: string; literal: string }[] {
  const found: { file: string; literal: string }[] = [];
  for (const folder of ['page', 'page/words', 'worker']) {
    for (const name of readdirSync(join(sources, folder)).filter((n) => n.endsWith('.ts') && n !== 'english.ts')) {
      const code = readFileSync(join(sources, folder, name), 'utf8').replace(/^\s*\/\/.*$/gm, '').replace(/\s\/\/ .*$/gm, '');
      for (const m of code.matchAll(/'((?:[^'\\\n]|\\.)*)'|`([^`]*)`/g)) {
        const literal = m[1] ?? m[2];
        if (chineseText.test(literal)) found.push({ file: `${folder}/${name}`, literal });
      }
    }
  }
  return found;
}

test("the dictionary holds every Chinese caption of the page's HTML", () => {
  const missing = htmlCaptions().filter((t) => !(t in english));
  assert.deepEqual(missing, []);
});

test("the dictionary holds every Chinese text of the page's and the worker's sources, none built by concatenation", () => {
  const literals = sourceLiterals();
  assert.ok(literals.length > 50, 'the sources were read');
  const missing = literals.filter(({ literal }) => !(literal in english) && !keptAsTheyAre.has(literal));
  assert.deepEqual(missing, []);
});
