#include "web/MachineSession.h"

#include <algorithm>
#include <exception>
#include <new>
#include <set>

#include "interp/Messages.h"
#include "interp/PaceChoices.h"
#include "interp/ProgramMarks.h"
#include "motion/Methods.h"
#include "motion/RegisterWidth.h"
#include "views/Projection.h"
#include "words/Catalogue.h"

namespace tarvo::web {

namespace {

// Timer ticks advanced between two questions whether a slice has done enough.
constexpr std::int64_t chunkTicks = 256;

std::size_t standardPaceIndex() {
    for (std::size_t i = 0; i < interp::paceChoices.size(); ++i) {
        if (interp::paceChoices[i].pace == interp::standardPace) return i;
    }
    return 0;
}

}  // namespace

MachineSession::MachineSession()
    : machine_(panel_, {linez_, linep_, liner_}, cutBudget),
      tools_(machine_),
      paceIndex_(standardPaceIndex()) {
    machine_.takeParameters(parameters_);
    // The panel is told of changes only: it starts from the byte at rest.
    const std::uint8_t atRest = machine_.outdata().byte();
    for (std::size_t i = 0; i < panel_.bits.size(); ++i) panel_.bits[i] = ((atRest >> i) & 1U) != 0;
}

std::optional<MachineSession::Refusal> MachineSession::setParameters(
    const std::array<std::string, 5>& texts) {
    for (std::size_t i = 0; i < texts.size(); ++i) {
        const interp::ParameterField field = interp::parameterFields[i];
        if (const auto problem = interp::parameterTextProblem(field, texts[i])) {
            return Refusal{field, *problem};
        }
    }
    for (std::size_t i = 0; i < texts.size(); ++i) {
        interp::setParameterText(parameters_, interp::parameterFields[i], texts[i]);
    }
    // As the window's load step: the magnified view uses them until the first run.
    if (!started_) machine_.takeParameters(parameters_);
    return std::nullopt;
}

std::optional<std::string> MachineSession::setMethod(std::string_view key, bool halfLoad,
                                                     int bits) {
    const auto interpolation = motion::methodOfKey(key);
    if (!interpolation) return words::fill("未知的插补方法：{1}", {key});
    try {
        motion::registerBits(1, bits);
    } catch (const std::invalid_argument& refused) {
        return std::string(refused.what());
    }
    parameters_.method = {*interpolation, halfLoad, bits};
    return std::nullopt;
}

void MachineSession::command(interp::RunCommand command) {
    guarded([&] {
        switch (command) {
            case interp::RunCommand::Run:
                if (!machine_.paused()) startProgram();
                machine_.run(program_, parameters_);
                break;
            case interp::RunCommand::Pause:
                machine_.pause();
                break;
            case interp::RunCommand::Stop:
                machine_.stop();
                break;
            case interp::RunCommand::StepTick:
                step(interp::Machine::StepUnit::Tick);
                break;
            case interp::RunCommand::StepIteration:
                step(interp::Machine::StepUnit::Step);
                break;
            case interp::RunCommand::StepLine:
                step(interp::Machine::StepUnit::Line);
                break;
            case interp::RunCommand::StepBack:
                stepBack();
                break;
        }
    });
}

// A fresh run starts from the program the editor holds now; the caret is
// placed in that text, whatever the editor holds later.
void MachineSession::startProgram() {
    panel_.startProgram();
    places_ = CaretPlaces(program_);
    runProgram_ = program_;
    runParameters_ = parameters_;
    runStartTicks_ = machine_.timer1Ticks() + machine_.timer2Ticks();
    started_ = true;
    tools_.freshRun();
}

void MachineSession::step(interp::Machine::StepUnit unit) {
    if (machine_.idle()) startProgram();
    const std::uint64_t from = tools_.table().endSerial();
    machine_.step(unit, program_, parameters_);
    tools_.stepped(from);
}

void MachineSession::stepBack() {
    if (!machine_.canStepBack()) return;
    panel_.restartProgram();
    machine_.stepBack();
    tools_.steppedBack();
}

void MachineSession::speak(words::Language language) {
    words::speak(language);
    std::set<std::int64_t> lines;
    for (const LineText& warning : panel_.warnings) lines.insert(warning.line);
    if (panel_.error) lines.insert(panel_.error->line);
    if (lines.empty()) return;
    const interp::ProgramMarks marks = interp::programMarksAgain(
        runProgram_, runParameters_, lines,
        machine_.timer1Ticks() + machine_.timer2Ticks() - runStartTicks_ + 1);
    if (panel_.error && marks.errorLine == panel_.error->line) panel_.error->text = marks.error;
    for (LineText& warning : panel_.warnings) {
        const auto again = marks.warnings.find(warning.line);
        if (again != marks.warnings.end()) warning.text = again->second;
    }
}

void MachineSession::guarded(const std::function<void()>& command) {
    try {
        command();
    } catch (const std::bad_alloc&) {
        // The page's memory is the browser's to give: the run ends, the page goes on.
        machine_.stop();
        panel_.message(words::say("内存不足，运行已停止"),
                       words::say(interp::messages::errorTitle));
    } catch (const std::exception& failure) {
        machine_.stop();
        panel_.message(failure.what(), words::say(interp::messages::errorTitle));
    }
}

void MachineSession::compare(std::array<motion::MethodChoice, 2> choices) {
    if (comparison_) comparison_->cancel();
    for (motion::MethodChoice& choice : choices) {
        choice.halfLoad =
            choice.halfLoad && choice.interpolation == motion::Interpolation::Integration;
    }
    comparison_ = std::make_unique<Comparison>(program_, parameters_, choices);
}

void MachineSession::setPace(std::size_t index) {
    paceIndex_ = std::min(index, interp::paceChoices.size() - 1);
    reckoning_.restart();
}

interp::Pace MachineSession::pace() const {
    return interp::paceChoices[paceIndex_].pace;
}

std::int64_t MachineSession::advance(std::int64_t ticks, const std::function<bool()>& enough) {
    std::int64_t made = 0;
    guarded([&] {
        while (made < ticks && machine_.advancing()) {
            const std::int64_t chunk = std::min(ticks - made, chunkTicks);
            std::int64_t i = 0;
            for (; i < chunk && machine_.advancing(); ++i) machine_.advance();
            made += i;
            if (enough()) break;
        }
    });
    reckoning_.made(made);
    return made;
}

void MachineSession::show(views::View view) {
    machine_.show(view);
}

void MachineSession::drag(views::DragMode mode) {
    guarded([&] {
        if (mode == views::DragMode::Pan) machine_.panmode();
        if (mode == views::DragMode::Rotate) machine_.rotmode();
        if (mode == views::DragMode::None) machine_.dragOff();
    });
}

void MachineSession::pointerMoved(views::Buttons buttons, double x, double y) {
    guarded([&] { machine_.pointerMoved(buttons, liner_.userX(x), liner_.userY(y)); });
}

void MachineSession::setViewSize(int size) {
    for (LineCanvas* canvas : {&linez_, &linep_, &liner_}) canvas->resize(size);
}

CaretPlace MachineSession::caret() {
    return places_.at(panel_.caret);
}

std::optional<std::uint64_t> MachineSession::rowAt(double x, double y) const {
    const teach::StepTable& table = tools_.table();
    const views::PixelMap& map = linep_.pixelMap();
    std::optional<std::uint64_t> nearest;
    double best = 0;
    // Newest first, so of the steps on one point the newest wins.
    for (std::uint64_t serial = table.endSerial(); serial-- > table.firstSerial();) {
        const motion::ToolPoint p = table.at(serial).point;
        const double dx = map.x(static_cast<float>(p.x.toDouble())) - x;
        const double dy = map.y(static_cast<float>(p.y.toDouble())) - y;
        const double distance2 = dx * dx + dy * dy;
        if (distance2 > TeachingTools::reach * TeachingTools::reach ||
            (nearest && distance2 >= best)) {
            continue;
        }
        best = distance2;
        nearest = serial;
    }
    return nearest;
}

std::optional<std::pair<double, double>> MachineSession::pointOf(std::uint64_t serial,
                                                                 views::View view) {
    const motion::ToolPoint p = tools_.table().at(serial).point;
    const double x = p.x.toDouble(), y = p.y.toDouble(), z = p.z.toDouble();
    if (view == views::View::Plan) {
        const views::PixelMap& map = linep_.pixelMap();
        return std::pair{map.x(static_cast<float>(x)), map.y(static_cast<float>(y))};
    }
    if (view == views::View::Axonometric) {
        const views::UV uv = views::project(x, y, z);
        const views::PixelMap& map = linez_.pixelMap();
        return std::pair{map.x(static_cast<float>(uv.u)), map.y(static_cast<float>(uv.v))};
    }
    return std::nullopt;
}

LineCanvas& MachineSession::canvas(views::View view) {
    switch (view) {
        case views::View::Axonometric:
            return linez_;
        case views::View::Plan:
            return linep_;
        case views::View::Magnified:
            return liner_;
    }
    return linep_;
}

}  // namespace tarvo::web
