import type { Command, Panel, ParameterTexts, Ready, Selection, WorkerMessage } from '../protocol';
import { ProgramEditor, type LineMark } from './editor';
import { Keeper, type KeptSettings, type Store } from './keeper';
import { MachineLink } from './machineLink';
import { MenuBar, fillToolbar, type Action } from './menus';
import { keptPaceIndex } from './pace';
import { ParameterDialog, parameterFields } from './parameterDialog';
import { ProgramFiles, download } from './programFiles';
import { ProgramSharing } from './programSharing';
import { Readouts } from './readouts';
import { sampleProgram } from './sampleProgram';
import { ViewCanvases } from './viewCanvases';
import { StepTable } from './stepTable';
import { TimingDiagram } from './timingDiagram';
import { TeachingPanels } from './teachingPanels';
import { IdealPathOverlay } from './idealPathOverlay';
import { CompareDialog } from './compareDialog';
import { ExercisePanel } from './exercisePanel';
import { ClassSummary } from './classSummary';
import { Messages } from './messages';
import { runCommandKeys } from './shortcuts';
import { AboutDialogs, aboutCaptions } from './aboutDialogs';
import { keyboardBoxes } from './boxKeys';
import { browserLanguage, fill, htmlLanguage, say, speak, spoken, type Language } from './words/say';
import { PageTexts } from './words/pageTexts';

// The captions of the page's HTML, taken before the page writes into it.
const pageTexts = new PageTexts(document.documentElement, [document.getElementById('editor')!]);

const $ = <T extends HTMLElement>(id: string) => document.getElementById(id) as T;
const status = $('status');
// The status line; a text of the page's own made by `again` is said again
// when the language changes, a note of the machine's goes.
let statusAgain: (() => string) | null = null;
const tell = (text: string, again: (() => string) | null = null): void => {
  status.textContent = text;
  statusAgain = again;
};
const tellAgain = (again: () => string) => tell(again(), again);

let ready: Ready | null = null;
let panel: Panel | null = null;

let readyNote = ''; // said with 就绪 once the machine has loaded

// The browser's storage, or, where it refuses any (storage switched off for
// pages), a store that lasts as long as the tab, and the user is told.
function browserStore(): Store {
  try {
    localStorage.getItem('tarvo.program');
    return localStorage;
  } catch {
    const items = new Map<string, string>();
    readyNote = '；浏览器不允许此页保存数据：关闭此页前请用 文件 → 保存 下载程序'; // said with 就绪
    return { getItem: (k) => items.get(k) ?? null, setItem: (k, v) => void items.set(k, v) };
  }
}

const store = browserStore();
const keeper = new Keeper(
  store,
  { set: (f, ms) => setTimeout(f, ms), clear: (h) => clearTimeout(h as number) },
  (what) => tell(fill('浏览器的存储已满，{1}没有保存：请用 文件 → 保存 下载一份', say(what))),
);
const settings: KeptSettings = keeper.settings();
// The language kept from a choice in 视图 → 语言, else the browser's.
speak(settings.language || browserLanguage(navigator.languages?.length ? navigator.languages : [navigator.language]));
document.documentElement.lang = htmlLanguage(spoken());
pageTexts.sayAgain();
const keepSettings = () => keeper.keepSettings(settings);

const messages = new Messages($('message'));
const link = new MachineLink(heard, (text) => tell(fill('模拟器出错：{1}', text)));
if (spoken() !== 'zh') link.post({ type: 'speak', language: spoken() });
const editor = new ProgramEditor($('editor'), edited);
const files = new ProgramFiles(editor, keeper, $('file-caption'), (name, bytes) => link.post({ type: 'open', name, bytes }), edited);
const readouts = new Readouts();
const views = new ViewCanvases($('views'), $('view-labels'), (m) => link.post(m));
const table = new StepTable($('table-panel'), (m) => link.post(m));
const timing = new TimingDiagram($('timing-panel'), (m) => link.post(m));
const panels = new TeachingPanels(settings, keepSettings, $('machine'), { table: $('table-panel'), timing: $('timing-panel') }, (which) =>
  which === 'table' ? table.shown() : timing.refresh(),
);
// The steps of the line the caret stands on, once the run has ended.
const ideal = new IdealPathOverlay($('ideal-overlay'), (m) => link.post(m), () => (panel?.idle ? editor.caretLine() : -1));
const refreshIdeal = () => ideal.refresh(views.viewSide, views.shownView === 'plan');
$('editor').addEventListener('pointerup', () => ideal.stepsShown && refreshIdeal());
$('editor').addEventListener('keyup', () => ideal.stepsShown && refreshIdeal());
const comparison = new CompareDialog($<HTMLDialogElement>('compare-dialog'), (m) => link.post(m), loadProgram);
const exercises = new ExercisePanel($<HTMLDialogElement>('exercise-dialog'), store, (m) => link.post(m));
const summary = new ClassSummary($<HTMLDialogElement>('summary-dialog'), $<HTMLInputElement>('summary-input'), (m) => link.post(m), (html) =>
  showPage(html, say('班级汇总.html')),
);
// The page's keys, named as the menus name their commands.
const keyEntries = () =>
  [fileActions.open, ...Object.values(runActions)].flatMap((a) => (a.shortcut ? [{ caption: say(a.caption), shortcut: a.shortcut }] : []));
