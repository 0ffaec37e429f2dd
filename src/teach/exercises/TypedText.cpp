#include "teach/exercises/TypedText.h"

#include <array>

namespace tarvo::teach {

namespace {

// Unicode's White_Space characters, as UTF-8.
constexpr std::array<std::string_view, 25> spaces = {
    "\t",           "\n",           "\v",           "\f",           "\r",           " ",
    "\xC2\x85",     "\xC2\xA0",     "\xE1\x9A\x80", "\xE2\x80\x80", "\xE2\x80\x81", "\xE2\x80\x82",
    "\xE2\x80\x83", "\xE2\x80\x84", "\xE2\x80\x85", "\xE2\x80\x86", "\xE2\x80\x87", "\xE2\x80\x88",
    "\xE2\x80\x89", "\xE2\x80\x8A", "\xE2\x80\xA8", "\xE2\x80\xA9", "\xE2\x80\xAF", "\xE2\x81\x9F",
    "\xE3\x80\x80"};

// The length of the space the text starts (or, backwards, ends) with; 0 for none.
std::size_t leadingSpace(std::string_view text) {
    for (const std::string_view space : spaces) {
        if (text.starts_with(space)) return space.size();
    }
    return 0;
}

std::size_t trailingSpace(std::string_view text) {
    for (const std::string_view space : spaces) {
        if (text.ends_with(space)) return space.size();
    }
    return 0;
}

}  // namespace

std::string_view trimmedText(std::string_view typed) {
    while (const std::size_t n = leadingSpace(typed)) typed.remove_prefix(n);
    while (const std::size_t n = trailingSpace(typed)) typed.remove_suffix(n);
    return typed;
}

}  // namespace tarvo::teach
