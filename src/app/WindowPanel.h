#pragma once

#include <QObject>
#include <QString>
#include <functional>

#include "app/CaretMap.h"
#include "interp/Panel.h"

namespace tarvo::app {

class CoordinatePanel;
class EditorFrame;
class OutputPanel;
class Prompts;

// The machine's panel in the window: bits, read-outs, caret and marker go
// straight to their widgets; messages wait until the machine has finished
// its tick, then show modally.
class WindowPanel : public interp::Panel {
public:
    struct Widgets {
        OutputPanel& output;
        CoordinatePanel& coordinates;
        EditorFrame& editor;
        Prompts& prompts;
        QObject& window;  // messages are dropped if it goes first
        std::function<void(views::View)> selectOption;
    };

    explicit WindowPanel(Widgets widgets) : w_(std::move(widgets)) {}

    // A run starts from this program text, as the editor shows it.
    void startProgram(const std::string& program, const QString& editorText) {
        caretMap_ = CaretMap(program, editorText);
    }

    void outputBitChanged(int index, bool value) override;
    void pointShown(double x, double y, double z) override;
    void spindleShown(bool on) override;
    void coolantShown(bool on) override;
    void message(std::string_view text, std::string_view title) override;
    void caretMoved(std::int64_t index) override;
    void currentLineMarked(std::int64_t line) override;
    void originShown(double x, double y, double z) override;
    void viewOptionSelected(views::View view) override;

private:
    Widgets w_;
    CaretMap caretMap_;
};

}  // namespace tarvo::app
