// The messages between the page and the machine's worker. The machine (the
// same C++ as the desktop's, compiled to WebAssembly) lives in the worker;
// the page only shows what the worker posts and posts what the user does.
// Every text a user reads (messages, read-outs, captions of paces and
// methods) comes from the machine, exactly as the desktop shows it.

// ---------------------------------------------------------------- page → worker

// The run commands, as the desktop's control panel and 运行 menu have them:
// 运行 (F5), 暂停 (F9), 停止, 单步：一个节拍 (F6), 单步：一步插补 (F7),
// 单步：到本行结束 (F8), 单步：后退一步 (Shift+F7). A command the machine
// cannot act on at the moment does nothing (see Enabled).
export type Command = 'run' | 'pause' | 'stop' | 'stepTick' | 'stepIteration' | 'stepLine' | 'stepBack';

export type ViewName = 'axonometric' | 'plan' | 'magnified';

// What a left-button drag over the magnified view does; 'none' before any
// mode is chosen.
export type DragMode = 'none' | 'pan' | 'rotate';

// The parameter dialog's five fields, in its order, by their settings keys:
// 工件原点 XC, YC, ZC (mm), 放大倍数, 脉冲当量 (mm).
export type ParameterField = 'g54x' | 'g54y' | 'g54z' | 'bei' | 'dl';
export type ParameterTexts = Record<ParameterField, string>;

