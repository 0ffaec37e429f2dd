#pragma once

#include <cstdint>
#include <string>

namespace tarvo::web {

// Where the machine's caret stands, in the page's terms: JavaScript counts
// a text in UTF-16 units, the interpreter in bytes of UTF-8.
struct CaretPlace {
    std::int64_t index = 0;   // UTF-16 units from the start of the program
    std::int64_t line = 0;    // counted from 0, by line feeds as the interpreter counts
    std::int64_t column = 0;  // UTF-16 units from the start of the line
};

// The places of one run's program. The caret mostly moves on, so each place
// is counted on from the last one asked for.
class CaretPlaces {
public:
    CaretPlaces() = default;
    explicit CaretPlaces(std::string program) : program_(std::move(program)) {}

    // A byte index of the program, clamped to it.
    CaretPlace at(std::int64_t byteIndex);

private:
    std::string program_;
    std::int64_t byte_ = 0;  // the byte the last place was counted to
    CaretPlace last_;
};

}  // namespace tarvo::web
