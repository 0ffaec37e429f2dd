// 练习 for the web page: the attempt's state as one plain object after each
// answer, its exports as the window writes them, worksheets and answer keys
// from a code, and the class summary from the students' files.
#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <stdexcept>

#include "teach/exercises/ClassSummary.h"
#include "teach/exercises/ClassSummaryCsv.h"
#include "teach/exercises/ClassSummaryPage.h"
#include "teach/exercises/ExerciseCode.h"
#include "teach/exercises/ExerciseCsv.h"
#include "teach/exercises/ExerciseReport.h"
#include "teach/exercises/ExerciseSession.h"
#include "teach/exercises/ExerciseTexts.h"
#include "teach/exercises/PulseGridFigure.h"
#include "teach/exercises/WorksheetPage.h"
#include "words/Catalogue.h"

namespace tarvo::web {

namespace {

using emscripten::val;
using teach::ExerciseSession;

val text(std::string_view s) {
    return val(std::string(s));
}

val bytes(const std::string& s) {
    return val::global("Uint8Array")
        .new_(emscripten::typed_memory_view(s.size(),
                                            reinterpret_cast<const std::uint8_t*>(s.data())));
}

val wrongSteps(const teach::ExerciseScore& score) {
    val rows = val::array();
    for (const teach::AnsweredStep& s : score.wrong()) {
        val row = val::array();
        for (const std::string& cell :
             {std::to_string(s.exercise), std::to_string(s.iteration), s.item, s.graded.answer,
              s.graded.expected, s.graded.explanation}) {
            row.call<void>("push", text(teach::shownText(cell)));
        }
        rows.call<void>("push", row);
    }
    return rows;
}

std::string_view formName(ExerciseSession::Asked asked) {
    switch (asked) {
        case ExerciseSession::Asked::FeedAndDeviation:
            return "feedAndDeviation";
        case ExerciseSession::Asked::Overflow:
            return "overflow";
        case ExerciseSession::Asked::Nothing:
            break;
    }
    return "none";
}

// The panel as it stands: before an attempt only the prompt and notice.
val state(ExerciseSession& session) {
    val o = val::object();
    o.set("type", text("exercise"));
    o.set("prompt", text(teach::exercisePrompt()));
    o.set("notice", text(session.notice()));
    o.set("savedAttempts", text(session.savedAttempts()));
    const teach::ExerciseRound* r = session.round();
    if (!r) return o;
    o.set("attempt", text(teach::attemptText(r->attempt())));
    o.set("task", text(teach::taskText(*r)));
    o.set("number", static_cast<double>(r->number()));
    o.set("count", static_cast<double>(r->count()));
    o.set("done", r->exerciseDone());
    o.set("finished", r->finished());
    o.set("known", text(r->exerciseDone() ? teach::doneText(*r) : teach::knownText(r->asked())));
    o.set("form", text(formName(session.asked())));
    o.set("nextCaption", text(words::say(r->finished() ? "看成绩" : "下一题")));
    o.set("figure", text(teach::pulseGridFigure(r->exercise(), r->path(), true)));
    o.set("verdict", text(session.verdict()));
    o.set("verdictRight", session.verdictRight());
    o.set("answers", static_cast<double>(r->score().steps().size()));
    o.set("scoreShown", session.scoreShown());
    o.set("score", text(teach::scoreHeadText(*r)));
    o.set("scoreStudent", text(teach::scoreStudentText(r->attempt())));
    o.set("wrong", wrongSteps(r->score()));
    return o;
}

val start(ExerciseSession& session, const std::string& code, const std::string& name,
          const std::string& number, const std::string& date, const std::string& time) {
    session.start(code, teach::Student{name, number}, date, time);
    val o = state(session);
    if (!session.codeRead().empty()) o.set("code", text(session.codeRead()));
    return o;
}

val answerFeed(ExerciseSession& session, int x, int y, const std::string& deviation) {
    session.answerFeed({static_cast<std::int8_t>(std::clamp(x, -1, 1)),
                        static_cast<std::int8_t>(std::clamp(y, -1, 1))},
                       deviation);
    return state(session);
}

val checkDeviation(ExerciseSession& session, const std::string& deviation) {
    session.checkDeviation(deviation);
    return state(session);
}

val answerOverflow(ExerciseSession& session, bool x, bool y) {
    session.answerOverflow(x, y);
    return state(session);
}

val next(ExerciseSession& session) {
    session.next();
    return state(session);
}

// The exports, as the window writes them; taken as saved once handed over.
val exerciseCsv(ExerciseSession& session) {
    const teach::ExerciseRound* r = session.round();
    if (!r) return val::null();
    session.exported();
    return bytes(teach::exerciseCsv(*r));
}

val exerciseReport(ExerciseSession& session) {
    const teach::ExerciseRound* r = session.round();
    if (!r) return val::null();
    session.exported();
    return text(teach::exerciseReport(r->score(), r->attempt()));
}

std::string drawCode(ExerciseSession& session, double entropy) {
    return session.drawCode(static_cast<std::uint64_t>(entropy));
}

// --worksheet and --answers: the page, or why the code was refused.
val worksheet(const std::string& typed, bool answers) {
    val o = val::object();
    try {
        const teach::ExerciseCode code(typed);
        o.set("code", text(code.text()));
        o.set("html", text(answers ? teach::answerKeyPage(code) : teach::worksheetPage(code)));
    } catch (const std::invalid_argument& refusal) {
        o.set("refused", text(refusal.what()));
    }
    return o;
}

// The students' files as the page read them: [{name, bytes}] (bytes null
// when the browser could not read it).
val classSummary(val files, const std::string& date) {
    std::vector<teach::ClassFile> read;
    const auto count = files["length"].as<std::size_t>();
    for (std::size_t i = 0; i < count; ++i) {
        const val f = files[i];
        teach::ClassFile file{f["name"].as<std::string>(), {}, {}};
        const val content = f["bytes"];
        if (content.isNull() || content.isUndefined()) {
            file.problem = words::say("无法读取");
        } else if (content["length"].as<std::size_t>() > teach::largestClassFile) {
            file.problem = std::string(teach::classFileTooLarge());
        } else {
            const auto data = emscripten::convertJSArrayToNumberVector<std::uint8_t>(content);
            file.bytes.assign(data.begin(), data.end());
        }
        read.push_back(std::move(file));
    }
    const teach::ClassSummary summary = teach::summarise(read);
    val o = val::object();
    o.set("code", text(summary.code));
    o.set("score", summary.students.empty()
                       ? val::null()
                       : text(words::fill("练习码 {1}：{2}", {summary.code, summary.scoreText()})));
    val students = val::array();
    for (const teach::ClassStudent& s : summary.students) {
        val student = val::object();
        student.set("file", text(s.file));
        student.set("name", text(s.sheet.name));
        student.set("number", text(s.sheet.number));
        student.set("rights", static_cast<double>(s.sheet.rights));
        student.set("total", static_cast<double>(s.sheet.total));
        student.set("percent", text(teach::percentText(s.sheet.rights, s.sheet.total)));
        student.set("remark", text(teach::studentRemark(s)));
        students.call<void>("push", student);
    }
    o.set("students", students);
    val steps = val::array();
    for (const teach::ClassStep& s : summary.steps) {
        val step = val::object();
        step.set("exercise", static_cast<double>(s.exercise));
        step.set("task", text(teach::shownText(s.task)));
        step.set("iteration", static_cast<double>(s.iteration));
        step.set("item", text(s.item));
        step.set("expected", text(teach::shownText(s.expected)));
        step.set("answered", static_cast<double>(s.answered));
        step.set("wrong", static_cast<double>(s.wrong));
        step.set("wrongAnswers", text(teach::wrongAnswersText(s)));
        steps.call<void>("push", step);
    }
    o.set("steps", steps);
    val leftOut = val::array();
    for (const teach::LeftOutFile& l : summary.leftOut) {
        val file = val::object();
        file.set("file", text(l.file));
        file.set("reason", text(l.reason));
        leftOut.call<void>("push", file);
    }
    o.set("leftOut", leftOut);
    if (!summary.students.empty()) {
        o.set("studentsCsv", bytes(teach::classStudentsCsv(summary)));
        o.set("stepsCsv", bytes(teach::classStepsCsv(summary)));
        o.set("page", text(teach::classSummaryPage(summary, date)));
    }
    return o;
}

}  // namespace

EMSCRIPTEN_BINDINGS(tarvo_exercises) {
    emscripten::class_<ExerciseSession>("Exercises")
        .constructor<std::string>()
        .function("state", &state)
        .function("start", &start)
        .function("answerFeed", &answerFeed)
        .function("checkDeviation", &checkDeviation)
        .function("answerOverflow", &answerOverflow)
        .function("next", &next)
        .function("drawCode", &drawCode)
        .function("csv", &exerciseCsv)
        .function("report", &exerciseReport);
    emscripten::function("worksheet", &worksheet);
    emscripten::function("classSummary", &classSummary);
}

}  // namespace tarvo::web