const about = new AboutDialogs($<HTMLDialogElement>('about-dialog'), keyEntries);
keyboardBoxes(document);
const parameters = new ParameterDialog($<HTMLDialogElement>('parameters'), (texts) => link.post({ type: 'parameters', texts }));

// Every edit is kept, unless another tab keeps the program; the machine gets
// the text before its next fresh run.
let loadedText: string | null = null;
const sharing = new ProgramSharing(
  keeper,
  () => ({ name: files.name, text: editor.text() }),
  $('tabbar'),
  (name) => files.rename(name),
  tell,
);
function edited(): void {
  editor.showMarks([]);
  $('problem').textContent = '';
  errorDismissed = currentErrorKey;
  refreshToolbar();
  sharing.edited();
}

// ---------------------------------------------------------------- commands

// The machine takes the editor's text before a fresh run or a comparison.
function loadProgram(): void {
  const text = editor.text();
  if (text === loadedText) return;
  link.post({ type: 'load', text });
  loadedText = text;
}

function command(c: Command): void {
  if (!ready) return;
  if (c !== 'pause' && c !== 'stop' && c !== 'stepBack') loadProgram();
  if (c === 'run' || c.startsWith('step')) {
    errorDismissed = null;
    marksGoneAgain = false;
  }
  link.post({ type: 'command', command: c });
}

const can = (c: Command) => () => !!ready && (panel ? panel.enabled[c] : c === 'run' || c === 'stop' || c.startsWith('step') && c !== 'stepBack');

const runActions: Record<Command, Action> = {
  run: { caption: '运行', shortcut: 'F5', run: () => command('run'), enabled: can('run') },
  pause: { caption: '暂停', shortcut: 'F9', run: () => command('pause'), enabled: can('pause') },
  stop: { caption: '停止', run: () => command('stop'), enabled: can('stop') },
  stepTick: { caption: '单步：一个节拍', shortcut: 'F6', run: () => command('stepTick'), enabled: can('stepTick') },
  stepIteration: { caption: '单步：一步插补', shortcut: 'F7', run: () => command('stepIteration'), enabled: can('stepIteration') },
  stepLine: { caption: '单步：到本行结束', shortcut: 'F8', run: () => command('stepLine'), enabled: can('stepLine') },
  stepBack: { caption: '单步：后退一步', shortcut: 'Shift+F7', run: () => command('stepBack'), enabled: can('stepBack') },
};

const fileInput = $<HTMLInputElement>('file-input');
fileInput.addEventListener('change', () => {
  const file = fileInput.files?.[0];
  if (file) void files.open(file);
  fileInput.value = '';
});

async function clipboardCommand(kind: 'cut' | 'copy' | 'paste'): Promise<void> {
  try {
    if (kind === 'paste') editor.replaceSelection(await navigator.clipboard.readText());
    else {
      await navigator.clipboard.writeText(editor.selection());
      if (kind === 'cut') editor.replaceSelection('');
    }
  } catch {
    tell(say('浏览器不允许此页使用剪贴板：请用 Ctrl+X、Ctrl+C、Ctrl+V'));
  }
}

const fileActions = {
  newProgram: { caption: '新建', run: () => files.newProgram() },
  open: { caption: '打开...', shortcut: 'Ctrl+O', run: () => fileInput.click() },
  save: { caption: '保存', run: () => files.save(false), enabled: () => !editor.isEmpty() },
  saveAs: { caption: '另存为...', run: () => files.save(true), enabled: () => !editor.isEmpty() },
};
const editActions = {
  clear: { caption: '清除', run: () => editor.replaceAll('') }, // an edit Ctrl+Z undoes
  cut: { caption: '剪切', run: () => void clipboardCommand('cut') },
  copy: { caption: '复制', run: () => void clipboardCommand('copy') },
  paste: { caption: '粘贴', run: () => void clipboardCommand('paste') },
};

