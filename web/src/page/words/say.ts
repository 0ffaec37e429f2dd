import { english } from './english';

// The page's own captions in the language the user chose. The Chinese text
// is the key, as in the machine's catalogue: in Chinese, say gives back its
// argument, so the Chinese page reads as it always has. The machine's texts
// are not here: the worker has the machine say them.
export type Language = 'zh' | 'en';

let spokenNow: Language = 'zh';

export function speak(language: Language): void {
  spokenNow = language;
}

export function spoken(): Language {
  return spokenNow;
}

export function say(chinese: string): string {
  return spokenNow === 'en' ? (english[chinese] ?? chinese) : chinese;
}

// A pattern said, then its numbered slots {1}, {2}, … filled, so that English
// can order its words as it needs.
export function fill(pattern: string, ...values: (string | number)[]): string {
  return say(pattern).replace(/\{(\d)\}/g, (slot, n: string) => String(values[Number(n) - 1] ?? slot));
}

// The language a first visit starts in: Chinese for a browser that prefers
// any Chinese (zh, zh-CN, zh-Hant-TW …), English otherwise.
export function browserLanguage(preferred: readonly string[]): Language {
  return /^zh\b/i.test(preferred[0] ?? '') ? 'zh' : 'en';
}

// The value <html lang> takes.
export const htmlLanguage = (language: Language): string => (language === 'zh' ? 'zh-CN' : 'en');
