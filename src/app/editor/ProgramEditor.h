#pragma once

#include <QMap>
#include <QPlainTextEdit>
#include <vector>

#include "app/editor/GcodeHighlighter.h"
#include "app/editor/NumberedLines.h"

namespace tarvo::app {

class LineGutter;

// The program's text box: its words coloured by kind, line numbers in a
// gutter on the left that also carries the current-line marker, a band on
// the line being executed while a run goes on, and a program error marked
// on its line. Lines are counted from 0, as the interpreter counts them.
class ProgramEditor : public QPlainTextEdit, public NumberedLines {
    Q_OBJECT

public:
    explicit ProgramEditor(QWidget* parent = nullptr);

    // The current-line marker's arrow in the gutter.
    void markLine(qint64 line);
    qint64 markedLine() const override { return markedLine_; }
    // The band on the executing line; -1 takes it away.
    void showExecutingLine(qint64 line);
    qint64 executingLine() const { return executingLine_; }
    // A program error: the line underlined in red, a mark in the gutter and
    // the message as their tooltip, until the text is edited or cleared.
    void markError(qint64 line, const QString& message);
    void clearError();
    qint64 errorLine() const override { return errorLine_; }
    QString errorMessage() const override { return errorMessage_; }
    // A warning: the line underlined in amber, the message as its tooltip;
    // the run goes on. Warnings go when the text is edited or a run starts.
    void markWarning(qint64 line, const QString& message);
    void clearWarnings();
    // The warning on a line; empty when it has none.
    QString warningAt(qint64 line) const { return warnings_.value(line); }
    QList<qint64> warningLines() const { return warnings_.keys(); }
    // What hovering over a line shows: its error, else its warning, else nothing.
    QString toolTipAt(qint64 line) const {
        return line == errorLine_ ? errorMessage_ : warningAt(line);
    }

    std::vector<LineBox> visibleLines() const override;
    LineGutter& gutter() { return *gutter_; }

public slots:
    // The Edit menu's commands, also given from the toolbar while another
    // control has the focus. Clear goes through the cursor, so that Undo
    // brings the text back. A read-only editor keeps its text, as Qt's own
    // commands do.
    void clearText();
    // The selection, or nothing when there is none, becomes the clipboard's text.
    void copySelection();
    void cutSelection();
    // The clipboard's plain text, even none, takes the selection's place.
    void pasteText();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool viewportEvent(QEvent* event) override;

private:
    void fitGutter();
    void placeGutter();
    void followScroll(const QRect& rect, int dy);
    void showBands();

    GcodeHighlighter highlighter_;
    LineGutter* gutter_;
    qint64 markedLine_ = 0;
    qint64 executingLine_ = -1;
    qint64 errorLine_ = -1;
    QString errorMessage_;
    QMap<qint64, QString> warnings_;
};

}  // namespace tarvo::app