// The view on screen as a PNG file; a name without an extension gets ".png".
async function saveViewPicture(): Promise<void> {
  const typed = prompt(say('文件名'), say('视图.png'));
  if (!typed || !typed.trim()) return;
  const picture = await views.picture();
  if (!picture) return tell(say('无法保存图片'));
  download(picture, /\.[^.]+$/.test(typed.trim()) ? typed.trim() : `${typed.trim()}.png`);
}

function openParameters(): void {
  const t = {} as ParameterTexts;
  parameterFields.forEach((f, i) => (t[f] = settings.parameters[i]));
  parameters.open(t);
}

// 清屏: the editor emptied and untitled, the magnified view shown; the
// program emptied away is kept among the recent programs.
function clearScreen(): void {
  files.newProgram();
  link.post({ type: 'view', view: 'magnified' });
}

function chooseView(view: 'plan' | 'axonometric'): void {
  for (const radio of document.querySelectorAll<HTMLInputElement>('input[name=view]')) radio.checked = radio.value === view;
  settings.view = view;
  keepSettings();
  link.post({ type: 'view', view });
}

// 插补方法: the machine's methods, then 半加载 and the register width, which
// only the textbook's digital integration ("dda") has.
function methodActions(): Action[] {
  if (!ready) return [];
  const key = settings.method.key || ready.methods[0]?.key;
  const integration = () => key === 'dda';
  return [
    ...ready.methods.map((m) => ({
      caption: m.caption,
      radio: true,
      checked: () => m.key === key,
      run: () => chooseMethod({ ...settings.method, key: m.key }),
    })),
    {
      caption: '半加载',
      checked: () => settings.method.halfLoad,
      enabled: integration,
      run: () => chooseMethod({ ...settings.method, halfLoad: !settings.method.halfLoad }),
    },
    {
      caption: settings.method.bits === 0 ? '寄存器位数 N：自动...' : fill('寄存器位数 N：{1} 位...', settings.method.bits),
      enabled: integration,
      run: () => void askBits(),
    },
  ];
}

// 视图 → 语言: 中文 and English, each in its own words.
function languageActions(): Action[] {
  const choice = (language: Language, caption: string): Action => ({
    caption,
    radio: true,
    checked: () => spoken() === language,
    run: () => chooseLanguage(language),
  });
  return [choice('zh', '中文'), choice('en', 'English')];
}

// Everything shown is said again in the language chosen: the page's own
// captions here, the machine's by the worker, which sends them again.
function chooseLanguage(language: Language): void {
  settings.language = language;
  keepSettings();
  if (language === spoken()) return;
  speak(language);
  document.documentElement.lang = htmlLanguage(language);
  link.post({ type: 'speak', language });
  marksGoneAgain = currentErrorKey !== null && errorDismissed === currentErrorKey;
  pageTexts.sayAgain();
  menuBar.sayAgain();
  refreshToolbar();
  // A note of the machine was said in the old language: it goes, as the window's does.
  tell(statusAgain ? statusAgain() : '', statusAgain);
  files.rename(files.name);
  editor.view.dispatch({});
  summary.sayAgain();
  timing.sayAgain();
  table.sayAgain();
}

// The machine's captions in the language now spoken: the pace box keeps its
// entry, the method boxes theirs.
function spokenAgain(r: Omit<Ready, 'type'>): void {
  if (!ready) return;
  ready = { ...r, type: 'ready' };
  const pace = paceBox.selectedIndex;
  paceBox.replaceChildren(...r.paces.map((p) => new Option(p.caption)));
  paceBox.selectedIndex = pace;
  comparison.sayAgain(ready);
  about.started(ready);
}

function chooseMethod(method: KeptSettings['method']): void {
  settings.method = method;
  keepSettings();
  link.post({ type: 'method', key: method.key || ready!.methods[0].key, halfLoad: method.halfLoad, bits: method.bits });
}