export type PageMessage =
  // The program as the editor holds it. A fresh Run or step (on an idle
  // machine) starts from the text loaded last; a run under way keeps its own.
  | { type: 'load'; text: string }
  // A file the user opened: its bytes are decoded as the desktop decodes a
  // program file (UTF-8, else GB18030; at most 64 MiB). Answered by 'opened'.
  | { type: 'open'; name: string; bytes: ArrayBuffer }
  // The parameter dialog's 确定: the texts as typed. Answered by 'parameters':
  // accepted, or the first field refused with the desktop's message. Accepted
  // values drive the next fresh run; the origin read-outs show them then.
  | { type: 'parameters'; texts: ParameterTexts }
  // 教学 → 插补方法: a key of Ready.methods, 半加载, and 寄存器位数 N (0 自动, 1 … 32).
  // Taken at the next fresh run. Answered by 'method' (refused only for an
  // unknown key or a width outside 0 … 32).
  | { type: 'method'; key: string; halfLoad: boolean; bits: number }
  | { type: 'command'; command: Command }
  // The 速度 box: an index into Ready.paces. Takes effect at once.
  | { type: 'pace'; index: number }
  // Shows a view (主视图 is 'plan'; 清屏.. shows 'magnified' after emptying
  // the editor); the machine itself shows the plan view at Run and the
  // magnified one at a drag mode.
  | { type: 'view'; view: ViewName }
  // 视图 → 放大图平移 / 放大图旋转: shows the magnified view in that drag mode.
  // 'none' gives back the mode of a page that never chose one, after a
  // gesture that lent the view a mode: a drag then moves nothing.
  | { type: 'drag'; mode: DragMode }
  // A pointer move over the magnified view, in its pixels (0 … viewSize, from
  // the top-left corner): a drag is the left button held alone.
  | { type: 'pointer'; buttons: 'none' | 'left' | 'other'; x: number; y: number }
  // The side of the square views in device pixels (default 481). Every view
  // is then handed over whole again at that size (restart: true), except one
  // whose drawing outgrew what the worker keeps of it (32 MiB of points):
  // the page scales the picture it has.
  | { type: 'viewSize'; size: number }
  // 视图 → 语言: the machine says every text from now on in this language,
  // the marks of the last run on the program too. Answered by 'spoken', then
  // by the exercise's state when one is under way and by a slice.
  | { type: 'speak'; language: 'zh' | 'en' }
  // ---- the teaching tools
  // 插补过程表: the kept rows first … first + count - 1 by serial (see
  // TableState), in the textbook's columns or (registers: true) as the
  // machine's registers (机床寄存器). Answered by 'tableRows'; the page asks
  // only for the rows it shows, again whenever TableState.revision changes.
  | { type: 'tableRows'; first: number; count: number; registers: boolean }
  // 导出 CSV: answered by 'tableCsv' with the bytes the desktop writes.
  | { type: 'tableCsv' }
  // 先答后看 on or off.
  | { type: 'answersOn'; on: boolean }
  // The question's feed button pressed (x, y each −1, 0 or 1 as in
  // TableState.feeds), with the new F as typed ('' when none): both marked.
  | { type: 'answerFeed'; feed: { x: number; y: number }; deviation: string }
  // Enter in the new-F field alone: only F is marked.
  | { type: 'answerDeviation'; deviation: string }
  // The overflows ticked (JRx 溢出, JRy 溢出) and 提交.
  | { type: 'answerOverflow'; x: boolean; y: boolean }
  // 脉冲时序图: the kept ticks from … to (tick numbers of the run, from 1,
  // both included, see PulseState). Answered by 'pulses'.
  | { type: 'pulses'; from: number; to: number }
  // The linked selection, chosen in one tool: a row of the table (serial,
  // null for none), a tick of the timing diagram (the newest row made by
  // then), a line of the editor (from 0: its first row), or a press in the
  // plan view at its pixels (the newest step point within 5 pixels).
  // Answered by 'selected' (null where no kept row answers).
  | { type: 'select'; serial: number | null }
  | { type: 'selectTick'; tick: number }
  | { type: 'selectLine'; line: number }
  | { type: 'selectPoint'; x: number; y: number }
  // The plan view's overlay (教学 → 显示理想轨迹, 突出所选行的步点): the exact
  // path of the finished segments from index `from` on (0 for all, or the
  // IdealPath.finished the page has already drawn, as long as IdealPath.run
  // and the view's size stay the same), the segment under way, the read-out,
  // and the steps of a picked program line (from 0; -1 for none). Answered
  // by 'idealPath'.
  | { type: 'idealPath'; from: number; line: number }
  // 教学 → 方法对比: 对比 runs the loaded program with the parameters of the
  // next fresh run under method A, then B (keys of Ready.methods; 半加载 counts
  // for digital integration only), in slices, while the worker answers
  // everything else. Answered at once by 'compared' with running: true, and
  // by another when done. A new 对比 cancels the one under way.
  | { type: 'compare'; a: { key: string; halfLoad: boolean }; b: { key: string; halfLoad: boolean } }
  // 取消: the comparison ends with what it ran so far ("已取消，只比较已走的部分。").
  | { type: 'cancelCompare' }
  // ---- 练习 (answered by 'exercise' with the panel's state, unless said otherwise)
  // The attempts counted on this browser so far (ExerciseState.savedAttempts,
  // kept by the page); send it before the first 开始. Answered by 'exercise'.
  | { type: 'exerciseAttempts'; saved: string }
  // 新代码: a fresh code from the time. Answered by 'exerciseCode', then by
  // 'exercise' (the notice gone).
  | { type: 'exerciseCode' }
  // 开始 with the code, 姓名 and 学号 as typed, and the
  // local date (YYYY-MM-DD) and time (HH:MM:SS) read off the page's clock.
  | { type: 'exerciseStart'; code: string; name: string; number: string; date: string; time: string }
  // A feed pressed with the new F as typed ('' for none: 未答).
  | { type: 'exerciseFeed'; feed: { x: number; y: number }; deviation: string }
  // Enter in the F field: only checks it.
  | { type: 'exerciseDeviation'; deviation: string }
  | { type: 'exerciseOverflow'; x: boolean; y: boolean }
  // 下一题 / 看成绩.
  | { type: 'exerciseNext' }
  // 导出 CSV (early or at the score) and 导出网页: answered by 'exerciseFile'.
  | { type: 'exerciseCsv' }
  | { type: 'exerciseReport' }
  // 工作单 / 答案 of a code, as the runner's --worksheet / --answers write
  // them. Answered by 'worksheet'.
  | { type: 'worksheet'; code: string; answers: boolean }
  // 班级汇总 of the students' exercise files (bytes null: the browser could
  // not read it), and the date printed on the page. Answered by 'classSummary'.
  | { type: 'classSummary'; files: { name: string; bytes: ArrayBuffer | null }[]; date: string };

// ---------------------------------------------------------------- worker → page

