#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "motion/Segment.h"

namespace tarvo::interp {

// The line interpreter: each tick of Timer1 reads one word of the program
// snapshot (skipping ignored characters) or one line end.
class Interpreter {
public:
    enum class Outcome { Word, LineEnd, EndOfText, Error };

    // A fresh run: the snapshot, position and line back to the beginning,
    // the modal command texts empty.
    void start(std::string text);

    // One tick. Coordinate words write the segment's end point and arc
    // offsets; on LineEnd txtline already counts the line just ended.
    Outcome tick(motion::Segment& s);

    const std::string& progtxt() const { return progtxt_; }
    const std::string& error() const { return error_; }  // after Outcome::Error
    // After LineEnd: whether the line just ended wrote an X, Y, I or J word,
    // as an arc line that says where it goes does; a line of M words under
    // a modal G02 writes none.
    bool lineWrotePlaneWords() const;

    std::int64_t txtpos = 0;               // byte index of the next character to read
    std::int64_t txtline = 0;              // line feeds consumed: index of the line being read
    std::string_view gcode, mcode, lcode;  // "G00".."G03", "M03"/"M05", "M08"/"M09" or empty

private:
    int characterAt(std::int64_t index) const;  // -1 past the end of the text
    std::string_view readWord(bool (*continues)(char));
    Outcome commandWord(char letter);
    Outcome coordinateWord(char letter, motion::Segment& s);
    Outcome arcCheck(const motion::Segment& s);
    Outcome fail(std::string message);

    std::string progtxt_;
    std::string error_;
};

}  // namespace tarvo::interp
