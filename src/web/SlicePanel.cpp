#include "web/SlicePanel.h"

#include <utility>

#include "motion/exact/NumberText.h"
#include "words/Catalogue.h"

namespace tarvo::web {

namespace {
std::array<std::string, 3> texts(double x, double y, double z) {
    return {motion::numberText(x), motion::numberText(y), motion::numberText(z)};
}
}  // namespace

void SlicePanel::startProgram() {
    startPoint_ = point;
    error.reset();
    warnings.clear();
}

void SlicePanel::outputBitChanged(int index, bool value) {
    if (index >= 0 && index < static_cast<int>(bits.size())) {
        bits[static_cast<std::size_t>(index)] = value;
    }
}

void SlicePanel::pointShown(double x, double y, double z) {
    point = texts(x, y, z);
}

void SlicePanel::originShown(double x, double y, double z) {
    origin = texts(x, y, z);
}

void SlicePanel::message(std::string_view text, std::string_view title) {
    modals_.push_back({std::string(text), std::string(title)});
}

void SlicePanel::programErrorShown(std::int64_t line, std::string_view text) {
    error = LineText{line, std::string(text)};
}

void SlicePanel::warningShown(std::int64_t line, std::string_view text) {
    warnings.push_back({line, std::string(text)});
}

// The page keeps less of the cut than the window does, so the note names no size.
void SlicePanel::cutThinned() {
    note_ = words::say("记录的切削轨迹已满：运行继续，放大图此后只保留部分步点");
}

std::vector<Modal> SlicePanel::takeModals() {
    return std::exchange(modals_, {});
}

std::optional<std::string> SlicePanel::takeNote() {
    return std::exchange(note_, std::nullopt);
}

}  // namespace tarvo::web