export type WorkerMessage =
  | Ready
  // What 'ready' said, now in the language asked for.
  | (Omit<Ready, 'type'> & { type: 'spoken' })
  | Slice
  // Decoded; the page loads it into the editor. A program with a line too
  // long to lay out ("第3行超过10000个字符…") comes with the text the editor
  // shows, those lines cut short, read-only; Run and Save take `text`.
  | { type: 'opened'; name: string; text: string; shown?: string; readOnlyTitle?: string; readOnlyText?: string }
  | { type: 'openRefused'; title: string; text: string } // "打开失败", and why
  | { type: 'parameters'; accepted: true }
  | { type: 'parameters'; accepted: false; field: ParameterField; text: string; title: string }
  | { type: 'method'; accepted: boolean; text?: string }
  | TableRows
  // The table's CSV export, UTF-8 with a byte-order mark, byte for byte
  // what the desktop's 导出 CSV writes; the page offers it for download.
  | { type: 'tableCsv'; bytes: ArrayBuffer }
  | Pulses
  // The step selected in every tool, or null: none, or the row is gone.
  | { type: 'selected'; selection: Selection | null }
  | IdealPath
  | Compared
  | ExerciseState
  | { type: 'exerciseCode'; code: string }
  // The file to download: CSV bytes (UTF-8 with BOM) or the HTML page's text.
  | { type: 'exerciseFile'; kind: 'csv'; bytes: ArrayBuffer }
  | { type: 'exerciseFile'; kind: 'html'; text: string }
  | { type: 'worksheet'; code?: string; html?: string; refused?: string } // refused: "练习码应为 5 个字符"
  | ClassSummaryAnswer
  // The module could not be loaded or a call failed unexpectedly: the page
  // says so; the machine is gone.
  | { type: 'failed'; text: string };

// Posted once, when the module has loaded: what the page's pickers list.
export interface Ready {
  type: 'ready';
  paces: { caption: string }[]; // the 速度 box's entries, slowest first
  paceIndex: number; // the default, "1 毫秒/节拍（标准）"
  methods: { key: string; caption: string }[]; // 插补方法, the machine's own first
  widestRegister: number; // 32
  palette: [number, number, number][]; // the 16 colours of Drawing.colours
  backgrounds: Record<ViewName, [number, number, number]>;
  gridColour: [number, number, number]; // the pulse grid under the plan view's path
  viewSize: number; // pixels; labels are placed in twips of a 7215-twip view
  parameters: ParameterTexts; // the defaults: "0", "0", "0", "1", "1"
  // 关于 → 功能简介: the window's title, heading and paragraph (ends in CR LF).
  help: { title: string; heading: string; text: string };
  designer: string[]; // 关于 → 设计者: the credits, a line each
  version: string; // "0.1.0", as `tarvo --version` says it
}

// Which commands can act now, as the desktop greys them: the steps while
// no run advances, 暂停 while one does, 后退一步 while a held or ended run
// has made a tick. 运行 and 停止 are always enabled.
export type Enabled = Record<Command, boolean>;

// A message box with an OK button only: a program error (title "出错", text
// "第3行有错G....") or a refused Run ("请加载NC程序", "参数错误").
export interface Modal {
  title: string;
  text: string;
}

// A line of the program, counted from 0 by line feeds, as the interpreter
// counts them.
export interface LineText {
  line: number;
  text: string;
}

// The panel, posted whole after every command and at most about 60 times a
// second while a run goes on, and once when it stops.
export interface Panel {
  point: [string, string, string]; // 动点绝对坐标 X, Y, Z: the read-outs' texts ("0.0" at first)
  origin: [string, string, string]; // 工件原点 XC, YC, ZC, shown at the start of a run
  bits: boolean[]; // 并行口输出状态: the output byte's bits 0 … 7
  spindle: boolean; // 主轴 开/关
  coolant: boolean; // 冷却 开/关
  onText: string; // "开"
  offText: string; // "关"
  // The editor's caret as the machine moves it: UTF-16 offset into the loaded
  // text, and the same as line (from 0) and column (UTF-16 units).
  caret: { index: number; line: number; column: number };
  currentLine: number; // the current-line marker, from 0
  executingLine: number; // the line whose motion is under way, -1 when none
  error: LineText | null; // the last run's program error, until the next run starts
  warnings: LineText[]; // this run's warnings ("整圆：终点与起点重合，本段不走")
  warningLines: string[]; // the same as the runner prints them: "第3行注意：…"
  enabled: Enabled;
  advancing: boolean; // a run goes on
  paused: boolean; // held by 暂停 or a step
  idle: boolean; // no run under way
  shown: ViewName; // the view the machine shows
  option: 'axonometric' | 'plan'; // the option button the machine selected last
  ticks: number; // timer ticks since the worker started (both timers)
  runSteps: number; // interpolation steps of the run under way or the last
  note: string | null; // a passing note for the status line, e.g. the cut was thinned
}

// ---------------------------------------------------------------- teaching tools

export interface ColumnTitle {
  caption: string; // with its unit, as the table's header shows it
  tip: string;
}

// 先答后看's question: the oldest hidden row, the one the answers go to.
export interface Question {
  serial: number;
  // 'feedAndDeviation': the feed buttons and a new-F field (逐点比较);
  // 'feed': the feed buttons alone; 'overflow': JRx/JRy 溢出 and 提交.
  form: 'feedAndDeviation' | 'feed' | 'overflow';
  feedAsked: boolean; // the feed is still to be answered
  deviationAsked: boolean; // the new F is still to be answered
}

