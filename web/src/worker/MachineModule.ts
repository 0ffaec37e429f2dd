// The machine's WebAssembly module as the worker sees it: the C++ session
// of src/web/ (MachineSession) through its bindings. Every rule of the
// machine lives there; the worker only drives it and passes its answers on.

import type { Ready, Slice, ParameterTexts, ParameterField, ViewName } from '../protocol';

export type ParametersAnswer =
  | { type: 'parameters'; accepted: true }
  | { type: 'parameters'; accepted: false; field: ParameterField; text: string; title: string };

export type MethodAnswer = { type: 'method'; accepted: boolean; text?: string };

export type OpenAnswer =
  | { type: 'opened'; name: string; text: string }
  | { type: 'openRefused'; title: string; text: string };

// The machine's own figures, named as the runner's --json report names them:
// positions in tenths of a millimetre, exactly; the output byte's bits 0 … 7.
export interface Figures {
  ticks: number;
  timer1_ticks: number;
  timer2_ticks: number;
  xcur: string;
  ycur: string;
  zcur: string;
  out: string;
  steps: number;
}

export interface MachineSession {
  load(text: string): void;
  ready(): Omit<Ready, 'type'>;
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
  drag(mode: 'pan' | 'rotate'): void;
  pointerMoved(buttons: 'none' | 'left' | 'other', x: number, y: number): void;
  setViewSize(size: number): void;
  figures(): Figures;
  delete(): void;
}

export interface MachineModule {
  MachineSession: new () => MachineSession;
  openFile(name: string, bytes: Uint8Array): OpenAnswer;
}

// What the module's script defines (emscripten's MODULARIZE, EXPORT_NAME
// TarvoMachine): a function that loads the module.
export type MachineFactory = () => Promise<MachineModule>;
