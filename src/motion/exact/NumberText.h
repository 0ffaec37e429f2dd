#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "motion/exact/Decimal.h"
#include "motion/exact/Squared.h"

namespace tarvo::motion {

// The text a read-out shows for a value in millimetres: the shortest decimal
// form with at most 15 significant digits, no trailing zeros, no point for
// whole numbers ("30", "-2.5", "1E+16").
std::string numberText(double value);

// The shortest text that reads back to the very same double.
std::string exactText(double value);

// The exact value, every digit it has and no trailing zero, no point for
// whole numbers ("299.9", "-0.05", "0"): for traces, tables and reports.
// Up to 15 significant digits it is also the shortest text of the nearest
// double (never "299.90000000000003").
std::string exactText(Decimal value);
std::string exactText(Squared value);
// The same texts appended to `text`, for writers of many numbers that keep
// one buffer.
void appendExactText(std::string& text, double value);
void appendExactText(std::string& text, Decimal value);
void appendExactText(std::string& text, Squared value);
// A whole number, as std::to_string writes it, appended.
void appendWholeText(std::string& text, std::int64_t value);
// The same texts written at `out`, which has room for numberTextRoom bytes,
// for writers that lay out whole rows; the end of the text is returned.
inline constexpr std::size_t numberTextRoom = 48;
char* writeExactText(char* out, double value);
char* writeExactText(char* out, Decimal value);
char* writeExactText(char* out, Squared value);
char* writeWholeText(char* out, std::int64_t value);
// A length in internal units (tenths of a millimetre), exactly, in millimetres.
std::string millimetreText(Decimal tenths);

}  // namespace tarvo::motion
