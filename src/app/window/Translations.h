#pragma once

#include "words/Language.h"

namespace tarvo::app {

// The language of the user's system, as the window speaks it at its first
// start: Chinese for every zh locale, English for any other.
words::Language systemLanguage();

// Makes the window speak `language` from now on: the machine's texts
// (words::speak), the window's own (the English of translations/tarvo_en.ts)
// and Qt's standard dialogs and buttons (Debian's qtbase_zh_CN in Chinese,
// Qt's own English otherwise). Every window then hears LanguageChange, before
// this returns, and says its texts again. False when a translation it needs
// is not installed; the texts it lacks then stay in Qt's English or in the
// source's Chinese.
bool speakInWindow(words::Language language);

}  // namespace tarvo::app
