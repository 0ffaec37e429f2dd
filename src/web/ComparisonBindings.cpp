#include "web/ComparisonBindings.h"

#include <algorithm>
#include <vector>

#include "motion/Methods.h"
#include "teach/comparison/ComparisonTexts.h"
#include "teach/ideal/IdealPathFigure.h"
#include "words/Catalogue.h"

namespace tarvo::web {

namespace {

using emscripten::val;

val text(std::string_view s) {
    return val(std::string(s));
}

template <typename Range>
val texts(const Range& range) {
    val array = val::array();
    for (const auto& item : range) array.call<void>("push", text(item));
    return array;
}

val doubles(const std::vector<double>& items) {
    return val::global("Float64Array")
        .new_(emscripten::typed_memory_view(items.size(), items.data()));
}

// The names the pickers give the two trials: "逐点比较法", "数字积分法（半加载）".
std::array<std::string, 2> names(const Comparison& c) {
    std::array<std::string, 2> n;
    for (int i = 0; i < 2; ++i) {
        const motion::MethodChoice choice = c.choice(i);
        n[i] = teach::trialName(motion::methodEntry(choice.interpolation).caption, choice.halfLoad);
    }
    return n;
}

val group(std::string_view caption, bool apart, const teach::MethodFigures* a,
          const teach::MethodFigures* b) {
    val o = val::object();
    o.set("caption", text(caption));
    o.set("apart", apart);
    val figures = val::array();
    for (const teach::MethodFigures* f : {a, b}) {
        figures.call<void>("push", f ? texts(teach::figureCells(*f)) : val::null());
    }
    o.set("figures", figures);
    return o;
}

// Two rows a move, A above B: the moves compared summed first, then the
// moves (of a very long program only the first ones).
val table(const Comparison& c) {
    const teach::MethodRun& a = c.trial(0).run();
    const teach::MethodRun& b = c.trial(1).run();
    const std::size_t moves = std::max(a.moves().size(), b.moves().size());
    const std::size_t listed = std::min(moves, teach::comparisonMovesListed);
    val groups = val::array();
    groups.call<void>("push",
                      group(teach::comparisonTotals(), false, &a.compared(), &b.compared()));
    for (std::size_t m = 0; m < listed; ++m) {
        const bool inA = m < a.moves().size(), inB = m < b.moves().size();
        const teach::MoveFigures& move = inA ? a.moves()[m] : b.moves()[m];
        groups.call<void>("push", group(teach::moveName(move), move.rapid(),
                                        inA ? &a.moves()[m].figures : nullptr,
                                        inB ? &b.moves()[m].figures : nullptr));
    }
    val o = val::object();
    o.set("columns", texts(teach::comparisonColumns()));
    o.set("groups", groups);
    o.set("omitted", listed < moves ? text(teach::omittedMoves(moves - listed)) : val::null());
    o.set("ticksCaption", text(teach::comparisonTicks()));
    o.set("ticks", texts(std::array{std::to_string(c.trial(0).ticks()),
                                    std::to_string(c.trial(1).ticks())}));
    return o;
}

// A run's staircase in parts and the ideal paths of its moves, x, y pairs in
// tenths of a millimetre, and its resultant feed folded as the run kept it.
val plots(const teach::MethodTrial& trial) {
    const teach::MethodRun& run = trial.run();
    val parts = val::array();
    for (const auto& part : run.staircase().parts()) {
        std::vector<double> xy;
        for (const auto& p : part) {
            xy.push_back(p.x);
            xy.push_back(p.y);
        }
        parts.call<void>("push", doubles(xy));
    }
    val ideal = val::array();
    // Fine enough for a plot some hundreds of pixels across the run's reach.
    const double across = std::max(run.staircase().reach().extent(), 1.0);
    for (const teach::IdealSegment& s : run.ideal()) {
        ideal.call<void>("push", doubles(teach::idealPolyline(s, 1000 / across)));
    }
    std::vector<double> feeds;
    for (const teach::FeedCounts& bucket : run.feeds().kept()) feeds.push_back(bucket.meanFeed());
    val o = val::object();
    o.set("staircase", parts);
    o.set("ideal", ideal);
    o.set("feedIterations", static_cast<double>(run.feeds().iterations()));
    o.set("feedWidth", static_cast<double>(run.feeds().width()));
    o.set("feeds", doubles(feeds));
    o.set("meanFeed", run.feeds().span(0, run.feeds().iterations()).meanFeed());
    return o;
}

}  // namespace

val compare(MachineSession& session, const std::string& keyA, bool halfLoadA,
            const std::string& keyB, bool halfLoadB) {
    const auto a = motion::methodOfKey(keyA), b = motion::methodOfKey(keyB);
    if (!a || !b) return text(words::fill("未知的插补方法：{1}", {a ? keyB : keyA}));
    session.compare({motion::MethodChoice{*a, halfLoadA}, motion::MethodChoice{*b, halfLoadB}});
    return val::null();
}

bool advanceComparison(MachineSession& session, double ticks) {
    Comparison* c = session.comparison();
    return c && c->advance(static_cast<std::uint64_t>(std::clamp(ticks, 1.0, 1e9)));
}

void cancelComparison(MachineSession& session) {
    if (Comparison* c = session.comparison()) c->cancel();
}

val comparisonResult(MachineSession& session) {
    val o = val::object();
    o.set("type", text("compared"));
    const Comparison* c = session.comparison();
    const bool running = c && c->running();
    o.set("running", running);
    o.set("colours", val::array());
    for (const auto& colour : teach::comparisonColours) {
        val rgb = val::array();
        for (const int v : colour) rgb.call<void>("push", v);
        o["colours"].call<void>("push", rgb);
    }
    if (!c || running) {
        o.set("notice", text(running ? teach::comparisonRunning() : teach::comparisonPrompt()));
        o.set("noticeIsProblem", false);
        return o;
    }
    const std::array<std::string, 2> n = names(*c);
    std::vector<std::string> notices;
    for (int i = 0; i < 2; ++i) {
        const std::string notice = teach::trialNotice(c->trial(i), n[i]);
        if (!notice.empty() && std::find(notices.begin(), notices.end(), notice) == notices.end()) {
            notices.push_back(notice);
        }
    }
    std::string joined;
    for (const std::string& notice : notices) joined += (joined.empty() ? "" : "\n") + notice;
    o.set("notice", text(notices.empty() ? std::string(teach::comparisonFinished()) : joined));
    o.set("noticeIsProblem", !notices.empty());
    o.set("names", texts(n));
    o.set("table", table(*c));
    o.set("dlstep", c->trial(0).dlstep());
    val p = val::array();
    for (int i = 0; i < 2; ++i) p.call<void>("push", plots(c->trial(i)));
    o.set("plots", p);
    return o;
}

}  // namespace tarvo::web
