#include "teach/table/PulseBeats.h"

#include <variant>

#include "motion/Overloaded.h"
#include "motion/exact/NumberText.h"
#include "teach/table/BeatWords.h"
#include "teach/table/PulseText.h"
#include "teach/table/TextRun.h"

namespace tarvo::teach {

namespace {

using motion::ComparisonStep;
using motion::IntegrationStep;
using motion::Overloaded;

bool isLine(motion::Mode mode) {
    return mode == motion::Mode::Rapid || mode == motion::Mode::Line;
}

void appendPair(TextRun& run, motion::PulsePoint p, std::string_view minus) {
    run << '(';
    run.whole(p.x, minus) << ", ";
    run.whole(p.y, minus) << ')';
}

// The quadrant L1 … L4 of a line's end: +X belongs to L1, +Y to L2, −X to L3, −Y to L4.
char lineQuadrant(motion::PulsePoint e) {
    if (e.x > 0 && e.y >= 0) return '1';
    if (e.x <= 0 && e.y > 0) return '2';
    if (e.x < 0 && e.y <= 0) return '3';
    return '4';
}

void appendRoundingNote(TextRun& run, const motion::StepRecord& r, const motion::PulseFigure& f,
                        std::string_view minus) {
    if (r.number != 1 || !f.rounded) return;
    if (isLine(r.gmode)) {
        run << beatWords().roundedEnd;
    } else {
        run << beatWords().roundedEnds;
        appendPair(run, f.start, minus);
        run << beatWords().listComma;
    }
    appendPair(run, f.end, minus);
    run << beatWords().inPulses;
}

std::string_view overflows(const IntegrationStep& s) {
    if (s.overflowX && s.overflowY) return beatWords().bothOverflow;
    if (s.overflowX || s.overflowY)
        return s.overflowX ? beatWords().xOverflows : beatWords().yOverflows;
    return beatWords().noOverflow;
}

struct RegisterSum {
    char name, axis;
    bool adds;
    std::int64_t before, integrand, after, capacity;
};

void appendRegisterSum(TextRun& run, const RegisterSum& r, std::string_view minus) {
    run << "JR" << r.name << " = ";
    run.whole(r.before, minus);
    if (!r.adds) return void(run << beatWords().holds);
    const std::int64_t sum = r.before + r.integrand;
    run << " + ";
    run.whole(r.integrand, minus) << " = ";
    run.whole(sum, minus) << (sum < r.capacity ? " < " : " ≥ ");
    run.whole(r.capacity, minus);
    if (sum < r.capacity) return;
    run << " → Δ" << r.axis << beatWords().remainder;
    run.whole(r.after, minus);
}

// An axis fed, "+X" or "−Y".
void appendAxis(TextRun& run, bool positive, char axis, std::string_view minus) {
    if (positive) {
        run << '+';
    } else {
        run << minus;
    }
    run << axis;
}

// The rule a comparison line's iteration follows. On an axis the quadrant
// alone does not say it: along X, F stays 0 and the quadrant's F ≥ 0 rule
// feeds X; along Y, Xe = 0 leaves nothing to feed on X, so Y is fed as the
// quadrant's F < 0 rule feeds it, and F stays 0.
void appendLineRule(TextRun& run, const ComparisonStep& c, motion::PulsePoint end,
                    std::string_view minus) {
    const char quadrant = lineQuadrant(end);
    run << "F = ";
    run.whole(c.f, minus) << (c.f < 0 ? " < 0, " : " ≥ 0, ") << 'L' << quadrant;
    if (end.y == 0) {
        run << beatWords().endOnXAxis;
        appendAxis(run, end.x > 0, 'X', minus);
        run << beatWords().followsQuadrant << 'L' << quadrant;
    } else if (end.x == 0 && c.f >= 0) {
        run << beatWords().endOnYAxis;
        appendAxis(run, end.y > 0, 'Y', minus);
        run << beatWords().feedsLikeBelow;
        appendAxis(run, end.y > 0, 'Y', minus);
    }
}

void appendCounter(TextRun& run, std::int64_t before, std::int64_t after, std::string_view minus) {
    run.whole(before, minus) << " → ";
    run.whole(after, minus);
}

motion::PulsePoint fedFrom(motion::PulsePoint point, motion::PulseFeed feed) {
    return {point.x + feed.x, point.y + feed.y};
}

motion::PulsePoint pointAfter(const motion::StepRecord& r) {
    return std::visit(Overloaded{[](const ComparisonStep& s) { return fedFrom(s.point, s.feed); },
                                 [](const IntegrationStep& s) { return fedFrom(s.point, s.feed); }},
                      *r.pulses);
}

}  // namespace

void pulseJudgement(std::string& text, const TextbookStep& step, std::string_view minus) {
    const motion::StepRecord& record = step.record;
    TextRun run(text);
    std::visit(Overloaded{[&](const ComparisonStep& c) {
                              appendLineRule(run, c, step.segment.figure.end, minus);
                          },
                          [&](const IntegrationStep& s) { run << overflows(s); }},
               *record.pulses);
    appendRoundingNote(run, record, step.segment.figure, minus);
}

void pulseCalculation(std::string& text, const motion::StepRecord& record, std::string_view minus) {
    TextRun run(text);
    std::visit(
        Overloaded{[&](const ComparisonStep& c) {
                       // An X feed takes |Ye| off, a Y feed adds |Xe|, even when that is 0.
                       const std::int64_t change = c.fAfter - c.f;
                       const bool xFed = c.feed.x != 0;
                       run << "F = ";
                       run.whole(c.f, minus);
                       if (xFed) {
                           run << ' ' << minus << ' ';
                       } else {
                           run << " + ";
                       }
                       run.whole(xFed ? -change : change, asciiMinus) << " = ";
                       run.whole(c.fAfter, minus);
                   },
                   [&](const IntegrationStep& s) {
                       appendRegisterSum(
                           run, {'x', 'X', s.addsX, s.jrx, s.jvx, s.jrxAfter, s.capacity}, minus);
                       run << "; ";
                       appendRegisterSum(
                           run, {'y', 'Y', s.addsY, s.jry, s.jvy, s.jryAfter, s.capacity}, minus);
                   }},
        *record.pulses);
}

void pulseSigma(std::string& text, const motion::StepRecord& record, std::string_view minus) {
    TextRun run(text);
    std::visit(Overloaded{[&](const ComparisonStep& c) {
                              appendCounter(run, c.sigma + 1, c.sigma, minus);
                          },
                          [&](const IntegrationStep& s) {
                              if (isLine(record.gmode)) {
                                  return appendCounter(run, s.sigmaX + 1, s.sigmaX, minus);
                              }
                              run << "Σx ";
                              appendCounter(run, s.sigmaX + (s.feed.x != 0), s.sigmaX, minus);
                              run << "; Σy ";
                              appendCounter(run, s.sigmaY + (s.feed.y != 0), s.sigmaY, minus);
                          }},
               *record.pulses);
}

void pulseSigmaCell(std::string& text, const motion::StepRecord& record) {
    std::visit(Overloaded{[&](const ComparisonStep& c) { motion::appendWholeText(text, c.sigma); },
                          [&](const IntegrationStep& s) {
                              motion::appendWholeText(text, s.sigmaX);
                              if (isLine(record.gmode)) return;
                              text += '/';
                              motion::appendWholeText(text, s.sigmaY);
                          }},
               *record.pulses);
}

void pulseX(std::string& text, const motion::StepRecord& record) {
    motion::appendWholeText(text, pointAfter(record).x);
}

void pulseY(std::string& text, const motion::StepRecord& record) {
    motion::appendWholeText(text, pointAfter(record).y);
}

void pulseDeviation(std::string& text, const motion::StepRecord& record) {
    if (const auto* c = std::get_if<ComparisonStep>(&*record.pulses)) {
        motion::appendWholeText(text, c->fAfter);
    }
}

std::string pulseRegisters(const motion::StepRecord& record, bool after) {
    return std::visit(
        Overloaded{
            [after](const ComparisonStep& c) {
                return after ? "F=" + std::to_string(c.fAfter) + " Σ=" + std::to_string(c.sigma)
                             : "F=" + std::to_string(c.f) + " Σ=" + std::to_string(c.sigma + 1);
            },
            [after](const IntegrationStep& s) {
                const auto jr = [](std::int64_t x, std::int64_t y) {
                    return "JRx=" + std::to_string(x) + " JRy=" + std::to_string(y);
                };
                if (after) return jr(s.jrxAfter, s.jryAfter);
                return jr(s.jrx, s.jry) + " JVx=" + std::to_string(s.jvx) +
                       " JVy=" + std::to_string(s.jvy);
            }},
        *record.pulses);
}

void pulseDecision(std::string& text, const motion::StepRecord& record) {
    std::visit(Overloaded{[&](const ComparisonStep& c) { text += c.f < 0 ? "F<0" : "F≥0"; },
                          [&](const IntegrationStep& s) {
                              if (!s.overflowX && !s.overflowY) {
                                  text += "< ";
                              } else {
                                  if (s.overflowX) text += "JRx";
                                  if (s.overflowX && s.overflowY) text += ' ';
                                  if (s.overflowY) text += "JRy";
                                  text += " ≥ ";
                              }
                              motion::appendWholeText(text, s.capacity);
                          }},
               *record.pulses);
}

bool pulseEnded(const motion::StepRecord& record) {
    return std::visit(
        Overloaded{[](const ComparisonStep& c) { return c.sigma == 0; },
                   [](const IntegrationStep& s) { return s.sigmaX == 0 && s.sigmaY == 0; }},
        *record.pulses);
}

std::string_view machineKeptNote(const motion::StepRecord& record) {
    const bool kept = record.interpolation != motion::Interpolation::Machine && !record.pulses &&
                      isLine(record.gmode);
    return kept ? beatWords().keptMachine : std::string_view();
}

}  // namespace tarvo::teach
