#pragma once

#include <QGroupBox>

class QPlainTextEdit;

namespace tarvo::app {

class LineMarker;

// The editor frame: its caption names the program's file ("新文件" when it
// has none), and beside the editor the current-line marker points at the
// line being executed, following the editor as it scrolls.
class EditorFrame : public QGroupBox {
    Q_OBJECT

public:
    explicit EditorFrame(QWidget* parent = nullptr);

    QPlainTextEdit& filetxt() { return *filetxt_; }

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
    QPlainTextEdit* filetxt_;
    LineMarker* marker_;
};

}  // namespace tarvo::app
