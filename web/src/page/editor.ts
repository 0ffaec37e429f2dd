import { say } from './words/say';
import { defaultKeymap, history, historyKeymap } from '@codemirror/commands';
import { Compartment, EditorState, RangeSet, StateEffect, StateField, type Extension, type Range } from '@codemirror/state';
import {
  drawSelection,
  Decoration,
  EditorView,
  GutterMarker,
  ViewPlugin,
  gutter,
  highlightSpecialChars,
  keymap,
  lineNumbers,
  type DecorationSet,
  type ViewUpdate,
} from '@codemirror/view';
import { programWords } from './gcodeWords';

// A line is coloured over its first thousand characters only, as on the
// desktop: an overlong line costs no more than a short one.
const colouredLength = 1000;

const wordMarks = Object.fromEntries(
  (['motion', 'g', 'm', 'coordinate', 'ignored', 'mark'] as const).map((k) => [k, Decoration.mark({ class: `cm-word-${k}` })]),
);

// A long line shows in several visible ranges, when only its parts in sight
// are laid out: each line is coloured once.
function wordDecorations(view: EditorView): DecorationSet {
  const marks: Range<Decoration>[] = [];
  let done = -1; // the end of the last line coloured
  for (const { from, to } of view.visibleRanges) {
    for (let pos = Math.max(from, done + 1); pos <= to; ) {
      const line = view.state.doc.lineAt(pos);
      for (const w of programWords(line.text.slice(0, colouredLength))) {
        marks.push(wordMarks[w.kind].range(line.from + w.from, line.from + w.from + w.length));
      }
      done = line.to;
      pos = line.to + 1;
    }
  }
  return Decoration.set(marks);
}

const wordColours = ViewPlugin.fromClass(
  class {
    decorations: DecorationSet;
    constructor(view: EditorView) {
      this.decorations = wordDecorations(view);
    }
    update(u: ViewUpdate) {
      if (u.docChanged || u.viewportChanged) this.decorations = wordDecorations(u.view);
    }
  },
  { decorations: (p) => p.decorations },
);

const colourTheme = EditorView.baseTheme({
  '.cm-word-motion': { color: '#1f5fb4' },
  '.cm-word-g': { color: '#2a8088' },
  '.cm-word-m': { color: '#863fa8' },
  '.cm-word-coordinate': { color: '#2b783c' },
  '.cm-word-ignored': { color: '#8c8c8c' },
  '.cm-word-mark': { color: '#b86200' },
});

function carriageReturnMark(code: number, description: string | null): HTMLElement {
  const mark = document.createElement('span');
  mark.textContent = code === 13 ? '↵' : '•';
  mark.title = description ?? '';
  mark.className = 'cm-cr';
  return mark;
}

// A program error or warning marked on its line (from 0), the message its tooltip.
export interface LineMark {
  line: number;
  text: string;
  kind: 'error' | 'warning';
}

const setMarks = StateEffect.define<LineMark[]>();

function markDecorations(state: EditorState, marks: LineMark[]): DecorationSet {
  const ranges: Range<Decoration>[] = [];
  for (const m of marks) {
    if (m.line < 0 || m.line >= state.doc.lines) continue;
    const line = state.doc.line(m.line + 1);
    const attributes = { title: m.text };
    ranges.push(Decoration.line({ attributes: { ...attributes, 'data-mark': m.kind } }).range(line.from));
    if (line.length > 0) ranges.push(Decoration.mark({ class: `cm-${m.kind}-word`, attributes }).range(line.from, line.to));
  }
  return Decoration.set(ranges, true);
}

// The marks last until the text changes.
const lineMarks = StateField.define<DecorationSet>({
  create: () => Decoration.none,
  update(marks, tr) {
    for (const e of tr.effects) if (e.is(setMarks)) return markDecorations(tr.state, e.value);
    return tr.docChanged ? Decoration.none : marks;
  },
  provide: (f) => EditorView.decorations.from(f),
});

// The pale band on the line being executed and the current-line marker.
const setRunLines = StateEffect.define<{ executing: number; current: number }>();

class Marker extends GutterMarker {
  toDOM() {
    const span = document.createElement('span');
    span.textContent = '➤';
    span.className = 'cm-marker';
    return span;
  }
}
const marker = new Marker();

interface RunLines {
  band: DecorationSet;
  marker: RangeSet<GutterMarker>;
}

function lineStart(state: EditorState, line: number): number | null {
  return line >= 0 && line < state.doc.lines ? state.doc.line(line + 1).from : null;
}

const runLines = StateField.define<RunLines>({
  create: () => ({ band: Decoration.none, marker: RangeSet.empty }),
  update(value, tr) {
    for (const e of tr.effects) {
      if (!e.is(setRunLines)) continue;
      const band = lineStart(tr.state, e.value.executing);
      const current = lineStart(tr.state, e.value.current);
      return {
        band: band === null ? Decoration.none : Decoration.set([Decoration.line({ class: 'cm-executing' }).range(band)]),
        marker: current === null ? RangeSet.empty : RangeSet.of([marker.range(current)]),
      };
    }
    return tr.docChanged ? { band: value.band.map(tr.changes), marker: value.marker.map(tr.changes) } : value;
  },
  provide: (f) => EditorView.decorations.from(f, (v) => v.band),
});

const markerGutter = gutter({
  class: 'cm-marker-gutter',
  markers: (view) => view.state.field(runLines).marker,
  initialSpacer: () => marker,
});

