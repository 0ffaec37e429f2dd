#include "words/Catalogue.h"

#include <atomic>
#include <unordered_map>

namespace tarvo::words {
namespace {

struct Entry {
    std::string_view chinese;
    std::string_view english;
};

// One section a floor, so that each floor's texts sit together.
constexpr Entry entries[] = {
#include "words/english/Files.inc"
#include "words/english/Help.inc"
#include "words/english/Interp.inc"
#include "words/english/Runner.inc"
#include "words/english/Teach.inc"
#include "words/english/Web.inc"
};

const std::unordered_map<std::string_view, std::string_view>& table() {
    static const auto made = [] {
        std::unordered_map<std::string_view, std::string_view> byChinese;
        byChinese.reserve(std::size(entries));
        for (const Entry& entry : entries) byChinese.emplace(entry.chinese, entry.english);
        return byChinese;
    }();
    return made;
}

std::atomic<Language> current{Language::chinese};

}  // namespace

void speak(Language language) {
    current.store(language, std::memory_order_relaxed);
}

Language spoken() {
    return current.load(std::memory_order_relaxed);
}

const std::string_view* english(std::string_view chinese) {
    const auto& byChinese = table();
    const auto found = byChinese.find(chinese);
    return found == byChinese.end() ? nullptr : &found->second;
}

std::string_view say(std::string_view chinese) {
    if (spoken() == Language::chinese) return chinese;
    const std::string_view* translated = english(chinese);
    return translated != nullptr ? *translated : chinese;
}

std::string fill(std::string_view chinesePattern, std::initializer_list<std::string_view> values) {
    const std::string_view pattern = say(chinesePattern);
    std::string text;
    text.reserve(pattern.size() + 16);
    for (std::size_t at = 0; at < pattern.size(); ++at) {
        const char c = pattern[at];
        const bool slot = c == '{' && at + 2 < pattern.size() && pattern[at + 2] == '}' &&
                          pattern[at + 1] >= '1' && pattern[at + 1] <= '9';
        const auto index = slot ? static_cast<std::size_t>(pattern[at + 1] - '1') : values.size();
        if (index < values.size()) {
            text += values.begin()[index];
            at += 2;
        } else {
            text += c;
        }
    }
    return text;
}

}  // namespace tarvo::words
