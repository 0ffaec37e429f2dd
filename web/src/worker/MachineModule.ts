// The machine's WebAssembly module as the worker sees it: the C++ session
// of src/web/ (MachineSession) through its bindings. Every rule of the
// machine lives there; the worker only drives it and passes its answers on.

import type {
  Ready,
  Slice,
  ParameterTexts,
  ParameterField,
  ViewName,
  DragMode,
  TableRows,
  Pulses,
  Selection,
  IdealPath,
  Compared,
  ExerciseState,
  ClassSummaryAnswer,
} from '../protocol';

export type ParametersAnswer =
  | { type: 'parameters'; accepted: true }
  | { type: 'parameters'; accepted: false; field: ParameterField; text: string; title: string };

export type MethodAnswer = { type: 'method'; accepted: boolean; text?: string };

export type OpenAnswer =
  | { type: 'opened'; name: string; text: string; shown?: string; readOnlyTitle?: string; readOnlyText?: string }
  | { type: 'openRefused'; title: string; text: string };

export interface MachineSession {
  load(text: string): void;
  ready(): Omit<Ready, 'type'>;
  speak(language: 'zh' | 'en'): void;
  takeSlice(): Slice;
  setParameters(texts: ParameterTexts): ParametersAnswer;
  setMethod(key: string, halfLoad: boolean, bits: number): MethodAnswer;
  // False for a name that is no command.
  command(name: string): boolean;
  setPace(index: number): void;
  restartPace(): void;
  // Ticks due after so many wall milliseconds since restartPace(): huge at 最快.
  due(elapsed: number): number;
  // Advances at most so many ticks within so many milliseconds of work; the
  // ticks made.
  advance(ticks: number, milliseconds: number): number;
  advancing(): boolean;
  show(view: ViewName): void;
  drag(mode: DragMode): void;
  pointerMoved(buttons: 'none' | 'left' | 'other', x: number, y: number): void;
  setViewSize(size: number): void;
  // The teaching tools (protocol.ts: TableRows, Pulses, Selection).
  tableRows(first: number, count: number, registers: boolean): TableRows;
  tableCsv(): Uint8Array;
  answersOn(on: boolean): void;
  answerFeed(x: number, y: number, deviation: string): void;
  answerDeviation(deviation: string): void;
  answerOverflow(x: boolean, y: boolean): void;
  pulses(from: number, to: number): Pulses;
  select(serial: number | null): Selection | null;
  selectTick(tick: number): Selection | null;
  selectLine(line: number): Selection | null;
  selectPoint(x: number, y: number): Selection | null;
  idealPath(from: number, line: number): IdealPath;
  // An unknown key's refusal, or null when the comparison started.
  compare(keyA: string, halfLoadA: boolean, keyB: string, halfLoadB: boolean): string | null;
  advanceComparison(ticks: number): boolean;
  cancelComparison(): void;
  comparisonResult(): Compared;
  delete(): void;
}

// 练习: each call answers with the panel's state.
export interface Exercises {
  state(): ExerciseState;
  start(code: string, name: string, number: string, date: string, time: string): ExerciseState;
  answerFeed(x: number, y: number, deviation: string): ExerciseState;
  checkDeviation(deviation: string): ExerciseState;
  answerOverflow(x: boolean, y: boolean): ExerciseState;
  next(): ExerciseState;
  // 新代码: a fresh code from the time; the notice goes.
  drawCode(entropy: number): string;
  csv(): Uint8Array | null;
  report(): string | null;
  delete(): void;
}

export interface MachineModule {
  MachineSession: new () => MachineSession;
  Exercises: new (savedAttempts: string) => Exercises;
  worksheet(code: string, answers: boolean): { code?: string; html?: string; refused?: string };
  classSummary(files: { name: string; bytes: Uint8Array | null }[], date: string): Omit<ClassSummaryAnswer, 'type'>;
  openFile(name: string, bytes: Uint8Array): OpenAnswer;
}

// What the module's script defines (emscripten's MODULARIZE, EXPORT_NAME
// TarvoMachine): a function that loads the module.
export type MachineFactory = () => Promise<MachineModule>;
