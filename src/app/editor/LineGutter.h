#pragma once

#include <QWidget>

namespace tarvo::app {

class ProgramEditor;

// The strip left of the program text: the line numbers, counted from 1 as
// the error messages count them, the current-line marker's arrow, and a mark
// on a line with a program error whose tooltip is the message.
class LineGutter : public QWidget {
    Q_OBJECT

public:
    explicit LineGutter(ProgramEditor& editor);

    // Wide enough for the numbers of a program of this many lines.
    int widthFor(int lines) const;
    // The message shown when the pointer rests at this height; empty but on
    // the faulty line.
    QString toolTipAt(int y) const;

protected:
    void paintEvent(QPaintEvent* event) override;
    bool event(QEvent* event) override;

private:
    ProgramEditor& editor_;
};

}  // namespace tarvo::app
