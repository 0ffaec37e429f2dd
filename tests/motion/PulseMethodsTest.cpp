#include <gtest/gtest.h>

#include <sstream>
#include <stdexcept>

#include "motion/PulseStepper.h"
#include "support/TableFile.h"

namespace tarvo::motion {
namespace {

// A stepper from a case of pulse-steps.tsv, e.g. "integration arc 5 0 0 5 G03 half".
PulseStepper stepperOf(const std::string& kase) {
    std::istringstream in(kase);
    std::string method, figure, sense, load;
    PulsePoint a, b;
    in >> method >> figure >> a.x >> a.y;
    if (figure == "arc") in >> b.x >> b.y >> sense;
    in >> load;
    const bool comparison = method == "comparison", half = load == "half";
    if (figure == "line") {
        return comparison ? PulseStepper(ComparisonLine(a))
                          : PulseStepper(IntegrationLine(a, half));
    }
    const PulseArc arc(a, b, sense == "G02");
    return comparison ? PulseStepper(ComparisonArc(arc)) : PulseStepper(IntegrationArc(arc, half));
}

std::string feedText(PulseFeed f) {
    const auto axis = [](int step, char name) {
        return step == 0 ? std::string() : (step > 0 ? "+" : "-") + std::string(1, name);
    };
    return axis(f.x, 'X') + axis(f.y, 'Y');
}

std::string numbers(std::initializer_list<std::int64_t> values) {
    std::string text;
    for (const std::int64_t v : values) text += (text.empty() ? "" : " ") + std::to_string(v);
    return text;
}

std::map<std::string, std::string> beats(const ComparisonStep& s) {
    return {{"point", numbers({s.point.x, s.point.y})},
            {"values", numbers({s.f})},
            {"after", numbers({s.fAfter})},
            {"feed", feedText(s.feed)},
            {"sigma", numbers({s.sigma})}};
}

std::map<std::string, std::string> beats(const IntegrationStep& s) {
    return {{"point", numbers({s.point.x, s.point.y})},
            {"values", numbers({s.jvx, s.jvy, s.jrx, s.jry})},
            {"overflow", std::string(s.overflowX ? "X" : "") + (s.overflowY ? "Y" : "")},
            {"after", numbers({s.jrxAfter, s.jryAfter})},
            {"feed", feedText(s.feed)},
            {"sigma", numbers({s.sigmaX, s.sigmaY})}};
}

TARVO_TABLE_SUITE(PulseSteps, "pulse-steps.tsv");

TEST_P(PulseSteps, ReadAsTheTextbookTable) {
    PulseStepper stepper = stepperOf(row()["case"]);
    const auto n = row().as<int>("n");
    for (int i = 1; i < n; ++i) stepper.next();
    ASSERT_FALSE(stepper.finished());
    const PulseIteration step = stepper.next();
    std::visit([&](const auto& s) { test::expectTexts(row(), beats(s)); }, step);
    // The last row of a case leaves every end counter at 0, and the stepper done.
    if (row()["sigma"] == "0" || row()["sigma"] == "0 0") {
        EXPECT_TRUE(stepper.finished());
    }
}

TARVO_TABLE_SUITE(PulseRefusals, "pulse-refusals.tsv");

TEST_P(PulseRefusals, SayWhy) {
    std::string message = "-";
    try {
        stepperOf(row()["case"]);
    } catch (const std::invalid_argument& refusal) {
        message = refusal.what();
    }
    EXPECT_EQ(message, row()["message"]);
}

// Walks a stepper to its end: every feed a unit step, and the point where the feeds lead.
PulsePoint walked(PulseStepper stepper, PulsePoint from) {
    for (int i = 0; !stepper.finished() && i < 10'000; ++i) {
        const PulseFeed f = std::visit([](const auto& s) { return s.feed; }, stepper.next());
        from.x += f.x, from.y += f.y;
    }
    EXPECT_TRUE(stepper.finished());
    EXPECT_EQ(stepper.point(), from);
    return from;
}

// Every method ends exactly on the end point: lines into each quadrant and along each axis, and
// arcs between the whole-pulse points of a circle of radius 5 in both senses, all round included,
// at 1, 10 and 100 pulses to the figure's unit (a millimetre at 1, 0.1 and 0.01 mm a pulse).
TEST(PulseMethods, EndExactlyOnTheEndPointInEveryQuadrantAndSense) {
    const std::vector<PulsePoint> circle = {{5, 0},  {4, 3},   {3, 4},   {0, 5},  {-3, 4}, {-4, 3},
                                            {-5, 0}, {-4, -3}, {-3, -4}, {0, -5}, {3, -4}, {4, -3}};
    for (const std::int64_t scale : {1, 10, 100}) {
        const auto scaled = [&](PulsePoint p) { return PulsePoint{p.x * scale, p.y * scale}; };
        std::vector<PulsePoint> lineEnds = circle;
        lineEnds.push_back({});  // a line of no length
        for (PulsePoint end : lineEnds) {
            end = scaled(end);
            SCOPED_TRACE(testing::Message() << "line to " << end.x << ' ' << end.y);
            EXPECT_EQ(walked(PulseStepper(ComparisonLine(end)), {}), end);
            EXPECT_EQ(walked(PulseStepper(IntegrationLine(end, false)), {}), end);
            EXPECT_EQ(walked(PulseStepper(IntegrationLine(end, true)), {}), end);
        }
        for (const PulsePoint start : circle) {
            for (const PulsePoint end : circle) {
                for (const bool cw : {false, true}) {
                    const PulseArc arc(scaled(start), scaled(end), cw);
                    SCOPED_TRACE(testing::Message()
                                 << "arc " << start.x << ' ' << start.y << " to " << end.x << ' '
                                 << end.y << (cw ? " G02" : " G03"));
                    EXPECT_EQ(walked(PulseStepper(ComparisonArc(arc)), arc.start()), arc.end());
                    EXPECT_EQ(walked(PulseStepper(IntegrationArc(arc, false)), arc.start()),
                              arc.end());
                    EXPECT_EQ(walked(PulseStepper(IntegrationArc(arc, true)), arc.start()),
                              arc.end());
                }
            }
        }
    }
}

}  // namespace
}  // namespace tarvo::motion
