import { say } from './say';

// Chinese characters and the Chinese forms of punctuation: a text holding any
// of them is a caption to say in the language chosen.
export const chineseText = /[\u3000-\u303f\u3400-\u4dbf\u4e00-\u9fff\uff00-\uffef]/;

// The attributes that carry a caption: the accessible name, the tooltip and
// the hint in an empty field.
const saidAttributes = ['aria-label', 'title', 'placeholder'];

interface Caption {
  lead: string; // the spaces around the caption stay as the page lays them out
  chinese: string;
  tail: string;
  shown: string;
  read: () => string;
  write: (text: string) => void;
}

// The captions written in the page's HTML, taken once as the page starts,
// before the page writes anything of its own into it, and said again in the
// language chosen at each switch. A caption the page has since replaced with
// a text of its own (a file's name, the machine's read-out) is left to the
// page, which says its own texts as it writes them.
export class PageTexts {
  private readonly captions: Caption[] = [];

  constructor(root: Element, skipped: Element[]) {
    const walker = document.createTreeWalker(root, NodeFilter.SHOW_ELEMENT | NodeFilter.SHOW_TEXT, {
      acceptNode: (n) => (skipped.includes(n as Element) ? NodeFilter.FILTER_REJECT : NodeFilter.FILTER_ACCEPT),
    });
    for (let n: Node | null = walker.currentNode; n; n = walker.nextNode()) {
      if (n instanceof Text) this.take(n.data, () => n.data, (t) => (n.data = t));
      else if (n instanceof Element) {
        for (const a of saidAttributes) {
          const value = n.getAttribute(a);
          if (value !== null) this.take(value, () => n.getAttribute(a) ?? '', (t) => n.setAttribute(a, t));
        }
      }
    }
  }

  sayAgain(): void {
    for (const c of this.captions) {
      if (c.read() !== c.shown) continue;
      c.shown = c.lead + say(c.chinese) + c.tail;
      c.write(c.shown);
    }
  }

  private take(text: string, read: () => string, write: (text: string) => void): void {
    if (!chineseText.test(text)) return;
    const [, lead, chinese, tail] = /^(\s*)([^]*?)(\s*)$/.exec(text)!;
    this.captions.push({ lead, chinese, tail, shown: text, read, write });
  }
}
