// The worker's side of the protocol: each page message becomes a call into
// the machine, each answer a message back. The machine's slices are posted
// with their line buffers transferred, not copied.

import type { PageMessage, WorkerMessage, Slice } from '../protocol';
import type { MachineModule, MachineSession } from './MachineModule';
import { RunLoop, type LoopClock } from './RunLoop';

export type Post = (message: WorkerMessage, transfer: Transferable[]) => void;

export class MachineWorker {
  private readonly session: MachineSession;
  private readonly loop: RunLoop;
  private failed = false;

  constructor(
    private readonly module: MachineModule,
    private readonly post: Post,
    clock: LoopClock,
  ) {
    this.session = new module.MachineSession();
    this.loop = new RunLoop(this.session, () => this.postSlice(), clock);
    this.post({ type: 'ready', ...this.session.ready() }, []);
    this.loop.commanded();
  }

  handle(message: PageMessage): void {
    if (this.failed) return;
    try {
      this.take(message);
    } catch (error) {
      // The module broke a promise of its own: nothing it says can be trusted now.
      this.failed = true;
      this.loop.close();
      this.post({ type: 'failed', text: `机床模块出错：${String(error)}` }, []);
    }
  }

  close(): void {
    this.loop.close();
    this.session.delete();
  }

  private take(message: PageMessage): void {
    const s = this.session;
    switch (message.type) {
      case 'load':
        s.load(message.text);
        return;
      case 'open':
        this.post(this.module.openFile(message.name, new Uint8Array(message.bytes)), []);
        return;
      case 'parameters':
        this.post(s.setParameters(message.texts), []);
        return;
      case 'method':
        this.post(s.setMethod(message.key, message.halfLoad, message.bits), []);
        return;
      case 'command':
        s.command(message.command);
        break;
      case 'pace':
        s.setPace(message.index);
        this.loop.paceChanged();
        return;
      case 'view':
        s.show(message.view);
        break;
      case 'drag':
        s.drag(message.mode);
        break;
      case 'pointer':
        s.pointerMoved(message.buttons, message.x, message.y);
        break;
      case 'viewSize':
        s.setViewSize(Math.max(1, Math.round(message.size)));
        break;
    }
    this.loop.commanded();
  }

  private postSlice(): void {
    const slice: Slice = this.session.takeSlice();
    const transfer = slice.drawings.flatMap((d) => [d.lines.buffer, d.colours.buffer]);
    this.post(slice, transfer);
  }
}
