#pragma once

#include <QGroupBox>

#include "app/editor/ProgramEditor.h"

namespace tarvo::app {

// The editor frame: its caption names the program's file ("新文件" when it
// has none); inside, the program editor, whose gutter carries the
// current-line marker at the line being executed.
class EditorFrame : public QGroupBox {
    Q_OBJECT

public:
    explicit EditorFrame(QWidget* parent = nullptr);

    ProgramEditor& filetxt() { return *filetxt_; }

    // The marker on a line, counted from 0.
    void markLine(qint64 line);
    qint64 markedLine() const;
    // The caret, without a selection, at a character index (clamped).
    void moveCaret(qint64 position);

signals:
    // The editor gained or lost the keyboard focus to another control.
    void editorFocusChanged(bool hasFocus);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    ProgramEditor* filetxt_;
};

}  // namespace tarvo::app
