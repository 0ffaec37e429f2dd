#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tarvo::files {

struct DecodedProgram;

// How a program file is written: its character set and whether it starts
// with a UTF-8 byte-order mark. Programs come from Windows editors (GBK) as
// well as from Linux ones (UTF-8). Both shells decode a file here, so the
// interpreter reads the same text from it in the runner and in the window.
class ProgramEncoding {
public:
    enum class Charset { Utf8, Gb18030 };

    // A new program: UTF-8 without byte-order mark.
    ProgramEncoding() = default;

    // The text of a file's bytes in UTF-8, its line ends as they are, without
    // the byte-order mark: UTF-8 when the bytes are valid UTF-8, else
    // GB18030 (which includes GBK), else nothing. GB18030 is taken only when
    // the text goes back to exactly the same bytes, so saving never changes
    // a character the user did not touch.
    static std::optional<DecodedProgram> decode(std::string_view bytes);
    // A UTF-8 text as this file's bytes; nothing when it is not valid UTF-8.
    std::optional<std::string> encode(std::string_view text) const;

    Charset charset() const { return charset_; }
    bool byteOrderMark() const { return byteOrderMark_; }

private:
    Charset charset_ = Charset::Utf8;
    bool byteOrderMark_ = false;
};

struct DecodedProgram {
    std::string text;  // UTF-8
    ProgramEncoding encoding;
};

// Whether the bytes are UTF-8 as the standard has it: no overlong forms, no
// surrogates, nothing beyond U+10FFFF, no character cut off at the end.
bool isUtf8(std::string_view bytes);

}  // namespace tarvo::files