// The program editor: line numbers, the words coloured by kind, the marks of
// a run. `changed` hears of every edit the user makes.
export class ProgramEditor {
  readonly view: EditorView;
  private readonly editable = new Compartment();
  private lastCaret = -1;
  private lastRunLines = '';
  private replacing = false;
  private lastScroll = -Infinity;
  private whole: string | null = null;
  private loading = false;

  constructor(parent: HTMLElement, changed: () => void) {
    const extensions: Extension[] = [
      // Lines end at line feeds only, as the interpreter counts them: a CR
      // that ends no line stays in its line, shown as ↵ (the interpreter
      // skips it), so a mark lands on the line the machine names.
      EditorState.lineSeparator.of('\n'),
      highlightSpecialChars({ render: carriageReturnMark, specialChars: /\r/g }),
      EditorView.clipboardInputFilter.of((text) => text.replace(/\r\n/g, '\n')),
      lineNumbers(),
      markerGutter,
      // The selection stays in sight while another tool has the focus: the
      // step selected in the table selects its line here.
      drawSelection(),
      history(),
      keymap.of([...defaultKeymap, ...historyKeymap]),
      wordColours,
      colourTheme,
      lineMarks,
      runLines,
      this.editable.of([]),
      EditorView.contentAttributes.of(() => ({ 'aria-label': say('代码编辑区') })),
      EditorView.updateListener.of((u) => {
        if (u.docChanged && !this.replacing) changed();
      }),
    ];
    this.view = new EditorView({ parent, state: EditorState.create({ extensions }) });
  }

  isEmpty(): boolean {
    return this.text() === '';
  }

  text(): string {
    return this.whole ?? this.view.state.doc.toString();
  }

  // The whole text replaced, by a file or a kept program rather than by typing.
  // CR LF pairs become line feeds; ProgramFiles saves them back. `shown`,
  // the text with its long lines cut short, is what the editor shows while
  // text() still gives the program whole.
  setText(text: string, shown?: string): void {
    this.replacing = true;
    const lines = (t: string) => t.replace(/\r\n/g, '\n');
    this.whole = shown === undefined ? null : lines(text);
    const insert = lines(shown ?? text);
    this.view.dispatch({
      changes: { from: 0, to: this.view.state.doc.length, insert },
      selection: { anchor: 0 },
      effects: this.editability(),
    });
    this.replacing = false;
    this.lastCaret = -1;
  }

  // While a long program comes in, or one with lines cut short is shown,
  // the editor takes no typing.
  setReadOnly(loading: boolean): void {
    this.loading = loading;
    this.view.dispatch({ effects: this.editability() });
  }

  private get readOnly(): boolean {
    return this.loading || this.whole !== null;
  }

  private editability(): StateEffect<unknown> {
    return this.editable.reconfigure(this.readOnly ? [EditorState.readOnly.of(true), EditorView.editable.of(false)] : []);
  }

  private mayScroll(): boolean {
    const now = performance.now();
    if (now - this.lastScroll < 500) return false;
    this.lastScroll = now;
    return true;
  }

  // The whole text replaced as an edit of the user's, which Ctrl+Z undoes.
  replaceAll(text: string): void {
    if (this.readOnly) return;
    this.view.dispatch({ changes: { from: 0, to: this.view.state.doc.length, insert: text }, userEvent: 'delete' });
  }

  selection(): string {
    const { from, to } = this.view.state.selection.main;
    return this.view.state.sliceDoc(from, to);
  }

  replaceSelection(text: string): void {
    if (this.readOnly) return;
    this.view.dispatch(this.view.state.replaceSelection(text));
    this.view.focus();
  }

  // The caret's line, from 0.
  caretLine(): number {
    const state = this.view.state;
    return state.doc.lineAt(state.selection.main.head).number - 1;
  }

  // The selected step's program line, selected whole and scrolled into view.
  selectLine(line: number): void {
    if (line < 0 || line >= this.view.state.doc.lines) return;
    const l = this.view.state.doc.line(line + 1);
    this.view.dispatch({ selection: { anchor: l.from, head: l.to }, scrollIntoView: true });
  }

  showMarks(marks: LineMark[]): void {
    this.view.dispatch({ effects: setMarks.of(marks) });
  }

  // The machine's band and marker, and its caret once the run is held or
  // ended: each moved only when it moved. While a run goes on, the caret
  // stays where the user left it and the band's line is scrolled into view
  // twice a second at most: scrolling a long program is costly, and a slow
  // run, which a lesson follows line by line, moves on more rarely.
  showRun(caretLine: number, caretColumn: number, executing: number, current: number, holdsStill: boolean): void {
    // By line and column: a line cut short holds the caret at its end.
    const line = caretLine >= 0 && caretLine < this.view.state.doc.lines ? this.view.state.doc.line(caretLine + 1) : null;
    const caret = line ? Math.min(line.from + caretColumn, line.to) : -1;
    const key = `${executing}/${current}`;
    const effects: StateEffect<unknown>[] = key === this.lastRunLines ? [] : [setRunLines.of({ executing, current })];
    this.lastRunLines = key;
    const band = lineStart(this.view.state, executing);
    if (effects.length && band !== null && !holdsStill && this.mayScroll()) {
      effects.push(EditorView.scrollIntoView(band, { y: 'nearest' }));
    }
    const moved = holdsStill && caret !== this.lastCaret && caret >= 0 && caret <= this.view.state.doc.length;
    if (moved) this.lastCaret = caret;
    if (!moved && effects.length === 0) return;
    this.view.dispatch({
      effects,
      ...(moved ? { selection: { anchor: caret }, scrollIntoView: true } : {}),
    });
  }
}
