// The session as the worker sees it: plain JavaScript objects and typed
// arrays in and out, one call a command and one a slice, so that no call
// crosses between JavaScript and the machine for every step.
#include <algorithm>

#include <emscripten/bind.h>
#include <emscripten/emscripten.h>
#include <emscripten/val.h>

#include "files/LongLines.h"
#include "files/OpenRefusals.h"
#include "interp/HelpText.h"
#include "interp/Messages.h"
#include "interp/PaceChoices.h"
#include "motion/Methods.h"
#include "motion/RegisterWidth.h"
#include "views/Palette.h"
#include "views/PulseGrid.h"
#include "web/ComparisonBindings.h"
#include "web/MachineSession.h"
#include "web/ProgramOpening.h"
#include "web/TeachingBindings.h"
#include "words/Catalogue.h"
#include "words/Language.h"

namespace tarvo::web {

namespace {

using emscripten::val;

val text(std::string_view s) {
    return val(std::string(s));  // UTF-8, as embind reads a std::string
}

template <typename Range, typename Make>
val arrayOf(const Range& range, Make make) {
    val array = val::array();
    for (const auto& item : range) array.call<void>("push", make(item));
    return array;
}

val rgb(views::Rgb c) {
    val array = val::array();
    for (const int v : {c.r, c.g, c.b}) array.call<void>("push", v);
    return array;
}

std::string_view viewName(views::View view) {
    switch (view) {
        case views::View::Axonometric:
            return "axonometric";
        case views::View::Plan:
            return "plan";
        case views::View::Magnified:
            return "magnified";
    }
    return "plan";
}

views::View viewOfName(const std::string& name) {
    if (name == "axonometric") return views::View::Axonometric;
    if (name == "magnified") return views::View::Magnified;
    return views::View::Plan;
}

std::string_view pointerName(views::Pointer pointer) {
    switch (pointer) {
        case views::Pointer::Arrow:
            return "arrow";
        case views::Pointer::Hand:
            return "hand";
        case views::Pointer::Cross:
            return "cross";
    }
    return "arrow";
}

constexpr views::View allViews[] = {views::View::Axonometric, views::View::Plan,
                                    views::View::Magnified};
// The commands by the names the page sends them under.
constexpr std::pair<std::string_view, interp::RunCommand> commandNames[] = {
    {"run", interp::RunCommand::Run},
    {"pause", interp::RunCommand::Pause},
    {"stop", interp::RunCommand::Stop},
    {"stepTick", interp::RunCommand::StepTick},
    {"stepIteration", interp::RunCommand::StepIteration},
    {"stepLine", interp::RunCommand::StepLine},
    {"stepBack", interp::RunCommand::StepBack},
};

val lineText(const LineText& l) {
    val o = val::object();
    o.set("line", static_cast<double>(l.line));
    o.set("text", text(l.text));
    return o;
}

// "zh" or "en"; any other key leaves the language as it is.
void speak(MachineSession& session, const std::string& key) {
    if (const auto language = words::languageFromKey(key)) session.speak(*language);
}

val ready(MachineSession& session) {
    val o = val::object();
    o.set("paces", arrayOf(interp::paceChoices, [](const interp::PaceChoice& c) {
              val entry = val::object();
              entry.set("caption", text(words::say(c.caption)));
              return entry;
          }));
    o.set("paceIndex", static_cast<double>(session.paceIndex()));
    o.set("methods", arrayOf(motion::methods(), [](const motion::MethodEntry& m) {
              val entry = val::object();
              entry.set("key", text(m.key));
              entry.set("caption", text(words::say(m.caption)));
              return entry;
          }));
    o.set("widestRegister", motion::widestRegister);
    o.set("palette", arrayOf(views::palette, rgb));
    val backgrounds = val::object();
    backgrounds.set("axonometric", rgb(views::drawingBackground));
    backgrounds.set("plan", rgb(views::drawingBackground));
    backgrounds.set("magnified", rgb(views::magnifiedBackground));
    o.set("backgrounds", backgrounds);
    o.set("gridColour", rgb(views::pulseGridColour));
    o.set("viewSize", session.canvas(views::View::Plan).size());
    val parameters = val::object();
    for (const interp::ParameterField field : interp::parameterFields) {
        parameters.set(text(interp::parameterKey(field)),
                       text(interp::defaultParameterText(field)));
    }
    o.set("parameters", parameters);
    val help = val::object();
    help.set("title", text(words::say(interp::helpTitle)));
    help.set("heading", text(words::say(interp::helpHeading)));
    help.set("text", text(interp::helpText()));
    o.set("help", help);
    o.set("designer", arrayOf(interp::designerLines,
                              [](std::string_view line) { return text(words::say(line)); }));
    o.set("version", text(TARVO_VERSION));
    return o;
}

val panelOf(MachineSession& session) {
    SlicePanel& p = session.panel();
    const interp::Machine& m = session.machine();
    val o = val::object();
    o.set("point", arrayOf(p.point, text));
    o.set("origin", arrayOf(p.origin, text));
    o.set("bits", arrayOf(p.bits, [](bool b) { return val(b); }));
    o.set("spindle", p.spindle);
    o.set("coolant", p.coolant);
    o.set("onText", text(words::say(interp::messages::on)));
    o.set("offText", text(words::say(interp::messages::off)));
    const CaretPlace caret = session.caret();
    val c = val::object();
    c.set("index", static_cast<double>(caret.index));
    c.set("line", static_cast<double>(caret.line));
    c.set("column", static_cast<double>(caret.column));
    o.set("caret", c);
    o.set("currentLine", static_cast<double>(p.currentLine));
    o.set("executingLine", static_cast<double>(p.executingLine));
    o.set("error", p.error ? lineText(*p.error) : val::null());
    o.set("warnings", arrayOf(p.warnings, lineText));
    o.set("warningLines", arrayOf(p.warnings, [](const LineText& l) {
              return text(interp::messages::warningLine(l.line + 1, l.text));
          }));
    val enabled = val::object();
    for (const auto& [name, command] : commandNames) {
        enabled.set(text(name), interp::runCommandEnabled(m, command));
    }
    o.set("enabled", enabled);
    o.set("advancing", m.advancing());
    o.set("paused", m.paused());
    o.set("idle", m.idle());
    o.set("shown", text(viewName(m.views().shown())));
    o.set("option", text(viewName(p.option)));
    o.set("ticks", static_cast<double>(m.timer1Ticks() + m.timer2Ticks()));
    o.set("runSteps", static_cast<double>(m.runSteps()));
    const auto note = p.takeNote();
    o.set("note", note ? text(*note) : val::null());
    return o;
}

// The pulse grid under a plan view drawn afresh: the page lays it down
// before the lines, at the size and scale they come in.
val gridOf(const LineCanvas& canvas, motion::Decimal dlstep) {
    const views::PulseGrid grid =
        views::pulseGrid(canvas.pixelMap(), canvas.size(), canvas.size(), dlstep);
    val o = val::object();
    o.set("columns",
          val::global("Int32Array")
              .new_(emscripten::typed_memory_view(grid.columns.size(), grid.columns.data())));
    o.set("rows", val::global("Int32Array")
                      .new_(emscripten::typed_memory_view(grid.rows.size(), grid.rows.data())));
    return o;
}

// The buffers are copies the worker may hand on to the page.
val drawingOf(views::View view, LineCanvas& canvas, motion::Decimal dlstep) {
    LineCanvas::News news = canvas.takeNews();
    val o = val::object();
    o.set("view", text(viewName(view)));
    o.set("restart", news.restart);
    if (news.restart && view == views::View::Plan) o.set("grid", gridOf(canvas, dlstep));
    o.set("lines", val::global("Float32Array")
                       .new_(emscripten::typed_memory_view(news.lines.size(), news.lines.data())));
    o.set("colours",
          val::global("Uint8Array")
              .new_(emscripten::typed_memory_view(news.colours.size(), news.colours.data())));
    if (news.labelsChanged) {
        o.set("labels", arrayOf(canvas.labels(), [](const LineCanvas::Label& l) {
                  val label = val::object();
                  label.set("left", l.left);
                  label.set("top", l.top);
                  label.set("caption", text(l.caption));
                  return label;
              }));
    }
    o.set("visible", canvas.visible());
    o.set("pointer", text(pointerName(canvas.pointer())));
    return o;
}

// The panel whole, the message boxes since the last slice and the views
// that drew or changed.
val takeSlice(MachineSession& session) {
    val o = val::object();
    o.set("type", text("slice"));
    o.set("panel", panelOf(session));
    o.set("modals", arrayOf(session.panel().takeModals(), [](const Modal& m) {
              val modal = val::object();
              modal.set("title", text(m.title));
              modal.set("text", text(m.text));
              return modal;
          }));
    val drawings = val::array();
    for (const views::View view : allViews) {
        LineCanvas& canvas = session.canvas(view);
        if (canvas.hasNews()) {
            drawings.call<void>("push", drawingOf(view, canvas, session.machine().dlstep()));
        }
    }
    o.set("drawings", drawings);
    o.set("table", tableState(session));
    o.set("pulses", pulseState(session));
    o.set("selectionCleared", takeSelectionCleared(session));
    return o;
}

val openFile(const std::string& name, const std::string& bytes) {
    OpenedProgram opened = openProgram(name, bytes);
    val o = val::object();
    if (opened.text) {
        o.set("type", text("opened"));
        o.set("name", text(name));
        o.set("text", text(*opened.text));
        if (const auto line = files::firstLongLine(*opened.text)) {
            o.set("shown", text(files::shownProgram(*opened.text)));
            o.set("readOnlyTitle", text(words::say(files::readOnlyTitle)));
            o.set("readOnlyText", text(files::readOnlyText(*line, name)));
        }
    } else {
        o.set("type", text("openRefused"));
        o.set("title", text(words::say(files::openRefusedTitle)));
        o.set("text", text(opened.refusal));
    }
    return o;
}

val setParameters(MachineSession& session, val texts) {
    std::array<std::string, 5> values;
    for (std::size_t i = 0; i < values.size(); ++i) {
        const val v = texts[text(interp::parameterKey(interp::parameterFields[i]))];
        values[i] = v.isString() ? v.as<std::string>() : std::string();
    }
    const auto refusal = session.setParameters(values);
    val o = val::object();
    o.set("type", text("parameters"));
    o.set("accepted", !refusal);
    if (refusal) {
        o.set("field", text(interp::parameterKey(refusal->field)));
        o.set("text", text(refusal->text));
        o.set("title", text(words::say(interp::messages::parameterTitle)));
    }
    return o;
}

val setMethod(MachineSession& session, const std::string& key, bool halfLoad, int bits) {
    const auto refusal = session.setMethod(key, halfLoad, bits);
    val o = val::object();
    o.set("type", text("method"));
    o.set("accepted", !refusal);
    if (refusal) o.set("text", text(*refusal));
    return o;
}

// False for a command the machine does not know.
bool command(MachineSession& session, const std::string& name) {
    for (const auto& [n, command] : commandNames) {
        if (n != name) continue;
        session.command(command);
        return true;
    }
    return false;
}

// At most `ticks`, and no longer than `milliseconds` of work. A pace
// without limit owes more ticks than a double holds exactly.
double advance(MachineSession& session, double ticks, double milliseconds) {
    const double deadline = emscripten_get_now() + milliseconds;
    const auto most = static_cast<std::int64_t>(std::clamp(ticks, 0.0, 1e18));
    return static_cast<double>(
        session.advance(most, [&] { return emscripten_get_now() >= deadline; }));
}

bool advancing(MachineSession& session) {
    return session.machine().advancing();
}

double due(MachineSession& session, double elapsed) {
    return static_cast<double>(session.due(static_cast<std::int64_t>(elapsed)));
}

void show(MachineSession& session, const std::string& view) {
    session.show(viewOfName(view));
}

void drag(MachineSession& session, const std::string& mode) {
    session.drag(mode == "rotate" ? views::DragMode::Rotate
                 : mode == "pan"  ? views::DragMode::Pan
                                  : views::DragMode::None);
}

void pointerMoved(MachineSession& session, const std::string& buttons, double x, double y) {
    session.pointerMoved(buttons == "left"   ? views::Buttons::LeftAlone
                         : buttons == "none" ? views::Buttons::None
                                             : views::Buttons::Other,
                         x, y);
}

}  // namespace

EMSCRIPTEN_BINDINGS(tarvo_machine) {
    emscripten::class_<MachineSession>("MachineSession")
        .constructor<>()
        .function("load", &MachineSession::load)
        .function("ready", &ready)
        .function("speak", &speak)
        .function("takeSlice", &takeSlice)
        .function("setParameters", &setParameters)
        .function("setMethod", &setMethod)
        .function("command", &command)
        .function("setPace", &MachineSession::setPace)
        .function("restartPace", &MachineSession::restartPace)
        .function("due", &due)
        .function("advance", &advance)
        .function("advancing", &advancing)
        .function("show", &show)
        .function("drag", &drag)
        .function("pointerMoved", &pointerMoved)
        .function("setViewSize", &MachineSession::setViewSize)
        .function("tableRows", &tableRows)
        .function("tableCsv", &tableCsv)
        .function("answersOn", &answersOn)
        .function("answerFeed", &answerFeed)
        .function("answerDeviation", &answerDeviation)
        .function("answerOverflow", &answerOverflow)
        .function("pulses", &pulses)
        .function("select", &select)
        .function("selectTick", &selectTick)
        .function("selectLine", &selectLine)
        .function("selectPoint", &selectPoint)
        .function("idealPath", &idealPath)
        .function("compare", &compare)
        .function("advanceComparison", &advanceComparison)
        .function("cancelComparison", &cancelComparison)
        .function("comparisonResult", &comparisonResult);
    emscripten::function("openFile", &openFile);
}

}  // namespace tarvo::web