// The interpolation table as it stands, in every slice: the rows kept are
// the serials first … end - 1 (serials never restart; the oldest go past
// 200 000 rows). Rows from `segment` on belong to the segment under way
// (shaded).
export interface TableState {
  first: number;
  end: number;
  segment: number;
  revision: number; // changes whenever a kept row may read otherwise: ask again
  caption: string; // the line above the table
  columns: ColumnTitle[]; // the textbook's columns for the rows' method
  registerColumns: ColumnTitle[]; // the 机床寄存器 face's columns
  answersOn: boolean;
  // "答对 2 / 3", shown while 先答后看 is on or an answer was given; or
  // the notice "新偏差 F 应为整数，如 −3" after a refused F (red).
  score: string | null;
  scoreIsNotice: boolean;
  question: Question | null;
  // The question's feed buttons, in order: caption ("+X") and feed.
  feeds: { caption: string; x: number; y: number }[];
}

export interface TableRow {
  serial: number;
  line: number; // the program line, from 0
  tick: number; // the run's timer tick that made it, from 1
  // The cells' texts, "\n" where the desktop breaks a cell's lines (the
  // textbook face), an answered cell ending in " ✓" or " ✗". A hidden row
  // (先答后看) has its cells from the third on as "?".
  cells: string[];
  hidden: boolean;
  // The answered cells' marks, by column: true ✓ (green), false ✗ (red).
  marks: { column: number; right: boolean }[];
  marksText: string; // the marks explained with the formula, the cells' tip; '' for none
}

export interface TableRows {
  type: 'tableRows';
  first: number; // as asked, within the rows kept
  registers: boolean;
  revision: number; // of the TableState they were read at
  rows: TableRow[];
}

// The pulse timing diagram's record of the kept ticks: one entry per tick.
export interface PulseState {
  firstTick: number; // the oldest kept tick (0 when none)
  lastTick: number; // the newest (0 when none)
  revision: number; // changes on every tick and every fresh run
}

export interface Pulses {
  type: 'pulses';
  from: number; // the first tick given
  ticks: Float64Array; // tick numbers of the run
  lines: Int32Array; // the program line the editor marks, from 0
  bits: Uint8Array; // the output byte after the tick: bit i is output i
  timers: Uint8Array; // 1 the interpreter's timer, 2 the interpolation timer
}

// The plan view's overlay, drawn over its picture, never into it. Lines are
// x1, y1, x2, y2 in the plan view's pixels.
export interface IdealPath {
  type: 'idealPath';
  run: number; // fresh runs since the worker started: another run, draw afresh
  from: number; // the first finished segment in `lines`
  finished: number; // finished segments of the run: ask from here next time
  lines: Float32Array; // the exact path of the finished segments from `from` on, one pixel wide
  current: Float32Array; // of the segment under way, drawn afresh each time
  steps: Float32Array; // the picked line's steps, three pixels wide, round caps
  // "偏差：本段 0.50 脉冲 (0.050 mm)  全程 0.71 脉冲 (0.071 mm)" ("第3行" for a
  // picked line), bottom left on a dark box, in idealColour.
  readout: string;
  idealColour: [number, number, number]; // light cyan
  stepsColour: [number, number, number]; // light magenta
}

// 方法对比's answer. Before any comparison and while one runs: only the
// notice ("正在运行……"). Done: the figures of both runs.
export interface Compared {
  type: 'compared';
  running: boolean;
  notice: string; // under the pickers; several lines at most
  noticeIsProblem: boolean; // an error, the tick limit or 取消: shown in red
  colours: [number, number, number][]; // A, B
  names?: [string, string]; // "逐点比较法", "数字积分法（半加载）": legends are "A " + name
  table?: ComparisonTable;
  dlstep?: number; // the step length in tenths of a mm: the staircase's grid
  plots?: [ComparisonPlot, ComparisonPlot];
  refused?: string; // an unknown method key; nothing ran
}

// The figures side by side: a group of two rows (A above B) for the sum of
// the moves compared, then each move; a move one run did not make has null.
export interface ComparisonTable {
  columns: string[]; // "程序段", "方法", "步数", …, "合成进给"
  groups: { caption: string; apart: boolean; figures: [string[] | null, string[] | null] }[]; // apart: a rapid, greyed
  omitted: string | null; // "其余 12 段从略（已计入合计）" after the groups
  ticksCaption: string; // "完成节拍数（全程）", last, with each run's ticks
  ticks: [string, string];
}

