#include "web/TeachingBindings.h"

#include <algorithm>
#include <vector>

#include "teach/exercises/ExerciseGrading.h"
#include "teach/ideal/IdealPathFigure.h"
#include "teach/table/RegisterColumns.h"
#include "teach/table/StepCsv.h"
#include "teach/table/TableCaption.h"
#include "teach/table/TableMarks.h"
#include "teach/table/TextbookColumns.h"

namespace tarvo::web {

namespace {

using emscripten::val;

val text(std::string_view s) {
    return val(std::string(s));
}

double number(std::uint64_t n) {
    return static_cast<double>(n);
}

val title(const teach::ColumnTitle& t) {
    val o = val::object();
    o.set("caption", text(t.caption));
    o.set("tip", text(t.tip));
    return o;
}

template <typename Element>
val typedArray(const char* type, const std::vector<Element>& items) {
    return val::global(type).new_(emscripten::typed_memory_view(items.size(), items.data()));
}

// The window's question row offers these feeds, in this order.
constexpr motion::PulseFeed questionFeeds[] = {{1, 0}, {-1, 0}, {0, 1}, {0, -1}};

std::string_view formName(teach::AnswerForm form) {
    switch (form) {
        case teach::AnswerForm::FeedAndDeviation:
            return "feedAndDeviation";
        case teach::AnswerForm::Feed:
            return "feed";
        case teach::AnswerForm::Overflow:
            return "overflow";
    }
    return "feed";
}

val question(const teach::TableQuiz& quiz) {
    const std::optional<teach::TableQuiz::Question> asked = quiz.question();
    if (!asked) return val::null();
    val o = val::object();
    o.set("serial", number(asked->serial));
    o.set("form", text(formName(asked->form)));
    o.set("feedAsked", asked->feedAsked);
    o.set("deviationAsked", asked->deviationAsked);
    return o;
}

// A cell as the window shows it: its lines one under the other, and the
// mark of an answer given in it.
std::string cellText(const teach::StepTable& table, const teach::RowTexts& texts,
                     std::uint64_t serial, int column, bool registers) {
    std::string cell = registers ? teach::registerCell(table.at(serial), column)
                                 : teach::textbookCell(table.at(serial), texts, column);
    if (registers) return cell;
    for (std::size_t at = 0; (at = cell.find("; ", at)) != std::string::npos;) {
        cell.replace(at, 2, "\n");
    }
    return cell;
}

val row(MachineSession& session, std::uint64_t serial, bool registers) {
    const teach::StepTable& table = session.tools().table();
    const teach::AnswerSheet& sheet = session.tools().quiz().sheet();
    const teach::TextbookStep step = table.textbookAt(serial);
    const teach::RowTexts texts = registers ? teach::RowTexts{} : teach::rowTexts(step);
    const int columns = registers ? int{teach::registers::Columns} : int{teach::TextbookColumns};
    const bool hidden = sheet.hidden(serial);
    const teach::AnswerSheet::Answers* answers = sheet.answersOf(serial);
    val cells = val::array();
    val marks = val::array();
    for (int column = 0; column < columns; ++column) {
        if (hidden && column >= teach::firstHiddenColumn) {
            cells.call<void>("push", text(teach::hiddenCell));
            continue;
        }
        std::string cell = cellText(table, texts, serial, column, registers);
        const teach::Graded* marked =
            answers ? teach::markedAt(*answers, column, registers) : nullptr;
        if (marked) {
            cell += marked->right ? " ✓" : " ✗";
            val mark = val::object();
            mark.set("column", column);
            mark.set("right", marked->right);
            marks.call<void>("push", mark);
        }
        cells.call<void>("push", text(cell));
    }
    const motion::StepRecord record = table.at(serial);
    val o = val::object();
    o.set("serial", number(serial));
    o.set("line", static_cast<double>(record.line - 1));
    o.set("tick", number(table.tickOf(serial)));
    o.set("cells", cells);
    o.set("hidden", hidden);
    o.set("marks", marks);
    o.set("marksText", text(answers && !hidden ? teach::answersText(*answers) : std::string()));
    return o;
}

val selection(MachineSession& session, std::optional<std::uint64_t> serial) {
    if (!serial) return val::null();
    const teach::StepTable& table = session.tools().table();
    val o = val::object();
    o.set("serial", number(*serial));
    o.set("tick", number(table.tickOf(*serial)));
    o.set("line", static_cast<double>(table.at(*serial).line - 1));
    val points = val::object();
    for (const auto& [name, view] :
         {std::pair{"axonometric", views::View::Axonometric}, std::pair{"plan", views::View::Plan},
          std::pair{"magnified", views::View::Magnified}}) {
        const auto point = session.pointOf(*serial, view);
        if (!point) {
            points.set(name, val::null());
            continue;
        }
        val xy = val::array();
        xy.call<void>("push", point->first);
        xy.call<void>("push", point->second);
        points.set(name, xy);
    }
    o.set("points", points);
    return o;
}

}  // namespace

val tableState(MachineSession& session) {
    TeachingTools& tools = session.tools();
    const teach::StepTable& table = tools.table();
    const teach::TableQuiz& quiz = tools.quiz();
    val o = val::object();
    o.set("first", number(table.firstSerial()));
    o.set("end", number(table.endSerial()));
    o.set("segment", number(table.segmentSerial()));
    o.set("revision", number(tools.revision()));
    o.set("caption", text(teach::tableCaption(table)));
    const motion::Interpolation method = teach::tableMethod(table);
    val columns = val::array();
    for (int column = 0; column < teach::TextbookColumns; ++column) {
        columns.call<void>("push", title(teach::textbookTitle(column, method)));
    }
    o.set("columns", columns);
    val registerColumns = val::array();
    for (int column = 0; column < teach::registers::Columns; ++column) {
        registerColumns.call<void>("push", title(teach::registerTitle(column)));
    }
    o.set("registerColumns", registerColumns);
    o.set("answersOn", quiz.sheet().on());
    const teach::TableQuiz::ScoreLine score = quiz.scoreLine();
    o.set("score", score.shown ? text(score.text) : val::null());
    o.set("scoreIsNotice", score.notice);
    o.set("question", question(quiz));
    val feeds = val::array();
    for (const motion::PulseFeed feed : questionFeeds) {
        val f = val::object();
        f.set("caption", text(teach::pulseFeedText(feed)));
        f.set("x", feed.x);
        f.set("y", feed.y);
        feeds.call<void>("push", f);
    }
    o.set("feeds", feeds);
    return o;
}

val tableRows(MachineSession& session, double first, double count, bool registers) {
    const teach::StepTable& table = session.tools().table();
    const auto from = static_cast<std::uint64_t>(
        std::clamp(first, number(table.firstSerial()), number(table.endSerial())));
    const auto to = static_cast<std::uint64_t>(
        std::clamp(first + std::max(count, 0.0), number(from), number(table.endSerial())));
    val rows = val::array();
    for (std::uint64_t serial = from; serial < to; ++serial) {
        rows.call<void>("push", row(session, serial, registers));
    }
    val o = val::object();
    o.set("type", text("tableRows"));
    o.set("first", number(from));
    o.set("registers", registers);
    o.set("revision", number(session.tools().revision()));
    o.set("rows", rows);
    return o;
}

val tableCsv(MachineSession& session) {
    const std::string csv = teach::textbookCsv(session.tools().table());
    const std::vector<std::uint8_t> bytes(csv.begin(), csv.end());
    return typedArray("Uint8Array", bytes);
}

void answersOn(MachineSession& session, bool on) {
    session.tools().setAnswersOn(on);
}

void answerFeed(MachineSession& session, int x, int y, const std::string& deviation) {
    session.tools().answerFeed({static_cast<std::int8_t>(std::clamp(x, -1, 1)),
                                static_cast<std::int8_t>(std::clamp(y, -1, 1))},
                               deviation);
}

void answerDeviation(MachineSession& session, const std::string& deviation) {
    session.tools().answerDeviation(deviation);
}

void answerOverflow(MachineSession& session, bool x, bool y) {
    session.tools().answerOverflow(x, y);
}

val pulseState(MachineSession& session) {
    const teach::PulseHistory& history = session.tools().pulses();
    val o = val::object();
    o.set("firstTick", history.empty() ? 0.0 : number(history.at(0).tick));
    o.set("lastTick", history.empty() ? 0.0 : number(history.newest().tick));
    o.set("revision", number(history.revision()));
    return o;
}

val pulses(MachineSession& session, double from, double to) {
    const teach::PulseHistory& history = session.tools().pulses();
    std::vector<double> ticks;
    std::vector<std::int32_t> lines;
    std::vector<std::uint8_t> bits, timers;
    for (std::size_t i = 0; i < history.size(); ++i) {
        const teach::PulseSample& s = history.at(i);
        if (number(s.tick) < from || number(s.tick) > to) continue;
        ticks.push_back(number(s.tick));
        lines.push_back(static_cast<std::int32_t>(s.line - 1));
        bits.push_back(s.bits);
        timers.push_back(s.timer == interp::TimerId::Interpreter ? 1 : 2);
    }
    val o = val::object();
    o.set("type", text("pulses"));
    o.set("from", ticks.empty() ? from : ticks.front());
    o.set("ticks", typedArray("Float64Array", ticks));
    o.set("lines", typedArray("Int32Array", lines));
    o.set("bits", typedArray("Uint8Array", bits));
    o.set("timers", typedArray("Uint8Array", timers));
    return o;
}

val select(MachineSession& session, val serial) {
    std::optional<std::uint64_t> chosen;
    if (serial.isNumber() && serial.as<double>() >= 0) {
        chosen = static_cast<std::uint64_t>(serial.as<double>());
    }
    return selection(session, session.tools().select(chosen));
}

val selectTick(MachineSession& session, double tick) {
    return selection(session,
                     session.tools().selectTick(static_cast<std::uint64_t>(std::max(tick, 0.0))));
}

val selectLine(MachineSession& session, double line) {
    return selection(session, session.tools().selectLine(static_cast<std::int64_t>(line) + 1));
}

val selectPoint(MachineSession& session, double x, double y) {
    return selection(session, session.tools().select(session.rowAt(x, y)));
}

bool takeSelectionCleared(MachineSession& session) {
    return session.tools().takeSelectionCleared();
}

}  // namespace tarvo::web

