#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "cli/JsonReport.h"
#include "cli/Options.h"
#include "cli/Runner.h"
#include "cli/TraceWriter.h"

namespace {

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

int exitStatus(tarvo::cli::End end) {
    switch (end) {
        case tarvo::cli::End::EndOfText: return 0;
        case tarvo::cli::End::Error: return 2;
        case tarvo::cli::End::TickLimit: return 3;
    }
    return 1;
}

}  // namespace

int main(int argc, char** argv) {
    using namespace tarvo::cli;
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
    if (!readProgram(options->program, text)) {
        std::cerr << "tarvo-cli: cannot read " << options->program << "\n";
        return 1;
    }
    std::ofstream traceFile;
    if (!options->trace.empty()) {
        traceFile.open(options->trace, std::ios::binary | std::ios::trunc);
        if (!traceFile) {
            std::cerr << "tarvo-cli: cannot write " << options->trace << "\n";
            return 1;
        }
    }
    Runner runner(options->parameters);
    std::unique_ptr<TraceWriter> trace;
    if (traceFile.is_open()) trace = std::make_unique<TraceWriter>(traceFile, runner.machine());
    const End end = runner.run(text, options->maxTicks, trace.get());
    if (traceFile.is_open() && !traceFile.flush()) {
        std::cerr << "tarvo-cli: cannot write " << options->trace << "\n";
        return 1;
    }
    if (runner.message()) std::cerr << *runner.message() << "\n";
    std::cout << (options->json ? jsonReport(end, runner) : textReport(end, runner));
    return exitStatus(end);
}