// What the staircase and feed plots draw of one run.
export interface ComparisonPlot {
  staircase: Float64Array[]; // parts of the stepped path, x, y pairs in tenths of a mm
  ideal: Float64Array[]; // the moves' exact paths, x, y pairs (of run A: the same program)
  feedIterations: number; // iterations in all
  feedWidth: number; // iterations per entry of feeds
  feeds: Float64Array; // the mean resultant feed per entry, in pulses per iteration
  meanFeed: number; // over the run
}

// The 练习 panel as it stands. Before the first 开始 only prompt, notice and
// savedAttempts are given.
export interface ExerciseState {
  type: 'exercise';
  prompt: string; // "输入老师给的练习码，或按“新代码”，再按“开始”。"
  notice: string; // red: a refused code or F, or unexported answers ('' for none)
  savedAttempts: string; // the page keeps it (localStorage) and sends it next time
  code?: string; // the code 开始 read, canonical ("K7M3Q"), for the code field; only in 开始's answer
  attempt?: string; // "练习码 K7M3Q　王小明 2026001　第 2 次"
  task?: string; // "第 1 / 4 题　逐点比较法 圆弧 …"
  number?: number;
  count?: number;
  done?: boolean; // the exercise reached its end: 下一题 enabled, answers not
  finished?: boolean; // the last exercise is done
  known?: string; // what stands before the iteration asked, or "本题完成，到达终点 …。"
  form?: 'feedAndDeviation' | 'overflow' | 'none';
  nextCaption?: string; // "下一题" or "看成绩"
  figure?: string; // the exercise on its pulse grid with the path so far, an inline <svg>
  verdict?: string; // "第 3 步：进给 ✓ +X；新偏差 ✗ …\nF = …"; '' before any answer
  verdictRight?: boolean; // green, else red
  answers?: number; // the answers marked so far in this attempt: a new one empties the fields
  scoreShown?: boolean; // the score page instead of the exercise
  score?: string; // "练习码 K7M3Q：答对 60 / 68"
  scoreStudent?: string; // "姓名 王小明　学号 2026001　第 2 次　2026-12-07 08:05:09"
  wrong?: string[][]; // the score page's wrong steps: 题, 步, 答项, 作答, 应为, 说明
}

export interface ClassSummaryAnswer {
  type: 'classSummary';
  code: string;
  score: string | null; // "练习码 Q2W3E：4 份答卷，共答对 …"; null when no student counts
  students: { file: string; name: string; number: string; rights: number; total: number; percent: string; remark: string }[];
  steps: { exercise: number; task: string; iteration: number; item: string; expected: string; answered: number; wrong: number; wrongAnswers: string }[];
  leftOut: { file: string; reason: string }[];
  // The exports, when a student counts: the two CSV files and the A4 page.
  studentsCsv?: Uint8Array;
  stepsCsv?: Uint8Array;
  page?: string;
}

// A selected step in every tool.
export interface Selection {
  serial: number; // its row in the table
  tick: number; // the timing diagram's cursor
  line: number; // the editor's line, from 0, selected whole
  // Its step point in each view's pixels (the plan view rings it); null in
  // the magnified view, which shows the cut, not points.
  points: Record<ViewName, [number, number] | null>;
}

// What one view drew since the last slice. Coordinates are pixels of the
// square view (0 … viewSize, from the top-left corner).
export interface Drawing {
  view: ViewName;
  // Clear the view to its background before drawing these lines: the
  // machine cleared it, or the whole drawing is handed over again (a new
  // view size, a step back).
  restart: boolean;
  // With a restart of the plan view: the pulse grid to lay under its lines,
  // pixel columns and rows of the lines X = k·δ and Y = k·δ; none where a
  // pulse is under 8 pixels.
  grid?: { columns: Int32Array; rows: Int32Array };
  // x1, y1, x2, y2 of each line, drawn one pixel wide in its colour; a
  // plotted point is a line from a point to itself.
  lines: Float32Array;
  colours: Uint8Array; // a palette index per line
  // The fixed captions over the view (axis names), when they changed:
  // top-left corner in twips of the 7215-twip view.
  labels?: { left: number; top: number; caption: string }[];
  visible: boolean;
  pointer: 'arrow' | 'hand' | 'cross';
}

export interface Slice {
  type: 'slice';
  panel: Panel;
  modals: Modal[]; // message boxes to show, in order, since the last slice
  drawings: Drawing[]; // only the views that changed; buffers are transferred
  table: TableState;
  pulses: PulseState;
  // A fresh run or a step back takes the selection away; null while it stands.
  selectionCleared: boolean;
}
