#include "cli/PageWriter.h"

#include "files/WholeFile.h"
#include "teach/exercises/WorksheetPage.h"

namespace tarvo::cli {

namespace {

std::string writePage(const std::string& path, const std::string& page) {
    if (path.empty()) return "";
    return files::writeWhole(path, page) ? "" : "cannot write " + path;
}

}  // namespace

std::string writePages(const Options& options) {
    if (!options.worksheet.empty()) {
        const teach::ExerciseCode code(options.worksheetCode);
        if (auto problem = writePage(options.worksheet, teach::worksheetPage(code));
            !problem.empty()) {
            return problem;
        }
    }
    if (options.answers.empty()) return "";
    return writePage(options.answers,
                     teach::answerKeyPage(teach::ExerciseCode(options.answersCode)));
}

}  // namespace tarvo::cli
