import workerSource from 'tarvo-worker-source';
import type { PageMessage, WorkerMessage } from '../protocol';
import { say } from './words/say';

// The machine in its worker: the page posts what the user does and hears
// what the machine shows. The worker starts from a Blob URL of its code, the
// only way a page opened from disk may start one.
export class MachineLink {
  private readonly worker: Worker;

  constructor(heard: (m: WorkerMessage) => void, failed: (text: string) => void) {
    const url = URL.createObjectURL(new Blob([workerSource], { type: 'text/javascript' }));
    this.worker = new Worker(url);
    this.worker.addEventListener('message', (e: MessageEvent<WorkerMessage>) => heard(e.data));
    this.worker.addEventListener('error', (e) => failed(e.message || say('模拟器无法启动')));
  }

  post(message: PageMessage): void {
    const transfer = message.type === 'open' ? [message.bytes] : [];
    this.worker.postMessage(message, transfer);
  }
}
