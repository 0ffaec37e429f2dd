// The worker's side of the protocol: each page message becomes a call into
// the machine, each answer a message back. The machine's slices are posted
// with their line buffers transferred, not copied.

import type { PageMessage, WorkerMessage, Slice } from '../protocol';
import type { Exercises, MachineModule, MachineSession } from './MachineModule';
import { RunLoop, type LoopClock } from './RunLoop';
import * as said from '../page/words/say';

export type Post = (message: WorkerMessage, transfer: Transferable[]) => void;

export class MachineWorker {
  private readonly session: MachineSession;
  private readonly loop: RunLoop;
  private failed = false;
  private comparing = false;
  private exercises: Exercises | null = null;
  // Timer ticks of 方法对比 between two turns of the event loop: some milliseconds.
  static readonly comparisonSlice = 16384;

  constructor(
    private readonly module: MachineModule,
    private readonly post: Post,
    private readonly clock: LoopClock,
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
      this.post({ type: 'failed', text: said.fill('机床模块出错：{1}', String(error)) }, []);
    }
  }

  close(): void {
    this.loop.close();
    this.exercises?.delete();
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
      case 'speak':
        this.speak(message.language);
        break;
      default:
        this.teach(message);
        return;
    }
    this.loop.commanded();
  }

  // Texts made from now on are in the language asked for; what the page
  // shows of the machine's own is sent again, said in it.
  private speak(language: 'zh' | 'en'): void {
    said.speak(language);
    this.session.speak(language);
    this.post({ ...this.session.ready(), type: 'spoken' }, []);
    if (this.exercises) this.post(this.exercises.state(), []);
    if (!this.comparing) this.post(this.session.comparisonResult(), []);
  }

  // The teaching tools' questions are answered at once; an answer to
  // 先答后看 changes the table, which the next slice shows.
  private teach(message: PageMessage): void {
    const s = this.session;
    switch (message.type) {
      case 'tableRows':
        this.post(s.tableRows(message.first, message.count, message.registers), []);
        return;
      case 'tableCsv': {
        const bytes = s.tableCsv();
        this.post({ type: 'tableCsv', bytes: bytes.buffer as ArrayBuffer }, [bytes.buffer as ArrayBuffer]);
        return;
      }
      case 'pulses': {
        const pulses = s.pulses(message.from, message.to);
        const buffers = [pulses.ticks, pulses.lines, pulses.bits, pulses.timers].map((a) => a.buffer as ArrayBuffer);
        this.post(pulses, buffers);
        return;
      }
      case 'idealPath': {
        const path = s.idealPath(message.from, message.line);
        this.post(path, [path.lines, path.current, path.steps].map((a) => a.buffer as ArrayBuffer));
        return;
      }
      case 'compare': {
        const refused = s.compare(message.a.key, message.a.halfLoad, message.b.key, message.b.halfLoad);
        if (refused !== null) {
          this.post({ ...s.comparisonResult(), refused }, []);
          return;
        }
        this.post(s.comparisonResult(), []);
        this.compareOn();
        return;
      }
      case 'cancelCompare':
        s.cancelComparison();
        return;
      case 'exerciseAttempts':
      case 'exerciseCode':
      case 'exerciseStart':
      case 'exerciseFeed':
      case 'exerciseDeviation':
      case 'exerciseOverflow':
      case 'exerciseNext':
      case 'exerciseCsv':
      case 'exerciseReport':
      case 'worksheet':
      case 'classSummary':
        this.exercise(message);
        return;
      case 'select':
        this.post({ type: 'selected', selection: s.select(message.serial) }, []);
        return;
      case 'selectTick':
        this.post({ type: 'selected', selection: s.selectTick(message.tick) }, []);
        return;
      case 'selectLine':
        this.post({ type: 'selected', selection: s.selectLine(message.line) }, []);
        return;
      case 'selectPoint':
        this.post({ type: 'selected', selection: s.selectPoint(message.x, message.y) }, []);
        return;
      case 'answersOn':
        s.answersOn(message.on);
        break;
      case 'answerFeed':
        s.answerFeed(message.feed.x, message.feed.y, message.deviation);
        break;
      case 'answerDeviation':
        s.answerDeviation(message.deviation);
        break;
      case 'answerOverflow':
        s.answerOverflow(message.x, message.y);
        break;
      default:
        return;
    }
    this.loop.commanded();
  }

  // 练习: none of it touches the machine.
  private exercise(message: PageMessage): void {
    const m = this.module;
    if (message.type === 'exerciseAttempts') {
      this.exercises?.delete();
      this.exercises = new m.Exercises(message.saved);
      this.post(this.exercises.state(), []);
      return;
    }
    const e = (this.exercises ??= new m.Exercises(''));
    switch (message.type) {
      case 'exerciseCode':
        this.post({ type: 'exerciseCode', code: e.drawCode(Date.now()) }, []);
        this.post(e.state(), []);
        return;
      case 'exerciseStart':
        this.post(e.start(message.code, message.name, message.number, message.date, message.time), []);
        return;
      case 'exerciseFeed':
        this.post(e.answerFeed(message.feed.x, message.feed.y, message.deviation), []);
        return;
      case 'exerciseDeviation':
        this.post(e.checkDeviation(message.deviation), []);
        return;
      case 'exerciseOverflow':
        this.post(e.answerOverflow(message.x, message.y), []);
        return;
      case 'exerciseNext':
        this.post(e.next(), []);
        return;
      case 'exerciseCsv': {
        const bytes = e.csv();
        if (bytes) this.post({ type: 'exerciseFile', kind: 'csv', bytes: bytes.buffer as ArrayBuffer }, [bytes.buffer as ArrayBuffer]);
        return;
      }
      case 'exerciseReport': {
        const text = e.report();
        if (text !== null) this.post({ type: 'exerciseFile', kind: 'html', text }, []);
        return;
      }
      case 'worksheet':
        this.post({ type: 'worksheet', ...m.worksheet(message.code, message.answers) }, []);
        return;
      case 'classSummary': {
        const files = message.files.map((f) => ({ name: f.name, bytes: f.bytes ? new Uint8Array(f.bytes) : null }));
        this.post({ type: 'classSummary', ...m.classSummary(files, message.date) }, []);
        return;
      }
      default:
        return;
    }
  }

  // One slice of the comparison a turn of the event loop, its result posted
  // once it is over (finished or cancelled).
  private compareOn(): void {
    if (this.comparing) return;
    this.comparing = true;
    const slice = () => {
      if (this.failed) return;
      try {
        if (this.session.advanceComparison(MachineWorker.comparisonSlice)) {
          this.clock.soon(slice);
          return;
        }
        this.comparing = false;
        this.post(this.session.comparisonResult(), []);
      } catch (error) {
        this.failed = true;
        this.loop.close();
        this.post({ type: 'failed', text: said.fill('机床模块出错：{1}', String(error)) }, []);
      }
    };
    this.clock.soon(slice);
  }

  private postSlice(): void {
    const slice: Slice = this.session.takeSlice();
    const transfer = slice.drawings.flatMap((d) => [d.lines.buffer, d.colours.buffer]);
    this.post(slice, transfer);
  }
}
