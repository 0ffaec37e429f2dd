#include "teach/exercises/CsvText.h"

#include <stdexcept>

#include "words/Catalogue.h"

namespace tarvo::teach {

namespace {

std::invalid_argument fault(std::size_t line, std::string_view what) {
    return std::invalid_argument(
        words::fill("第 {1} 行：{2}", {std::to_string(line), words::say(what)}));
}

// Reads the text one field at a time, keeping count of the lines it passes.
class CsvScanner {
public:
    explicit CsvScanner(std::string_view text) : text_(text) {}

    bool done() const { return at_ == text_.size(); }
    std::size_t line() const { return line_; }

    CsvRecord record() {
        CsvRecord r{line_, {}};
        for (;;) {
            r.fields.push_back(peek() == '"' ? quoted() : plain());
            if (peek() == ',') {
                ++at_;
                continue;
            }
            lineEnd();
            return r;
        }
    }

private:
    char peek() const { return done() ? '\0' : text_[at_]; }

    std::string plain() {
        const std::size_t from = at_;
        while (!done() && text_[at_] != ',' && text_[at_] != '\n' && text_[at_] != '\r') {
            if (text_[at_] == '"') throw fault(line_, "引号只能包住整个字段");
            ++at_;
        }
        return std::string(text_.substr(from, at_ - from));
    }

    std::string quoted() {
        const std::size_t opened = line_;
        std::string field;
        for (++at_;; ++at_) {
            if (done()) throw fault(opened, "引号没有闭合");
            const char c = text_[at_];
            if (c == '"' && peekAfter() != '"') break;
            if (c == '"') ++at_;
            if (c == '\n') ++line_;
            field += c;
        }
        ++at_;
        if (!done() && peek() != ',' && peek() != '\n' && peek() != '\r') {
            throw fault(line_, "闭合的引号后应为逗号或行尾");
        }
        return field;
    }

    char peekAfter() const { return at_ + 1 < text_.size() ? text_[at_ + 1] : '\0'; }

    void lineEnd() {
        if (peek() == '\r') {
            if (peekAfter() != '\n') throw fault(line_, "回车后没有换行");
            ++at_;
        }
        if (peek() == '\n') ++at_, ++line_;
    }

    std::string_view text_;
    std::size_t at_ = 0, line_ = 1;
};

}  // namespace

std::string csvField(const std::string& text) {
    if (text.find_first_of(",\"\n\r") == std::string::npos) return text;
    std::string quoted = "\"";
    for (const char c : text) quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    return quoted + '"';
}

std::vector<CsvRecord> readCsv(std::string_view text) {
    std::vector<CsvRecord> records;
    CsvScanner scanner(text);
    while (!scanner.done()) {
        CsvRecord r = scanner.record();
        if (r.fields.size() > 1 || !r.fields[0].empty()) records.push_back(std::move(r));
    }
    return records;
}

}  // namespace tarvo::teach
