#include <csignal>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "cli/JsonReport.h"
#include "cli/Options.h"
#include "cli/PageWriter.h"
#include "cli/Pictures.h"
#include "cli/ProgramInput.h"
#include "cli/Runner.h"
#include "cli/StepWriter.h"
#include "cli/TraceWriter.h"
#include "files/WholeFile.h"
#include "words/Catalogue.h"

namespace {

using namespace tarvo::cli;
namespace files = tarvo::files;

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

// What goes to standard output must arrive whole, or the run counts as failed.
int print(const std::string& text, int status) {
    std::cout << text << std::flush;
    return std::cout ? status : fail("cannot write standard output");
}

// An output file may not take the place of the program, nor of a device or
// a folder, nor be named by two outputs, under one name or two; found before
// the run, so nothing is run for nothing.
std::string outputProblem(const Options& options) {
    const std::vector<Options::Output> outputs = options.outputs();
    for (std::size_t i = 0; i < outputs.size(); ++i) {
        const std::string& path = outputs[i].path;
        if (!options.program.empty() && files::sameFile(path, options.program)) {
            return "cannot write " + path + ": it is the program file";
        }
        if (files::isNoRegularFile(path) || !files::landingPath(path)) {
            return "cannot write " + path;
        }
        for (std::size_t j = 0; j < i; ++j) {
            if (files::sameFile(path, outputs[j].path)) {
                return "cannot write " + path + ": it is also the " + outputs[j].option + " file";
            }
        }
    }
    return "";
}

bool openOutput(files::WholeFile& file, const std::string& path) {
    return path.empty() || file.open(path);
}

bool commitOutput(files::WholeFile& file, const std::string& path) {
    return path.empty() || file.commit();
}

}  // namespace

int main(int argc, char** argv) {
    // Past a file-size limit a write fails and is reported like any other,
    // instead of the signal ending the run without a word.
    std::signal(SIGXFSZ, SIG_IGN);
    files::removeTemporariesOnInterrupt();
    const std::vector<std::string> args(argv + 1, argv + argc);
    tarvo::words::speak(languageOption(args).value_or(tarvo::words::languageFromEnvironment()));
    std::string error;
    const auto options = parseOptions(args, error);
    if (!options) {
        std::cerr << "tarvo-cli: " << error << "\n\n" << usage();
        return 1;
    }
    if (options->help) return print(usage(), 0);
    if (options->wantsPages()) {
        error = outputProblem(*options);
        if (error.empty()) error = writePages(*options);
        return error.empty() ? 0 : fail(error);
    }
    const std::optional<std::string> text = readProgram(options->program, error);
    if (!text) return fail(error);
    error = outputProblem(*options);
    if (!error.empty()) return fail(error);
    files::WholeFile traceFile, stepsFile;
    if (!openOutput(traceFile, options->trace)) return fail("cannot write " + options->trace);
    if (!openOutput(stepsFile, options->steps)) return fail("cannot write " + options->steps);
    const auto pictures = makePictures(*options, argc, argv);
    const auto runner = pictures
                            ? std::make_unique<Runner>(options->parameters, pictures->canvases(),
                                                       !options->magnified.empty())
                            : std::make_unique<Runner>(options->parameters);
    std::unique_ptr<TraceWriter> trace;
    if (!options->trace.empty()) {
        trace = std::make_unique<TraceWriter>(traceFile.stream(), runner->machine());
    }
    std::unique_ptr<StepWriter> steps;
    if (!options->steps.empty()) {
        steps = std::make_unique<StepWriter>(stepsFile.stream(), runner->machine());
        runner->machine().addStepObserver(steps.get());
    }
    const End end = runner->run(*text, options->maxTicks, trace.get());
    if (steps) steps->flush();
    if (!commitOutput(traceFile, options->trace)) return fail("cannot write " + options->trace);
    if (!commitOutput(stepsFile, options->steps)) return fail("cannot write " + options->steps);
    if (pictures && !pictures->save(*options, runner->machine(), error)) return fail(error);
    for (const std::string& warning : runner->warnings()) std::cerr << warning << "\n";
    if (runner->message()) std::cerr << *runner->message() << "\n";
    if (const std::size_t keep = runner->machine().path().keep(); keep > 1) {
        std::cerr << "tarvo-cli: the cut below the surface filled its 1 GiB record; the magnified "
                     "view keeps one step point in "
                  << keep << "\n";
    }
    return print(options->json ? jsonReport(end, *runner) : textReport(end, *runner),
                 exitStatus(end));
}
