#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "cli/JsonReport.h"
#include "cli/Options.h"
#include "cli/Pictures.h"
#include "cli/Runner.h"
#include "cli/StepWriter.h"
#include "cli/TraceWriter.h"

namespace {

using namespace tarvo::cli;

// The program is used as its bytes stand, CR LF included.
bool readProgram(const std::string& path, std::string& text) {
    std::error_code error;
    if (std::filesystem::is_directory(path, error)) return false;
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    std::ostringstream bytes;
    bytes << in.rdbuf();
    text = bytes.str();
    return !in.bad();
}

int exitStatus(End end) {
    switch (end) {
        case End::EndOfText:
            return 0;
        case End::Error:
            return 2;
        case End::TickLimit:
            return 3;
    }
    return 1;
}

int fail(const std::string& message) {
    std::cerr << "tarvo-cli: " << message << "\n";
    return 1;
}

}  // namespace

int main(int argc, char** argv) {
    std::string error;
    const auto options = parseOptions(std::vector<std::string>(argv + 1, argv + argc), error);
    if (!options) {
        std::cerr << "tarvo-cli: " << error << "\n\n" << usage();
        return 1;
    }
    if (options->help) {
        std::cout << usage();
        return 0;
    }
    std::string text;
    if (!readProgram(options->program, text)) return fail("cannot read " + options->program);
    std::ofstream traceFile;
    if (!options->trace.empty()) {
        traceFile.open(options->trace, std::ios::binary | std::ios::trunc);
        if (!traceFile) return fail("cannot write " + options->trace);
    }
    std::ofstream stepsFile;
    if (!options->steps.empty()) {
        stepsFile.open(options->steps, std::ios::binary | std::ios::trunc);
        if (!stepsFile) return fail("cannot write " + options->steps);
    }
    const auto pictures = makePictures(*options, argc, argv);
    const auto runner = pictures
                            ? std::make_unique<Runner>(options->parameters, pictures->canvases())
                            : std::make_unique<Runner>(options->parameters);
    std::unique_ptr<TraceWriter> trace;
    if (traceFile.is_open()) trace = std::make_unique<TraceWriter>(traceFile, runner->machine());
    std::unique_ptr<StepWriter> steps;
    if (stepsFile.is_open()) {
        steps = std::make_unique<StepWriter>(stepsFile);
        runner->machine().addStepObserver(steps.get());
    }
    const End end = runner->run(text, options->maxTicks, trace.get());
    if (traceFile.is_open() && !traceFile.flush()) return fail("cannot write " + options->trace);
    if (stepsFile.is_open() && !stepsFile.flush()) return fail("cannot write " + options->steps);
    if (pictures && !pictures->save(*options, runner->machine(), error)) return fail(error);
    if (runner->message()) std::cerr << *runner->message() << "\n";
    std::cout << (options->json ? jsonReport(end, *runner) : textReport(end, *runner));
    return exitStatus(end);
}
