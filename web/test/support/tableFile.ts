import { readFileSync } from 'node:fs';
import { join } from 'node:path';

// The tables of hand-checked cases under tests/data, read as the C++ suites
// read them: one case a tab-separated line under a "# " header line naming
// the columns; other "#" lines are comments; \n, \r, \t, \\ and \xHH stand
// for their bytes.
export type Row = Record<string, string> & { line: string };

// The test runner names the top of the tree, as the tests run compiled elsewhere.
const dataFolder = join(process.env.TARVO_ROOT ?? '.', 'tests/data');

function unescaped(field: string): string {
  const plain: Record<string, string> = { n: '\n', r: '\r', t: '\t', '\\': '\\' };
  // A run of \xHH stands for bytes, which may spell a character of several.
  return field.replace(/(?:\\x[0-9a-fA-F]{2})+|\\(.)/g, (escape: string, c?: string) => {
    if (c === undefined) return Buffer.from(escape.replace(/\\x/g, ''), 'hex').toString('utf8');
    if (!(c in plain)) throw new Error(`unknown escape \\${c}`);
    return plain[c];
  });
}

export function tableRows(name: string): Row[] {
  const lines = readFileSync(join(dataFolder, name), 'utf8').split('\n');
  let columns: string[] | null = null;
  const rows: Row[] = [];
  lines.forEach((text, i) => {
    if (text === '') return;
    if (text.startsWith('#')) {
      if (!columns && text.startsWith('# ')) columns = text.slice(2).split('\t');
      return;
    }
    if (!columns) throw new Error(`${name}:${i + 1} comes before the header`);
    const fields = text.split('\t');
    if (fields.length !== columns.length) throw new Error(`${name}:${i + 1} has ${fields.length} fields`);
    const row = { line: `${name}:${i + 1}` } as Row;
    columns.forEach((c, k) => (row[c] = unescaped(fields[k])));
    rows.push(row);
  });
  return rows;
}
