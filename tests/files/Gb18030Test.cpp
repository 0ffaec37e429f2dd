#include <gtest/gtest.h>
#include <iconv.h>

#include <array>
#include <optional>
#include <set>

#include "files/Gb18030.h"
#include "support/TableFile.h"

namespace tarvo::files {
namespace {

std::string utf8Of(char32_t c) {
    if (c < 0x80) return std::string(1, static_cast<char>(c));
    const std::size_t length = c < 0x800 ? 2 : c < 0x10000 ? 3 : 4;
    std::string out(length, '\0');
    for (std::size_t i = length - 1; i > 0; --i, c >>= 6) {
        out[i] = static_cast<char>(0x80 | (c & 0x3F));
    }
    out[0] = static_cast<char>(((0xFF00 >> length) & 0xFF) | c);
    return out;
}

// What the C library of the window (glibc) reads a code as.
std::optional<std::string> readByGlibc(iconv_t converter, const std::string& code) {
    std::array<char, 8> out{};
    char* in = const_cast<char*>(code.data());
    char* put = out.data();
    std::size_t inLeft = code.size(), outLeft = out.size();
    iconv(converter, nullptr, nullptr, nullptr, nullptr);
    if (iconv(converter, &in, &inLeft, &put, &outLeft) == static_cast<std::size_t>(-1)) return {};
    return std::string(out.data(), put);
}

TARVO_TABLE_SUITE(FilesGb18030Codes, "files/gb18030-codes.tsv");

TEST_P(FilesGb18030Codes, StandForTheirCharacterAndBack) {
    const std::string& bytes = row()["bytes"];
    const std::string& character = row()["character"];
    const std::optional<std::string> text = decodeGb18030(bytes);
    if (character == "none") {
        EXPECT_FALSE(text) << *text;
        return;
    }
    const std::string expected = utf8Of(static_cast<char32_t>(std::stoul(character, nullptr, 16)));
    ASSERT_TRUE(text);
    EXPECT_EQ(*text, expected);
    EXPECT_EQ(encodeGb18030(expected), bytes);
}

// Every code of the two- and four-byte ranges, as text.
std::vector<std::string> everyCode() {
    std::vector<std::string> codes;
    for (int first = 0x81; first <= 0xFE; ++first) {
        for (int second = 0x40; second <= 0xFE; ++second) {
            if (second != 0x7F)
                codes.push_back({static_cast<char>(first), static_cast<char>(second)});
        }
    }
    const auto fourBytes = [&](int firstFrom, int firstTo) {
        for (int a = firstFrom; a <= firstTo; ++a) {
            for (int b = 0x30; b <= 0x39; ++b) {
                for (int c = 0x81; c <= 0xFE; ++c) {
                    for (int d = 0x30; d <= 0x39; ++d) {
                        codes.push_back({static_cast<char>(a), static_cast<char>(b),
                                         static_cast<char>(c), static_cast<char>(d)});
                    }
                }
            }
        }
    };
    fourBytes(0x81, 0x84);
    fourBytes(0x90, 0x90);  // the start of the planes above the first,
    fourBytes(0x95, 0x96);  // the ideographs of plane 2 that also have two bytes,
    fourBytes(0xE3, 0xE3);  // and the end, U+10FFFF at E3 32 9A 35
    return codes;
}

// Glibc reads every code alike: a file reads the same as before these tables replaced its
// converter. No two codes stand for one character, so a file saved again keeps every byte; the
// one exception, the four-byte codes of the six plane-2 ideographs the 2022 edition gave two-byte
// codes, go back to those, and a file holding them is refused.
TEST(FilesGb18030, EveryCodeReadsAsGlibcDoesAndGoesBackToItsBytes) {
    const iconv_t converter = iconv_open("UTF-8", "GB18030");
    ASSERT_NE(converter, reinterpret_cast<iconv_t>(-1));
    std::set<std::string> seen;
    int other = 0;
    for (const std::string& code : everyCode()) {
        const std::optional<std::string> text = decodeGb18030(code);
        ASSERT_EQ(text, readByGlibc(converter, code)) << testing::PrintToString(code);
        if (!text) continue;
        if (encodeGb18030(*text) != code) {
            ++other;
            EXPECT_TRUE(code.starts_with('\x95') || code.starts_with('\x96'));
            continue;
        }
        EXPECT_TRUE(seen.insert(*text).second) << *text;
    }
    iconv_close(converter);
    EXPECT_EQ(other, 6);
    // All two-byte codes, the first plane's four-byte codes but the 18 the
    // 2022 edition withdrew, and the 2776 of the last lead byte up to U+10FFFF.
    EXPECT_EQ(seen.size(), 23940u + (39420 - 18) + 3 * 12600 - 6 + 2776);
}

}  // namespace
}  // namespace tarvo::files
