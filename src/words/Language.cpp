#include "words/Language.h"

#include <cstdlib>

namespace tarvo::words {

std::string_view languageKey(Language language) {
    return language == Language::chinese ? "zh" : "en";
}

std::optional<Language> languageFromKey(std::string_view key) {
    if (key == "zh") return Language::chinese;
    if (key == "en") return Language::english;
    return std::nullopt;
}

Language languageFromLocale(std::string_view locale) {
    return locale.substr(0, 2) == "zh" ? Language::chinese : Language::english;
}

Language languageFromEnvironment() {
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const char* value = std::getenv(name);
        if (value != nullptr && *value != '\0') return languageFromLocale(value);
    }
    return Language::english;
}

}  // namespace tarvo::words
