#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

#include "words/Language.h"

namespace tarvo::words {

// The language every text made from now on is in, for the whole process: a
// shell chooses it once at start and again when the user switches. Texts
// already made stay as they were; a shell that switches makes again what it
// shows.
void speak(Language language);
Language spoken();

// A text of the machine in the spoken language. The Chinese text is the key:
// the sources say it in Chinese, and the catalogue (words/english/) holds its
// English. A text missing from the catalogue is said in Chinese; a test
// finds every such text.
std::string_view say(std::string_view chinese);

// A pattern said in the spoken language with {1}, {2}, ... replaced by the
// values in order: fill("第{1}行有错{2}", {"3", "G...."}) is "第3行有错G...."
// in Chinese and "Line 3: error: G...." in English.
std::string fill(std::string_view chinesePattern, std::initializer_list<std::string_view> values);

// The English of a Chinese text, or nothing when the catalogue lacks it.
// For the catalogue's own tests and for the shells that must know.
const std::string_view* english(std::string_view chinese);

}  // namespace tarvo::words
