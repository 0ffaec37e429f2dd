#pragma once

#include "words/Catalogue.h"

namespace tarvo {

// Speaks a language for one test and restores the one spoken before.
class SpokenLanguage {
public:
    explicit SpokenLanguage(words::Language language) : before_(words::spoken()) {
        words::speak(language);
    }
    ~SpokenLanguage() { words::speak(before_); }
    SpokenLanguage(const SpokenLanguage&) = delete;
    SpokenLanguage& operator=(const SpokenLanguage&) = delete;

private:
    words::Language before_;
};

}  // namespace tarvo
