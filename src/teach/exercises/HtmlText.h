#pragma once

#include <initializer_list>
#include <string>

namespace tarvo::teach {

// A text made safe to stand in an HTML or SVG page, in an element or in a
// quoted attribute: & < > " ' become their entities.
std::string htmlEscaped(const std::string& text);

// A page's head up to its <title>, its language the one spoken, so that a
// browser picks the fonts and the hyphenation of that language:
// "<!DOCTYPE html>\n<html lang=\"zh-CN\">\n<head>\n<meta charset=\"utf-8\">\n".
std::string htmlPageStart();

// A table's head row of captions said in the language spoken.
std::string htmlHeadRow(std::initializer_list<const char*> captions);

}  // namespace tarvo::teach