namespace tarvo::web {

namespace {

// A polyline of user units as lines x1, y1, x2, y2 in the plan view's pixels.
void appendLines(std::vector<float>& lines, const std::vector<double>& xy,
                 const views::PixelMap& map) {
    for (std::size_t i = 2; i + 1 < xy.size(); i += 2) {
        for (const std::size_t at : {i - 2, i}) {
            lines.push_back(static_cast<float>(map.x(static_cast<float>(xy[at]))));
            lines.push_back(static_cast<float>(map.y(static_cast<float>(xy[at + 1]))));
        }
    }
}

emscripten::val rgb(teach::OverlayColour c) {
    emscripten::val a = emscripten::val::array();
    for (const int v : {c.r, c.g, c.b}) a.call<void>("push", v);
    return a;
}

}  // namespace

emscripten::val idealPath(MachineSession& session, double from, double line) {
    const teach::PathRecord& record = session.tools().path();
    const teach::PathDeviation& deviation = record.deviation();
    const views::PixelMap& map = session.canvas(views::View::Plan).pixelMap();
    const auto& finished = deviation.finished();
    const auto first =
        static_cast<std::size_t>(std::clamp(from, 0.0, static_cast<double>(finished.size())));
    std::vector<float> done, current, steps;
    for (std::size_t i = first; i < finished.size(); ++i) {
        appendLines(done, teach::idealPolyline(finished[i], map.kx), map);
    }
    if (const teach::IdealSegment* segment = deviation.current()) {
        appendLines(current, teach::idealPolyline(*segment, map.kx), map);
    }
    const std::int64_t picked = line >= 0 ? static_cast<std::int64_t>(line) + 1 : 0;
    if (picked != 0) {
        const auto xy = record.steps().polyline(picked);
        appendLines(steps, std::vector<double>(xy.begin(), xy.end()), map);
    }
    emscripten::val o = emscripten::val::object();
    o.set("type", std::string("idealPath"));
    o.set("run", static_cast<double>(record.runs()));
    o.set("from", static_cast<double>(first));
    o.set("finished", static_cast<double>(finished.size()));
    o.set("lines", typedArray("Float32Array", done));
    o.set("current", typedArray("Float32Array", current));
    o.set("steps", typedArray("Float32Array", steps));
    o.set("readout", std::string(teach::deviationReadout(deviation, record.dlstep(), picked)));
    o.set("idealColour", rgb(teach::idealColour));
    o.set("stepsColour", rgb(teach::pickedStepsColour));
    return o;
}

}  // namespace tarvo::web
