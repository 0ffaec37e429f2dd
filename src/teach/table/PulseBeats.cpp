#include "teach/table/PulseBeats.h"

#include <variant>

#include "motion/Overloaded.h"
#include "motion/exact/NumberText.h"
#include "teach/table/BeatWords.h"
#include "teach/table/PulseText.h"

namespace tarvo::teach {

namespace {

using motion::ComparisonStep;
using motion::IntegrationStep;
using motion::Overloaded;

bool isLine(motion::Mode mode) {
    return mode == motion::Mode::Rapid || mode == motion::Mode::Line;
}

void appendPair(std::string& text, motion::PulsePoint p, std::string_view minus) {
    text += '(';
    appendSignedWhole(text, p.x, minus);
    text += ", ";
    appendSignedWhole(text, p.y, minus);
    text += ')';
}

// The quadrant L1 … L4 of a line's end: +X belongs to L1, +Y to L2, −X to L3, −Y to L4.
char lineQuadrant(motion::PulsePoint e) {
    if (e.x > 0 && e.y >= 0) return '1';
    if (e.x <= 0 && e.y > 0) return '2';
    if (e.x < 0 && e.y <= 0) return '3';
    return '4';
}

void appendRoundingNote(std::string& text, const motion::StepRecord& r,
                        const motion::PulseFigure& f, std::string_view minus) {
    if (r.number != 1 || !f.rounded) return;
    const BeatWords& said = beatWords();
    if (isLine(r.gmode)) {
        text += said.roundedEnd;
    } else {
        text += said.roundedEnds;
        appendPair(text, f.start, minus);
        text += said.listComma;
    }
    appendPair(text, f.end, minus);
    text += said.inPulses;
}

std::string_view overflows(const IntegrationStep& s) {
    const BeatWords& said = beatWords();
    if (s.overflowX && s.overflowY) return said.bothOverflow;
    if (s.overflowX || s.overflowY) return s.overflowX ? said.xOverflows : said.yOverflows;
    return said.noOverflow;
}

struct RegisterSum {
    char name, axis;
    bool adds;
    std::int64_t before, integrand, after, capacity;
};

void appendRegisterSum(std::string& text, const RegisterSum& r, std::string_view minus,
                       const BeatWords& said) {
    text.append("JR").append(1, r.name).append(" = ");
    appendSignedWhole(text, r.before, minus);
    if (!r.adds) return void(text += said.holds);
    const std::int64_t sum = r.before + r.integrand;
    text += " + ";
    appendSignedWhole(text, r.integrand, minus);
    text += " = ";
    appendSignedWhole(text, sum, minus);
    text += sum < r.capacity ? " < " : " ≥ ";
    appendSignedWhole(text, r.capacity, minus);
    if (sum < r.capacity) return;
    text.append(" → Δ").append(1, r.axis).append(said.remainder);
    appendSignedWhole(text, r.after, minus);
}

// An axis fed, "+X" or "−Y".
void appendAxis(std::string& text, bool positive, char axis, std::string_view minus) {
    if (positive) {
        text += '+';
    } else {
        text += minus;
    }
    text += axis;
}

// The rule a comparison line's iteration follows. On an axis the quadrant
// alone does not say it: along X, F stays 0 and the quadrant's F ≥ 0 rule
// feeds X; along Y, Xe = 0 leaves nothing to feed on X, so Y is fed as the
// quadrant's F < 0 rule feeds it, and F stays 0.
void appendLineRule(std::string& text, const ComparisonStep& c, motion::PulsePoint end,
                    std::string_view minus) {
    const char quadrant[2] = {'L', lineQuadrant(end)};
    text += "F = ";
    appendSignedWhole(text, c.f, minus);
    text += c.f < 0 ? " < 0, " : " ≥ 0, ";
    text.append(quadrant, 2);
    if (end.y == 0) {
        text += beatWords().endOnXAxis;
        appendAxis(text, end.x > 0, 'X', minus);
        text += beatWords().followsQuadrant;
        text.append(quadrant, 2);
    } else if (end.x == 0 && c.f >= 0) {
        text += beatWords().endOnYAxis;
        appendAxis(text, end.y > 0, 'Y', minus);
        text += beatWords().feedsLikeBelow;
        appendAxis(text, end.y > 0, 'Y', minus);
    }
}

void appendCounter(std::string& text, std::int64_t before, std::int64_t after,
                   std::string_view minus) {
    appendSignedWhole(text, before, minus);
    text += " → ";
    appendSignedWhole(text, after, minus);
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
    std::visit(Overloaded{[&](const ComparisonStep& c) {
                              appendLineRule(text, c, step.segment.figure.end, minus);
                          },
                          [&](const IntegrationStep& s) { text += overflows(s); }},
               *record.pulses);
    appendRoundingNote(text, record, step.segment.figure, minus);
}

void pulseCalculation(std::string& text, const motion::StepRecord& record, std::string_view minus) {
    std::visit(Overloaded{[&](const ComparisonStep& c) {
                              // An X feed takes |Ye| off, a Y feed adds |Xe|, even when that is 0.
                              const std::int64_t change = c.fAfter - c.f;
                              const bool xFed = c.feed.x != 0;
                              text += "F = ";
                              appendSignedWhole(text, c.f, minus);
                              if (xFed) {
                                  text.append(" ").append(minus).append(" ");
                              } else {
                                  text += " + ";
                              }
                              motion::appendWholeText(text, xFed ? -change : change);
                              text += " = ";
                              appendSignedWhole(text, c.fAfter, minus);
                          },
                          [&](const IntegrationStep& s) {
                              const BeatWords& said = beatWords();
                              appendRegisterSum(
                                  text, {'x', 'X', s.addsX, s.jrx, s.jvx, s.jrxAfter, s.capacity},
                                  minus, said);
                              text += "; ";
                              appendRegisterSum(
                                  text, {'y', 'Y', s.addsY, s.jry, s.jvy, s.jryAfter, s.capacity},
                                  minus, said);
                          }},
               *record.pulses);
}

void pulseSigma(std::string& text, const motion::StepRecord& record, std::string_view minus) {
    std::visit(Overloaded{[&](const ComparisonStep& c) {
                              appendCounter(text, c.sigma + 1, c.sigma, minus);
                          },
                          [&](const IntegrationStep& s) {
                              if (isLine(record.gmode)) {
                                  return appendCounter(text, s.sigmaX + 1, s.sigmaX, minus);
                              }
                              text += "Σx ";
                              appendCounter(text, s.sigmaX + (s.feed.x != 0), s.sigmaX, minus);
                              text += "; Σy ";
                              appendCounter(text, s.sigmaY + (s.feed.y != 0), s.sigmaY, minus);
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
