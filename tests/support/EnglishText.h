#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <string_view>

namespace tarvo::test {

// The first character of a text that belongs to Chinese writing (the CJK
// ideographs, radicals and punctuation, the ideographic space, the full-width
// forms), or an empty text when there is none: an English text must have
// none, whatever else it holds (−, ≥, ², Σ, ✓ stay).
inline std::string firstChinese(std::string_view text) {
    for (std::size_t at = 0; at < text.size();) {
        const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[at + i]); };
        const std::size_t length = byte(0) < 0x80 ? 1 : byte(0) < 0xE0 ? 2 : byte(0) < 0xF0 ? 3 : 4;
        if (at + length > text.size()) return std::string(text.substr(at));
        char32_t c = length == 1 ? byte(0) : byte(0) & (0x7F >> length);
        for (std::size_t i = 1; i < length; ++i) c = c << 6 | (byte(i) & 0x3F);
        const bool chinese = (c >= 0x2E80 && c <= 0x9FFF) || (c >= 0xF900 && c <= 0xFAFF) ||
                             (c >= 0xFE30 && c <= 0xFE4F) || (c >= 0xFF00 && c <= 0xFFEF) ||
                             (c >= 0x20000 && c <= 0x3FFFF);
        if (chinese) return std::string(text.substr(at, length));
        at += length;
    }
    return {};
}

// Fails the test where an English text holds Chinese, naming the text.
#define TARVO_EXPECT_ENGLISH(text) \
    EXPECT_EQ(::tarvo::test::firstChinese(text), "") << "in: " << (text)

// A text the program makes, against the one recorded under tests/data (a
// page, a table, a CSV file, byte for byte); TARVO_RECORD=1 records it anew,
// for checking by eye.
inline void expectRecorded(const std::string& text, const std::string& name) {
    const std::string path = std::string(TARVO_TEST_DATA) + "/" + name;
    const char* record = std::getenv("TARVO_RECORD");
    if (record && std::string_view(record) == "1") {
        std::ofstream(path, std::ios::binary) << text;
        return;
    }
    std::ifstream in(path, std::ios::binary);
    std::ostringstream recorded;
    recorded << in.rdbuf();
    EXPECT_TRUE(in.is_open()) << name << " is not recorded: record it with TARVO_RECORD=1";
    EXPECT_EQ(text, recorded.str()) << "differs from " << name;
}

}  // namespace tarvo::test
