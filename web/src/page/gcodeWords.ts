// What a piece of a program line is to the interpreter, for the editor's
// colours: the kinds the desktop editor colours, named as its table names them.
export type WordKind = 'motion' | 'g' | 'm' | 'coordinate' | 'ignored' | 'mark';

export interface Word {
  from: number; // UTF-16 offset in the line
  length: number;
  kind: WordKind;
}

// The interpreter counts only the first nine characters of a number text.
const numberTextLength = 9;

const motions = new Set(['0', '00', '1', '01', '2', '02', '3', '03']);

const isDigit = (c: string) => c >= '0' && c <= '9';

// X, Y, Z and I take a sign anywhere in their run; J stops at a "+".
const inCoordinate = (plusAllowed: boolean) => (c: string) =>
  isDigit(c) || c === '.' || c === '-' || (plusAllowed && c === '+');

// The interpreter reads bytes: only ASCII letters start words (a Kelvin sign
// or a dotted capital I is no K or I to it).
function asciiLower(c: string): string {
  return c >= 'A' && c <= 'Z' ? c.toLowerCase() : c;
}

function runLength(line: string, from: number, belongs: (c: string) => boolean): number {
  let end = from;
  while (end < line.length && belongs(line[end])) ++end;
  return end - from;
}

// Splits one line into its words the way the interpreter reads them, letter
// by letter, without judging them: a word a run would reject still gets the
// kind of its letter. Blanks and characters no word takes are left out.
export function programWords(line: string): Word[] {
  const words: Word[] = [];
  let at = 0;
  while (at < line.length) {
    const letter = asciiLower(line[at]);
    if (letter === 'g' || letter === 'm') {
      const digits = runLength(line, at + 1, isDigit);
      const motion = letter === 'g' && motions.has(line.substr(at + 1, digits));
      words.push({ from: at, length: 1 + digits, kind: letter === 'm' ? 'm' : motion ? 'motion' : 'g' });
      at += 1 + digits;
    } else if ('xyzij'.includes(letter)) {
      const run = runLength(line, at + 1, inCoordinate(letter !== 'j'));
      const counted = Math.min(run, numberTextLength);
      words.push({ from: at, length: 1 + counted, kind: 'coordinate' });
      if (run > counted) words.push({ from: at + 1 + counted, length: run - counted, kind: 'ignored' });
      at += 1 + run;
    } else if (letter >= 'a' && letter <= 'z') {
      const run = runLength(line, at + 1, inCoordinate(true));
      words.push({ from: at, length: 1 + run, kind: 'ignored' });
      at += 1 + run;
    } else {
      if (line[at] === '%') words.push({ from: at, length: 1, kind: 'mark' });
      ++at;
    }
  }
  return words;
}
