#include "files/Gb18030.h"

#include <algorithm>
#include <array>
#include <utility>
#include <vector>

#include "files/Gb18030Table.h"

namespace tarvo::files {

namespace {

constexpr std::size_t secondBytes = 190;
// The index of 90 30 81 30, the code of U+10000; the planes above the first
// follow it in order, up to U+10FFFF at E3 32 9A 35.
constexpr std::uint32_t supplementaryIndex = 189000;

unsigned byteAt(std::string_view bytes, std::size_t i) {
    return i < bytes.size() ? static_cast<unsigned char>(bytes[i]) : 0x100u;
}

// The character the UTF-8 bytes at `at` spell, moving `at` past them; the
// bytes are valid UTF-8.
char32_t nextCharacter(std::string_view text, std::size_t& at) {
    const unsigned lead = byteAt(text, at++);
    if (lead < 0x80) return lead;
    const int more = lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : 1;
    char32_t c = lead & (0x3Fu >> more);
    for (int i = 0; i < more; ++i) c = (c << 6) | (byteAt(text, at++) & 0x3Fu);
    return c;
}

void appendUtf8(std::string& out, char32_t c) {
    const auto put = [&](char32_t byte) { out += static_cast<char>(byte); };
    if (c < 0x80) {
        put(c);
    } else if (c < 0x800) {
        put(0xC0 | (c >> 6));
        put(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        put(0xE0 | (c >> 12));
        put(0x80 | ((c >> 6) & 0x3F));
        put(0x80 | (c & 0x3F));
    } else {
        put(0xF0 | (c >> 18));
        put(0x80 | ((c >> 12) & 0x3F));
        put(0x80 | ((c >> 6) & 0x3F));
        put(0x80 | (c & 0x3F));
    }
}

// The table's rows read once into characters, by (first − 81h)·190 + the
// second byte's place, and sorted by character for writing.
struct TwoByteTable {
    std::vector<char32_t> characters;
    std::vector<std::pair<char32_t, std::uint16_t>> codes;  // character, place
};

const TwoByteTable& twoByteTable() {
    static const TwoByteTable table = [] {
        TwoByteTable t;
        t.characters.reserve(gb18030Rows.size() * secondBytes);
        for (const std::string_view row : gb18030Rows) {
            for (std::size_t at = 0; at < row.size();)
                t.characters.push_back(nextCharacter(row, at));
        }
        for (std::size_t i = 0; i < t.characters.size(); ++i) {
            t.codes.emplace_back(t.characters[i], static_cast<std::uint16_t>(i));
        }
        std::sort(t.codes.begin(), t.codes.end());
        return t;
    }();
    return table;
}

// A four-byte index of the first plane as its character, or 0 for none.
char32_t fourByteCharacter(std::uint32_t index) {
    const auto after =
        std::upper_bound(gb18030Runs.begin(), gb18030Runs.end(), index,
                         [](std::uint32_t i, const Gb18030Run& run) { return i < run.index; });
    if (after == gb18030Runs.begin()) return 0;
    const Gb18030Run& run = *(after - 1);
    return index - run.index < run.length ? run.first + (index - run.index) : 0;
}

// The four-byte index of a character of the first plane, or nothing.
std::optional<std::uint32_t> fourByteIndex(char32_t c) {
    for (const Gb18030Run& run : gb18030Runs) {
        if (c >= run.first && c - run.first < run.length) return run.index + (c - run.first);
    }
    return std::nullopt;
}

void appendFourBytes(std::string& out, std::uint32_t index) {
    std::array<char, 4> code{};
    code[3] = static_cast<char>(0x30 + index % 10);
    index /= 10;
    code[2] = static_cast<char>(0x81 + index % 126);
    index /= 126;
    code[1] = static_cast<char>(0x30 + index % 10);
    code[0] = static_cast<char>(0x81 + index / 10);
    out.append(code.data(), code.size());
}

// The character of the code at `at` and its length in bytes; 0 bytes when
// there is none.
std::pair<char32_t, std::size_t> codeAt(std::string_view bytes, std::size_t at) {
    const unsigned first = byteAt(bytes, at);
    if (first < 0x80) return {first, 1};
    if (first == 0x80 || first == 0xFF) return {0, 0};
    const unsigned second = byteAt(bytes, at + 1);
    if (second >= 0x30 && second <= 0x39) {
        const unsigned third = byteAt(bytes, at + 2), fourth = byteAt(bytes, at + 3);
        if (third < 0x81 || third > 0xFE || fourth < 0x30 || fourth > 0x39) return {0, 0};
        const std::uint32_t index =
            (((first - 0x81) * 10 + second - 0x30) * 126 + third - 0x81) * 10 + fourth - 0x30;
        if (index >= supplementaryIndex) {
            const char32_t c = 0x10000 + (index - supplementaryIndex);
            return {c, c <= 0x10FFFF ? 4 : 0};
        }
        const char32_t c = fourByteCharacter(index);
        return {c, c != 0 ? 4 : 0};
    }
    if (second < 0x40 || second == 0x7F || second > 0xFE) return {0, 0};
    const std::size_t place = (first - 0x81) * secondBytes + second - (second < 0x7F ? 0x40 : 0x41);
    return {twoByteTable().characters[place], 2};
}

}  // namespace

std::optional<std::string> decodeGb18030(std::string_view bytes) {
    std::string text;
    text.reserve(bytes.size() * 3 / 2);
    for (std::size_t at = 0; at < bytes.size();) {
        const auto [c, length] = codeAt(bytes, at);
        if (length == 0) return std::nullopt;
        appendUtf8(text, c);
        at += length;
    }
    return text;
}

std::optional<std::string> encodeGb18030(std::string_view text) {
    const auto& codes = twoByteTable().codes;
    std::string bytes;
    bytes.reserve(text.size());
    for (std::size_t at = 0; at < text.size();) {
        const char32_t c = nextCharacter(text, at);
        if (c < 0x80) {
            bytes += static_cast<char>(c);
            continue;
        }
        const auto two =
            std::lower_bound(codes.begin(), codes.end(), std::pair{c, std::uint16_t{0}});
        if (two != codes.end() && two->first == c) {
            bytes += static_cast<char>(0x81 + two->second / secondBytes);
            const unsigned place = two->second % secondBytes;
            bytes += static_cast<char>(place + (place < 0x3F ? 0x40 : 0x41));
        } else if (c >= 0x10000) {
            appendFourBytes(bytes, supplementaryIndex + (c - 0x10000));
        } else if (const auto index = fourByteIndex(c)) {
            appendFourBytes(bytes, *index);
        } else {
            return std::nullopt;
        }
    }
    return bytes;
}

}  // namespace tarvo::files
