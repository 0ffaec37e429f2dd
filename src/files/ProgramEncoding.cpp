#include "files/ProgramEncoding.h"

#include "files/Gb18030.h"

namespace tarvo::files {

namespace {

constexpr std::string_view utf8Mark = "\xEF\xBB\xBF";

// The length of the UTF-8 character starting at `at`, or 0 when the bytes
// there are not one.
std::size_t utf8Length(std::string_view bytes, std::size_t at) {
    const auto byte = [&](std::size_t i) {
        return i < bytes.size() ? static_cast<unsigned char>(bytes[i]) : 0u;
    };
    const unsigned lead = byte(at);
    if (lead < 0x80) return 1;
    // The second byte's range rules out overlong forms, surrogates and
    // code points beyond U+10FFFF.
    unsigned low = 0x80, high = 0xBF;
    std::size_t length = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        if (lead == 0xE0) low = 0xA0;
        if (lead == 0xED) high = 0x9F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        if (lead == 0xF0) low = 0x90;
        if (lead == 0xF4) high = 0x8F;
    } else {
        return 0;
    }
    if (byte(at + 1) < low || byte(at + 1) > high) return 0;
    for (std::size_t i = 2; i < length; ++i) {
        if (byte(at + i) < 0x80 || byte(at + i) > 0xBF) return 0;
    }
    return length;
}

}  // namespace

bool isUtf8(std::string_view bytes) {
    for (std::size_t at = 0; at < bytes.size();) {
        if (static_cast<unsigned char>(bytes[at]) < 0x80) {  // most of a program
            ++at;
            continue;
        }
        const std::size_t length = utf8Length(bytes, at);
        if (length == 0) return false;
        at += length;
    }
    return true;
}

std::optional<DecodedProgram> ProgramEncoding::decode(std::string_view bytes) {
    DecodedProgram program;
    if (isUtf8(bytes)) {
        program.encoding.byteOrderMark_ = bytes.starts_with(utf8Mark);
        if (program.encoding.byteOrderMark_) bytes.remove_prefix(utf8Mark.size());
        program.text = std::string(bytes);
        return program;
    }
    program.encoding.charset_ = Charset::Gb18030;
    std::optional<std::string> text = decodeGb18030(bytes);
    if (!text || program.encoding.encode(*text) != bytes) return std::nullopt;
    program.text = std::move(*text);
    return program;
}

std::optional<std::string> ProgramEncoding::encode(std::string_view text) const {
    if (!isUtf8(text)) return std::nullopt;
    if (charset_ == Charset::Gb18030) return encodeGb18030(text);
    return (byteOrderMark_ ? std::string(utf8Mark) : std::string()) + std::string(text);
}

}  // namespace tarvo::files
