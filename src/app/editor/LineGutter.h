#pragma once

#include <QWidget>

namespace tarvo::app {

class NumberedLines;

// The strip left of the program text: the line numbers, counted from 1 as
// the error messages count them, the current-line marker's arrow, and a mark
// on a line with a program error whose tooltip is the message.
class LineGutter : public QWidget {
    Q_OBJECT

public:
    // `editor` is the text box the gutter sits in, whose font the numbers
    // take; `lines` is the same box as the gutter reads it.
    LineGutter(QWidget& editor, const NumberedLines& lines);

    // Wide enough for the numbers of a program of this many lines.
    int widthFor(int lines) const;
    // The message shown when the pointer rests at this height; empty but on
    // the faulty line.
    QString toolTipAt(int y) const;

protected:
    void paintEvent(QPaintEvent* event) override;
    bool event(QEvent* event) override;

private:
    QWidget& editor_;
    const NumberedLines& lines_;
};

}  // namespace tarvo::app
