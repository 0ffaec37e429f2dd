#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "motion/exact/Decimal.h"
#include "motion/exact/Squared.h"

namespace tarvo::teach {

// Lengths and squares in the textbook's unit, the pulse: a length in
// internal units divided by the step, a square by the step's square. The
// quotient is written exactly when it ends within eight places ("3", "-2.5"),
// otherwise rounded to four places after "≈" ("≈3.3333"); a value that reads
// 0 is written without a sign. Minus is the ASCII '-'.
std::string pulseText(motion::Decimal length, motion::Decimal dlstep);
std::string pulseSquaredText(motion::Squared square, motion::Decimal dlstep);

// The root of a square (not negative) in pulses, from its exact value: every
// digit when the root ends within two places ("3", "2.5"), otherwise rounded
// to the nearest at the given places, halves up ("5.39" for √29, "1.00").
std::string pulseRootText(motion::Squared square, motion::Decimal dlstep, int places = 2);
// Whether that root, rounded to the places, reads the whole number `limit`
// though it is not exactly that: the text then cannot tell the side.
bool pulseRootReads(motion::Squared square, motion::Decimal dlstep, int places, std::int64_t limit);

// The same texts appended to `text`, written with the minus sign given: the
// ASCII "-" or the typographic "−" of the beats.
inline constexpr std::string_view typographicMinus = "−";
inline constexpr std::string_view asciiMinus = "-";
void appendPulseText(std::string& text, motion::Decimal length, motion::Decimal dlstep,
                     std::string_view minus = "-");
void appendPulseSquaredText(std::string& text, motion::Squared square, motion::Decimal dlstep,
                            std::string_view minus = "-");
void appendPulseRootText(std::string& text, motion::Squared square, motion::Decimal dlstep,
                         int places = 2);

// A whole number written with the minus sign given.
void appendSignedWhole(std::string& text, std::int64_t n, std::string_view minus);

// The same text with each '-' written as the typographic minus "−".
std::string withMinusSign(std::string text);

}  // namespace tarvo::teach
