#include "teach/exercises/ExerciseCsv.h"

#include "teach/exercises/ExerciseSheet.h"
#include "words/Catalogue.h"

namespace tarvo::teach {

namespace {

// The texts of the exercises write a true minus sign (U+2212); a
// spreadsheet takes "−8" for text, so every field goes out in ASCII.
std::string asciiMinus(const std::string& text) {
    static const std::string minus = "\xE2\x88\x92";
    std::string out;
    for (std::size_t i = 0; i < text.size();) {
        if (text.compare(i, minus.size(), minus) == 0) {
            out += '-';
            i += minus.size();
        } else {
            out += text[i++];
        }
    }
    return out;
}

std::string field(const std::string& text) {
    const std::string ascii = asciiMinus(text);
    if (ascii.find_first_of(",\"\n\r") == std::string::npos) return ascii;
    std::string quoted = "\"";
    for (const char c : ascii) quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    return quoted + '"';
}

std::string line(const std::string& head, const AnsweredStep& s, const std::string& tail) {
    return head + std::to_string(s.exercise) + ',' + field(s.task) + ',' +
           std::to_string(s.iteration) + ',' + field(s.item) + ',' + field(s.graded.answer) + ',' +
           field(s.graded.expected) + ',' + std::string(words::say(s.graded.right ? "对" : "错")) +
           ',' + tail + field(s.graded.explanation) + '\n';
}

}  // namespace

std::string exerciseCsv(const ExerciseRound& round) {
    const ExerciseAttempt& a = round.attempt();
    const ExerciseScore& score = round.score();
    const std::string head = field(a.code) + ',' + field(a.student.name) + ',' +
                             field(a.student.number) + ',' + field(a.date) + ',' + field(a.time) +
                             ',' + std::to_string(a.count) + ',';
    const std::string tail =
        std::to_string(score.rights()) + ',' + std::to_string(score.total()) + ',';
    std::string text = "\xEF\xBB\xBF";
    for (const std::string& column : exerciseSheetColumns(words::spoken())) text += column + ',';
    text.back() = '\n';
    for (const AnsweredStep& s : score.steps()) text += line(head, s, tail);
    for (const AnsweredStep& s : round.unanswered()) text += line(head, s, tail);
    return text;
}

}  // namespace tarvo::teach
