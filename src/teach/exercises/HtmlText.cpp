#include "teach/exercises/HtmlText.h"

#include "words/Catalogue.h"

namespace tarvo::teach {

std::string htmlEscaped(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (const char c : text) {
        switch (c) {
            case '&':
                out += "&amp;";
                break;
            case '<':
                out += "&lt;";
                break;
            case '>':
                out += "&gt;";
                break;
            case '"':
                out += "&quot;";
                break;
            case '\'':
                out += "&#39;";
                break;
            default:
                out += c;
        }
    }
    return out;
}

std::string htmlPageStart() {
    const bool chinese = words::spoken() == words::Language::chinese;
    return std::string("<!DOCTYPE html>\n<html lang=\"") + (chinese ? "zh-CN" : "en") +
           "\">\n<head>\n<meta charset=\"utf-8\">\n";
}

std::string htmlHeadRow(std::initializer_list<const char*> captions) {
    std::string text = "<tr>";
    for (const char* c : captions) text += "<th>" + std::string(words::say(c)) + "</th>";
    return text + "</tr>";
}

}  // namespace tarvo::teach