const toolbar = $('toolbar');
let toolbarShown = true;
const menuBar = new MenuBar($('menubar'), [
  {
    caption: '文件',
    entries: [
      fileActions.newProgram,
      fileActions.open,
      'separator',
      fileActions.save,
      fileActions.saveAs,
      { caption: '保存视图图片...', run: () => void saveViewPicture() },
      { caption: '最近打开', items: () => keeper.recent().map((p) => ({ caption: p.name, run: () => files.openRecent(p) })) },
    ],
  },
  { caption: '编辑', entries: [editActions.clear, editActions.cut, editActions.copy, editActions.paste] },
  {
    caption: '视图',
    entries: [
      {
        caption: '工具条',
        checked: () => toolbarShown,
        run: () => {
          toolbarShown = !toolbarShown;
          toolbar.hidden = !toolbarShown;
        },
      },
      'separator',
      { caption: '平面图', run: () => chooseView('plan') },
      { caption: '轴测', run: () => chooseView('axonometric') },
      'separator',
      { caption: '放大图平移', run: () => link.post({ type: 'drag', mode: 'pan' }) },
      { caption: '放大图旋转', run: () => link.post({ type: 'drag', mode: 'rotate' }) },
      'separator',
      { caption: '语言', items: languageActions },
    ],
  },
  {
    caption: '控制',
    entries: [
      { caption: '设置...', run: openParameters },
      runActions.pause,
      runActions.run,
      runActions.stop,
      'separator',
      runActions.stepTick,
      runActions.stepIteration,
      runActions.stepLine,
      runActions.stepBack,
    ],
  },
  {
    caption: '教学',
    entries: [
      panels.action('timing', '脉冲时序图'),
      panels.action('table', '插补过程表'),
      'separator',
      {
        caption: '显示理想轨迹',
        checked: () => ideal.idealShown,
        run: () => {
          ideal.idealShown = !ideal.idealShown;
          refreshIdeal();
        },
      },
      {
        caption: '突出所选行的步点',
        checked: () => ideal.stepsShown,
        run: () => {
          ideal.stepsShown = !ideal.stepsShown;
          refreshIdeal();
        },
      },
      'separator',
      { caption: '插补方法', items: methodActions },
      'separator',
      {
        caption: '练习',
        items: () => [
          { caption: '开始练习...', run: () => exercises.open(), enabled: () => !!ready },
          { caption: '打印练习单...', run: () => askWorksheet(false), enabled: () => !!ready },
          { caption: '打印答案...', run: () => askWorksheet(true), enabled: () => !!ready },
          { caption: '班级汇总...', run: () => summary.choose(), enabled: () => !!ready },
        ],
      },
      { caption: '方法对比...', run: () => comparison.open(), enabled: () => !!ready },
    ],
  },
  {
    caption: aboutCaptions.menu,
    entries: [
      { caption: aboutCaptions.designer, run: () => about.showDesigner(), enabled: () => !!ready },
      { caption: aboutCaptions.help, run: () => about.showHelp(), enabled: () => !!ready },
    ],
  },
]);
const refreshToolbar = fillToolbar(toolbar, [
  fileActions.newProgram,
  fileActions.open,
  fileActions.save,
  '|',
  editActions.cut,
  editActions.copy,
  editActions.paste,
]);

// A page the machine wrote (a worksheet, an answer key, a summary) opens in
// a tab of its own, to print from there; where the browser refuses the tab,
// it is downloaded.
let pageTab: Window | null = null;
function showPage(html: string, name: string): void {
  const tab = pageTab && !pageTab.closed ? pageTab : open('', '_blank');
  pageTab = null;
  if (!tab) return download(new Blob([html], { type: 'text/html;charset=utf-8' }), name);
  tab.document.open();
  tab.document.write(html);
  tab.document.close();
}

let worksheetName = '';
// The tab is opened while the user's click still counts, and filled when the
// machine has written the page.
function askWorksheet(answers: boolean): void {
  const code = prompt(say(answers ? '打印答案：练习码' : '打印练习单：练习码'), '');
  if (code === null) return;
  pageTab = open('', '_blank');
  worksheetName = answers ? '答案' : '练习单';
  link.post({ type: 'worksheet', code: code.trim(), answers });
}

async function askBits(): Promise<void> {
  const bits = await messages.askBits($<HTMLDialogElement>('bits-dialog'), settings.method.bits, ready?.widestRegister ?? 32);
  if (bits !== null) chooseMethod({ ...settings.method, bits });
}

