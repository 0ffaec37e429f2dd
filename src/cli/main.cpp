#include <QGuiApplication>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "app/RasterCanvas.h"
#include "cli/ImageExport.h"
#include "cli/JsonReport.h"
#include "cli/Options.h"
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
        case End::EndOfText: return 0;
        case End::Error: return 2;
        case End::TickLimit: return 3;
    }
    return 1;
}

// The views are drawn only when an image of them is asked for; fonts for
// their labels need a GUI application, which runs without a display.
struct Rendering {
    explicit Rendering(int size)
        : linez(tarvo::views::drawingBackground, size),
          linep(tarvo::views::drawingBackground, size),
          liner(tarvo::views::magnifiedBackground, size) {}

    tarvo::app::RasterCanvas linez, linep, liner;
};

// Qt's own chatter (no runtime folder, no session) is not the runner's to
// report; only its real failures are.
void quietQtMessages(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg) std::cerr << message.toStdString() << "\n";
}

std::unique_ptr<QGuiApplication> offscreenApplication(int& argc, char** argv) {
    if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    qInstallMessageHandler(quietQtMessages);
    return std::make_unique<QGuiApplication>(argc, argv);
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
    std::unique_ptr<QGuiApplication> application;
    std::unique_ptr<Rendering> rendering;
    std::unique_ptr<Runner> runner;
    if (options->wantsImages()) {
        application = offscreenApplication(argc, argv);
        rendering = std::make_unique<Rendering>(options->size);
        runner = std::make_unique<Runner>(options->parameters, rendering->linez, rendering->linep,
                                          rendering->liner);
    } else {
        runner = std::make_unique<Runner>(options->parameters);
    }
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
    if (rendering &&
        !exportViews(*options, runner->machine(),
                     {rendering->linez, rendering->linep, rendering->liner}, error)) {
        return fail(error);
    }
    if (runner->message()) std::cerr << *runner->message() << "\n";
    std::cout << (options->json ? jsonReport(end, *runner) : textReport(end, *runner));
    return exitStatus(end);
}
