#include "teach/exercises/ExerciseAttempt.h"

#include <charconv>
#include <vector>

namespace tarvo::teach {

namespace {

std::string escaped(const std::string& text) {
    std::string out;
    for (const char c : text) {
        if (c == '\t') {
            out += "\\t";
        } else if (c == '\n') {
            out += "\\n";
        } else if (c == '\\') {
            out += "\\\\";
        } else {
            out += c;
        }
    }
    return out;
}

std::string unescaped(std::string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\' || i + 1 == text.size()) {
            out += text[i];
            continue;
        }
        const char c = text[++i];
        out += c == 't' ? '\t' : (c == 'n' ? '\n' : c);
    }
    return out;
}

std::vector<std::string_view> split(std::string_view text, char by) {
    std::vector<std::string_view> parts;
    for (std::size_t at = 0;;) {
        const std::size_t end = text.find(by, at);
        parts.push_back(text.substr(at, end - at));
        if (end == std::string_view::npos) return parts;
        at = end + 1;
    }
}

}  // namespace

ExerciseAttempts::ExerciseAttempts(std::string_view saved) {
    for (const std::string_view line : split(saved, '\n')) {
        const std::vector<std::string_view> f = split(line, '\t');
        if (f.size() != 4) continue;
        int count = 0;
        const auto [end, error] = std::from_chars(f[3].data(), f[3].data() + f[3].size(), count);
        if (error != std::errc{} || end != f[3].data() + f[3].size() || count < 1) continue;
        counts_[{std::string(f[0]), unescaped(f[1]), unescaped(f[2])}] = count;
    }
}

std::string ExerciseAttempts::saved() const {
    std::string text;
    for (const auto& [key, count] : counts_) {
        const auto& [code, name, number] = key;
        text += code + '\t' + escaped(name) + '\t' + escaped(number) + '\t' +
                std::to_string(count) + '\n';
    }
    return text;
}

}  // namespace tarvo::teach