for (const button of document.querySelectorAll<HTMLButtonElement>('[data-command]')) {
  button.addEventListener('click', () => command(button.dataset.command as Command));
}
$('settings-button').addEventListener('click', openParameters);
$('clear-button').addEventListener('click', clearScreen);
for (const radio of document.querySelectorAll<HTMLInputElement>('input[name=view]')) {
  // A click on the button already checked shows its view again, as after 清屏.
  radio.addEventListener('click', () => chooseView(radio.value as 'plan' | 'axonometric'));
}
const paceBox = $<HTMLSelectElement>('pace');
paceBox.addEventListener('change', () => {
  settings.pace = paceBox.selectedIndex;
  keepSettings();
  link.post({ type: 'pace', index: paceBox.selectedIndex });
});

// The run keys are the page's, also while a box is open: F5 never reloads it.
// They act on the machine from the page, as the desktop's act in its main
// window: not while a box holds the page, nor from inside a box beside it.
document.addEventListener('keydown', (e) => {
  const c = runCommandKeys(e);
  if (c) e.preventDefault();
  if (messages.isOpen() || parameters.isOpen() || (e.target as Element).closest?.('dialog')) return;
  if (c) {
    if (runActions[c].enabled!()) command(c);
  } else if (e.ctrlKey && !e.shiftKey && !e.altKey && e.key.toLowerCase() === 'o') {
    e.preventDefault();
    fileInput.click();
  }
});

// A file dropped anywhere on the page opens as 打开... opens it; CSV files
// make a class summary.
document.addEventListener('dragover', (e) => e.preventDefault());
document.addEventListener('drop', (e) => {
  e.preventDefault();
  const dropped = [...(e.dataTransfer?.files ?? [])];
  // The students' exercise files dropped together make a class summary.
  if (dropped.length && dropped.every((f) => /\.csv$/i.test(f.name))) return void summary.summarise(dropped);
  if (dropped[0]) void files.open(dropped[0]);
});

addEventListener('pagehide', () => keeper.flush());
document.addEventListener('visibilitychange', () => document.visibilityState === 'hidden' && keeper.flush());

// ---------------------------------------------------------------- the machine's answers

let currentErrorKey: string | null = null;
let errorDismissed: string | null = null;
// Marks an edit took away stay away when the machine says them again in
// another language.
let marksGoneAgain = false;

function heard(m: WorkerMessage): void {
  switch (m.type) {
    case 'ready':
      return started(m);
    case 'spoken':
      return spokenAgain(m);
    case 'slice':
      for (const d of m.drawings) views.draw(d);
      showPanel(m.panel);
      for (const modal of m.modals) messages.show(modal.title, modal.text);
      table.update(m.table);
      timing.update(m.pulses);
      refreshIdeal();
      if (m.selectionCleared) showSelection(null);
      return;
    case 'tableRows':
      return table.received(m);
    case 'tableCsv':
      return download(new Blob([m.bytes], { type: 'text/csv' }), say('插补过程表.csv'));
    case 'pulses':
      return timing.received(m);
    case 'idealPath':
      return ideal.received(m);
    case 'compared':
      return comparison.answered(m);
    case 'exercise':
      return exercises.show(m);
    case 'exerciseCode':
      return exercises.code(m.code);
    case 'exerciseFile':
      if (m.kind === 'csv') return download(new Blob([m.bytes], { type: 'text/csv' }), say('练习成绩.csv'));
      return download(new Blob([m.text], { type: 'text/html;charset=utf-8' }), say('练习成绩.html'));
    case 'worksheet':
      if (m.refused) {
        pageTab?.close();
        pageTab = null;
        return messages.show(say(worksheetName === '答案' ? '打印答案' : '打印练习单'), m.refused);
      }
      return showPage(m.html ?? '', fill('{1}-{2}.html', say(worksheetName), m.code ?? ''));
    case 'classSummary':
      return summary.show(m);
    case 'selected':
      return showSelection(m.selection);
    case 'opened':
      files.opened(m.name, m.text, m.shown);
      if (m.readOnlyTitle) messages.show(m.readOnlyTitle, m.readOnlyText ?? '');
      return tellAgain(() => fill('已打开 {1}', m.name));
    case 'openRefused':
      files.openFailed();
      return messages.show(m.title, m.text);
    case 'parameters':
      return parametersAnswered(m);
    case 'method':
      // Only a method kept from an older page can be refused: the machine's own takes its place.
      if (!m.accepted) {
        settings.method = { key: '', halfLoad: false, bits: 0 };
        keepSettings();
        if (m.text) tell(m.text);
      }
      return;
    case 'failed':
      ready = null;
      refreshCommands();
      return messages.show(say('模拟器出错'), m.text);
  }
}

