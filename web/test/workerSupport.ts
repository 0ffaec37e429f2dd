// What the worker tests share: the machine's module loaded in Node, a worker
// driven by messages as the page drives it, and the golden folders' recorded
// runs loaded into it as the page loads a program.

import { after } from 'node:test';
import assert from 'node:assert/strict';
import { readFileSync } from 'node:fs';
import { createRequire } from 'node:module';
import { resolve } from 'node:path';
import type { Drawing, PageMessage, WorkerMessage, Slice, ParameterTexts, ViewName } from '../src/protocol';
import type { MachineFactory, MachineModule } from '../src/worker/MachineModule';
import { MachineWorker } from '../src/worker/MachineWorker';
import { eventLoopClock } from '../src/worker/RunLoop';

export const root = process.env.TARVO_ROOT ?? resolve(__dirname, '../..');

let loaded: Promise<MachineModule> | null = null;

// The module as the worker loads it; built by the wasm preset.
export function machineModule(): Promise<MachineModule> {
  const path = process.env.TARVO_MACHINE ?? resolve(root, 'build/wasm/src/web/tarvo-machine.js');
  loaded ??= (createRequire(__filename)(path) as MachineFactory)();
  return loaded;
}

type Wanted<T extends WorkerMessage['type']> = Extract<WorkerMessage, { type: T }>;

// A worker as the page sees it: messages in, messages out, in order.
export class Harness {
  readonly received: WorkerMessage[] = [];
  private waiters: (() => void)[] = [];
  private taken = 0; // messages up to here have been looked through
  private readonly clock = eventLoopClock();
  readonly worker: MachineWorker;

  constructor(module: MachineModule) {
    this.worker = new MachineWorker(
      module,
      (message) => {
        this.received.push(message);
        for (const wake of this.waiters.splice(0)) wake();
      },
      this.clock,
    );
  }

  send(message: PageMessage): void {
    this.worker.handle(message);
  }

  // The first message of that type satisfying the test after the last one
  // taken, waiting for it if need be: the worker answers most messages
  // before send() returns.
  async next<T extends WorkerMessage['type']>(
    type: T,
    test: (m: Wanted<T>) => boolean = () => true,
  ): Promise<Wanted<T>> {
    for (let at = this.taken; ; ) {
      for (; at < this.received.length; ++at) {
        const m = this.received[at];
        if (m.type === type && test(m as Wanted<T>)) {
          this.taken = at + 1;
          return m as Wanted<T>;
        }
      }
      await new Promise<void>((wake) => this.waiters.push(wake));
    }
  }

  // Sends a command and waits for the slice that shows the machine stopped
  // advancing after it: a run ended, failed, or was held.
  async command(command: Extract<PageMessage, { type: 'command' }>['command']): Promise<Slice> {
    this.taken = this.received.length;
    this.send({ type: 'command', command });
    return this.next('slice', (slice) => !slice.panel.advancing);
  }

  // Every modal posted so far, or since the message at `from`.
  modals(from = 0): { title: string; text: string }[] {
    return this.received.slice(from).flatMap((m) => (m.type === 'slice' ? m.modals : []));
  }

  close(): void {
    this.worker.close();
    this.clock.close();
  }
}

export const fastest = 6; // the 速度 box's 最快

// A recorded run of the runner: its program, its parameters as the dialog's
// texts, its method, and what the --json report says at its end (read when
// asked: not every folder keeps one).
export type GoldenRun = ReturnType<typeof goldenRun>;
export function goldenRun(name: string) {
  const folder = resolve(root, 'tests/golden', name);
  const read = (file: string) => readFileSync(resolve(folder, file), 'utf8').trim();
  let args: string[] = [];
  try {
    args = read('args').split(/\s+/).filter(Boolean);
  } catch {
    // no arguments
  }
  let programPath = resolve(folder, 'program.nc');
  if (args[0]?.startsWith('@CASE@')) programPath = resolve(folder, args.shift()!.replace('@CASE@/', ''));
  const parameters: ParameterTexts = { g54x: '0', g54y: '0', g54z: '0', bei: '1', dl: '1' };
  const method = { key: 'machine', halfLoad: false, bits: 0 };
  for (let i = 0; i < args.length; ++i) {
    const [flag, value] = [args[i], args[i + 1]];
    if (flag === '--half-load') method.halfLoad = true;
    else if (flag === '--dl' || flag === '--bei') parameters[flag === '--dl' ? 'dl' : 'bei'] = value;
    else if (flag === '--g54') [parameters.g54x, parameters.g54y, parameters.g54z] = value.split(',');
    else if (flag === '--method') method.key = value;
    else if (flag === '--bits') method.bits = Number(value);
    else throw new Error(`${name}: the worker tests know no ${flag}`);
    if (flag !== '--half-load') ++i;
  }
  return {
    name,
    program: new Uint8Array(readFileSync(programPath)),
    parameters,
    method,
    get expected(): { message: string | null; ticks: number; xcur: number; ycur: number; zcur: number; out: string } {
      return JSON.parse(read('expected.json'));
    },
  };
}

// A worker whose machine is ready, closed when the test file's tests end.
const opened: Harness[] = [];
after(() => opened.forEach((h) => h.close()));

export async function readyHarness(): Promise<Harness> {
  const h = new Harness(await machineModule());
  opened.push(h);
  await h.next('ready');
  return h;
}

// A recorded run's parameters and method given as the page gives them, 最快
// chosen and its program loaded: the text given, or the file read as UTF-8.
export async function loadRun(h: Harness, run: GoldenRun, text = new TextDecoder().decode(run.program)): Promise<Harness> {
  h.send({ type: 'parameters', texts: run.parameters });
  assert.deepEqual(await h.next('parameters'), { type: 'parameters', accepted: true });
  h.send({ type: 'method', ...run.method });
  assert.equal((await h.next('method')).accepted, true);
  h.send({ type: 'pace', index: fastest });
  h.send({ type: 'load', text });
  return h;
}

// What the page shows of a view: the drawings since the last restart.
export function shown(h: Harness, view: ViewName): Drawing[] {
  const drawn = h.received.flatMap((m) => (m.type === 'slice' ? m.drawings : [])).filter((d) => d.view === view);
  return drawn.slice(drawn.map((d) => d.restart).lastIndexOf(true));
}

// Their lines, four numbers each.
export function lines(drawings: Drawing[]): number[] {
  return drawings.flatMap((d) => Array.from(d.lines));
}
