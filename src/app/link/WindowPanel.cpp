#include "app/link/WindowPanel.h"

#include <QTimer>

#include "app/base/Prompts.h"
#include "app/base/Said.h"
#include "app/editor/EditorFrame.h"
#include "app/editor/ProgramEditor.h"
#include "app/panels/CoordinatePanel.h"
#include "app/panels/OutputPanel.h"

namespace tarvo::app {

namespace {
QString text(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}
}  // namespace

void WindowPanel::startProgram(const std::string& program, const QString& editorText) {
    caretMap_ = CaretMap(program, editorText);
    startPoint_ = w_.coordinates.pointTexts();
    w_.editor.filetxt().clearError();
    w_.editor.filetxt().clearWarnings();
}

void WindowPanel::restartProgram() {
    w_.coordinates.showPointTexts(startPoint_);
}

void WindowPanel::outputBitChanged(int index, bool value) {
    w_.output.showBit(index, value);
}

void WindowPanel::pointShown(double x, double y, double z) {
    w_.coordinates.showPoint(x, y, z);
}

void WindowPanel::spindleShown(bool on) {
    w_.output.showSpindle(on);
}

void WindowPanel::coolantShown(bool on) {
    w_.output.showCoolant(on);
}

void WindowPanel::message(std::string_view message, std::string_view title) {
    // The run has stopped already; the box opens once the machine's tick is over.
    QTimer::singleShot(0, &w_.window, [prompts = &w_.prompts, t = text(title), m = text(message)] {
        prompts->message(t, m);
    });
}

void WindowPanel::caretMoved(std::int64_t index) {
    w_.editor.moveCaret(caretMap_.characterAt(index));
}

void WindowPanel::currentLineMarked(std::int64_t line) {
    w_.editor.markLine(line);
}

void WindowPanel::executingLineShown(std::int64_t line) {
    w_.editor.filetxt().showExecutingLine(line);
}

void WindowPanel::programErrorShown(std::int64_t line, std::string_view message) {
    w_.editor.filetxt().markError(line, text(message));
}

void WindowPanel::warningShown(std::int64_t line, std::string_view message) {
    w_.editor.filetxt().markWarning(line, text(message));
}

void WindowPanel::originShown(double x, double y, double z) {
    w_.coordinates.showOrigin(x, y, z);
}

void WindowPanel::viewOptionSelected(views::View view) {
    w_.selectOption(view);
}

void WindowPanel::cutThinned() {
    w_.note(Said::tr("记录的切削轨迹已满1 GB：运行继续，放大图此后只保留部分步点"));
}

}  // namespace tarvo::app
