#pragma once

#include <optional>
#include <string_view>

namespace tarvo::words {

// The languages Tarvo speaks. Chinese is the machine's own: its texts are
// written in the sources, and English is looked up from them.
enum class Language { chinese, english };

// "zh" and "en", as `--lang`, the settings and the page name them.
std::string_view languageKey(Language language);
std::optional<Language> languageFromKey(std::string_view key);

// A locale name as the system gives it ("zh_CN.UTF-8", "en_GB", "C"):
// Chinese for every zh, English for everything else.
Language languageFromLocale(std::string_view locale);

// The language of the messages by POSIX's order: LC_ALL, then LC_MESSAGES,
// then LANG, the first that is set and not empty.
Language languageFromEnvironment();

}  // namespace tarvo::words
