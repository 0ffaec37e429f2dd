#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "teach/exercises/Exercise.h"

namespace tarvo::teach {

// The short code a teacher writes on the board so that a whole class gets
// the same exercises: five characters from the digits 2 to 9 and the capital
// letters without I, L and O, which are too easily misread. The code fixes
// every exercise through a generator of our own, so it gives the same
// exercises on every machine and with every standard library.
class ExerciseCode {
public:
    static constexpr std::size_t length = 5;
    static constexpr std::string_view alphabet = "23456789ABCDEFGHJKMNPQRSTUVWXYZ";

    // Reads a code as a student types it: normalised first, then small
    // letters read as capitals. Throws std::invalid_argument, its message
    // refusal()'s, for any other text.
    explicit ExerciseCode(std::string_view typed);
    // Why a typed text is no code, said in the language spoken now; empty
    // for a code. A shell that keeps the typed text says it again after a
    // switch of language.
    static std::string refusal(std::string_view typed);
    // A typed code (UTF-8) as the code reads it: full-width letters, digits
    // and signs as their ASCII forms, the ideographic space as a space, and
    // the spaces around it gone. What a Chinese input method gives thus
    // reads like what a Western keyboard gives.
    static std::string normalised(std::string_view typed);
    // A fresh code from any number, e.g. the time the teacher asked at.
    static ExerciseCode from(std::uint64_t entropy);

    const std::string& text() const { return text_; }
    // The exercises the code fixes: one for each method and figure
    // (comparison and integration, line and arc), in an order the code fixes
    // too, each with its quadrant, sense, pulse coordinates (an arc's radius
    // 4 to 10 pulses) and, for integration, whether the registers start half
    // full.
    std::vector<Exercise> exercises() const;

private:
    std::string text_;
    std::uint64_t value_ = 0;
};

}  // namespace tarvo::teach