// One step selected in every tool: its row, its tick under the timing
// cursor, its line in the editor and its point ringed in the views.
function showSelection(s: Selection | null): void {
  table.select(s);
  timing.pin(s ? s.tick : 0);
  views.mark(s ? s.points : null);
  if (s) editor.selectLine(s.line);
}

// The dialog's texts are kept once the machine accepts them. Kept texts the
// machine refuses when the page starts give way to its defaults.
function parametersAnswered(m: Extract<WorkerMessage, { type: 'parameters' }>): void {
  if (parameters.isOpen()) {
    if (!m.accepted) return parameters.refused(m.field, m.text);
    const texts = parameters.texts();
    settings.parameters = parameterFields.map((f) => texts[f]);
    keepSettings();
    parameters.accepted();
  } else if (!m.accepted && ready) {
    settings.parameters = parameterFields.map((f) => ready!.parameters[f]);
    keepSettings();
    messages.show(m.title, m.text);
  }
}

function started(r: Ready): void {
  ready = r;
  paceBox.replaceChildren(...r.paces.map((p) => new Option(p.caption)));
  paceBox.selectedIndex = keptPaceIndex(settings.pace, r.paces.length, r.paceIndex);
  if (paceBox.selectedIndex !== r.paceIndex) link.post({ type: 'pace', index: paceBox.selectedIndex });
  const texts = {} as ParameterTexts;
  parameterFields.forEach((f, i) => (texts[f] = settings.parameters[i]));
  if (parameterFields.some((f) => texts[f] !== r.parameters[f])) link.post({ type: 'parameters', texts });
  if (settings.method.key || settings.method.halfLoad || settings.method.bits) chooseMethod(settings.method);
  views.ready(r);
  comparison.ready(r);
  about.started(r);
  if (settings.view !== 'plan') chooseView(settings.view);
  refreshCommands();
  tellAgain(() => fill('就绪{1}', readyNote && say(readyNote)));
}

let lastShown: Panel['shown'] | null = null;

// While a run goes on, the editor follows it ten times a second at most: a
// fast run moves through many lines a frame, and the read-outs matter more.
const editorInterval = 100;
let editorShown = 0;
function showRunInEditor(p: Panel): void {
  const now = performance.now();
  if (p.advancing && now - editorShown < editorInterval) return;
  editorShown = now;
  editor.showRun(p.caret.line, p.caret.column, p.executingLine, p.currentLine, !p.advancing);
}

function showPanel(p: Panel): void {
  panel = p;
  readouts.show(p);
  showRunInEditor(p);
  // The option buttons follow the view the machine shows when that changes
  // (a Run shows the plan view), so a slice on its way does not undo a click
  // the machine has not yet heard.
  if (p.shown !== lastShown) {
    lastShown = p.shown;
    if (p.shown !== 'magnified') {
      for (const radio of document.querySelectorAll<HTMLInputElement>('input[name=view]')) radio.checked = radio.value === p.shown;
    }
  }
  showMarks(p);
  if (p.note) tell(p.note);
  refreshCommands();
}

// A program error is marked until the text changes or the next run starts.
function showMarks(p: Panel): void {
  const key = JSON.stringify([p.error, p.warnings]);
  if (key === currentErrorKey) return;
  currentErrorKey = key;
  if (marksGoneAgain) errorDismissed = key;
  marksGoneAgain = false;
  if (key === errorDismissed) return;
  const marks: LineMark[] = p.warnings.map((w) => ({ ...w, kind: 'warning' }));
  if (p.error) marks.push({ ...p.error, kind: 'error' });
  editor.showMarks(marks);
  $('problem').textContent = p.error ? p.error.text : p.warningLines.join('\n');
  $('problem').classList.toggle('warning', !p.error);
}

function refreshCommands(): void {
  for (const button of document.querySelectorAll<HTMLButtonElement>('[data-command]')) {
    button.disabled = !runActions[button.dataset.command as Command].enabled!();
  }
  refreshToolbar();
}

// The kept program, or the sample on a first visit.
const kept = keeper.program();
files.show(kept ? kept.name : '', kept ? kept.text : sampleProgram);
refreshCommands();
tellAgain(() => say('正在加载模拟器……'));
