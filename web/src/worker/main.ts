// The worker's entry. Its script is the machine's module (which defines
// TarvoMachine) followed by this bundle; messages that come before the
// module has loaded wait for it.

import type { PageMessage, WorkerMessage } from '../protocol';
import type { MachineFactory } from './MachineModule';
import { MachineWorker } from './MachineWorker';
import { eventLoopClock } from './RunLoop';
import * as said from '../page/words/say';

declare const TarvoMachine: MachineFactory;

const waiting: PageMessage[] = [];
let worker: MachineWorker | null = null;

self.onmessage = (event: MessageEvent<PageMessage>) => {
  if (worker) {
    worker.handle(event.data);
  } else {
    waiting.push(event.data);
  }
};

TarvoMachine().then(
  (module) => {
    const post = (message: WorkerMessage, transfer: Transferable[]) => self.postMessage(message, transfer);
    worker = new MachineWorker(module, post, eventLoopClock());
    for (const message of waiting.splice(0)) worker.handle(message);
  },
  (error: unknown) => {
    // Said in the language the page asked for, though no machine heard it.
    const asked = waiting.filter((m) => m.type === 'speak').pop();
    if (asked?.type === 'speak') said.speak(asked.language);
    self.postMessage({ type: 'failed', text: said.fill('机床模块无法加载：{1}', String(error)) });
  },
);
