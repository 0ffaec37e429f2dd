#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace tarvo::files {

// GB18030 as its 2022 edition maps it, the two-byte codes by table and the
// four-byte codes of the Basic Multilingual Plane by runs, as the standard
// lists them.

// The characters of the two-byte codes in UTF-8, one row per first byte 81
// to FE, each the 190 characters of the second bytes 40 to 7E and 80 to FE.
extern const std::array<std::string_view, 126> gb18030Rows;

// Four-byte codes 81 30 81 30 to 84 31 A4 39 that stand for consecutive
// characters. A code's index counts from 81 30 81 30 with the last byte
// fastest: ((b1 − 81h)·10 + b2 − 30h)·126 + b3 − 81h)·10 + b4 − 30h. An index
// in no run is no character.
struct Gb18030Run {
    std::uint32_t index;   // of the first code
    char32_t first;        // its character
    std::uint32_t length;  // codes in the run
};
extern const std::array<Gb18030Run, 210> gb18030Runs;

}  // namespace tarvo::files
