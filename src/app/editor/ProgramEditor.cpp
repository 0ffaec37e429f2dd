#include "app/editor/ProgramEditor.h"

#include <QApplication>
#include <QClipboard>
#include <QHelpEvent>
#include <QTextBlock>
#include <QTextDocumentFragment>
#include <QToolTip>
#include <limits>

#include "app/editor/LineGutter.h"

namespace tarvo::app {

namespace {

const QColor executingBand(255, 243, 196);
const QColor errorBand(253, 228, 228);
const QColor errorUnderline(214, 0, 0);
const QColor warningUnderline(230, 150, 0);

QTextEdit::ExtraSelection band(const QTextBlock& block, const QColor& colour) {
    QTextEdit::ExtraSelection selection{QTextCursor(block), {}};
    selection.format.setBackground(colour);
    selection.format.setProperty(QTextFormat::FullWidthSelection, true);
    return selection;
}

QTextEdit::ExtraSelection wavyUnderline(const QTextBlock& block, const QColor& colour) {
    QTextCursor words(block);
    words.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
    QTextEdit::ExtraSelection selection{words, {}};
    selection.format.setUnderlineStyle(QTextCharFormat::WaveUnderline);
    selection.format.setUnderlineColor(colour);
    return selection;
}

}  // namespace

ProgramEditor::ProgramEditor(QWidget* parent)
    : QPlainTextEdit(parent), gutter_(new LineGutter(*this, *this)) {
    connect(this, &QPlainTextEdit::blockCountChanged, this, &ProgramEditor::fitGutter);
    connect(this, &QPlainTextEdit::updateRequest, this, &ProgramEditor::followScroll);
    // A message about a text that has changed since no longer fits it.
    connect(document(), &QTextDocument::contentsChange, this, &ProgramEditor::clearError);
    connect(document(), &QTextDocument::contentsChange, this, &ProgramEditor::clearWarnings);
    fitGutter();
}

void ProgramEditor::markLine(qint64 line) {
    markedLine_ = line;
    gutter_->update();
}

void ProgramEditor::showExecutingLine(qint64 line) {
    if (line == executingLine_) return;
    executingLine_ = line;
    showBands();
}

void ProgramEditor::markError(qint64 line, const QString& message) {
    errorLine_ = line;
    errorMessage_ = message;
    showBands();
    gutter_->update();
}

void ProgramEditor::clearError() {
    if (errorLine_ < 0) return;
    errorLine_ = -1;
    errorMessage_.clear();
    showBands();
    gutter_->update();
}

void ProgramEditor::markWarning(qint64 line, const QString& message) {
    if (warnings_.value(line) == message) return;
    warnings_.insert(line, message);
    showBands();
}

void ProgramEditor::clearWarnings() {
    if (warnings_.isEmpty()) return;
    warnings_.clear();
    showBands();
}

void ProgramEditor::showBands() {
    QList<QTextEdit::ExtraSelection> bands;
    const auto blockOf = [this](qint64 line) {
        return line < 0 || line > std::numeric_limits<int>::max()
                   ? QTextBlock()
                   : document()->findBlockByNumber(static_cast<int>(line));
    };
    if (const QTextBlock block = blockOf(executingLine_); block.isValid()) {
        bands << band(block, executingBand);
    }
    if (const QTextBlock block = blockOf(errorLine_); block.isValid()) {
        bands << band(block, errorBand) << wavyUnderline(block, errorUnderline);
    }
    for (auto w = warnings_.cbegin(); w != warnings_.cend(); ++w) {
        if (const QTextBlock block = blockOf(w.key()); block.isValid() && w.key() != errorLine_) {
            bands << wavyUnderline(block, warningUnderline);
        }
    }
    setExtraSelections(bands);
}

std::vector<ProgramEditor::LineBox> ProgramEditor::visibleLines() const {
    std::vector<LineBox> lines;
    const QPointF offset = contentOffset();
    const int bottom = viewport()->height();
    for (QTextBlock block = firstVisibleBlock(); block.isValid(); block = block.next()) {
        const QRectF box = blockBoundingGeometry(block).translated(offset);
        if (box.top() > bottom) break;
        if (block.isVisible()) {
            lines.push_back({block.blockNumber(), qRound(box.top()), qRound(box.height())});
        }
    }
    return lines;
}

void ProgramEditor::clearText() {
    if (isReadOnly()) return;
    QTextCursor cursor(document());
    cursor.select(QTextCursor::Document);
    cursor.removeSelectedText();
}

void ProgramEditor::copySelection() {
    QApplication::clipboard()->setText(QTextDocumentFragment(textCursor()).toPlainText());
}

void ProgramEditor::cutSelection() {
    copySelection();
    if (isReadOnly()) return;
    textCursor().removeSelectedText();
}

void ProgramEditor::pasteText() {
    if (isReadOnly()) return;
    textCursor().insertText(QApplication::clipboard()->text());
}

// Colours only the lines about to be painted.
void ProgramEditor::paintEvent(QPaintEvent* event) {
    for (const LineBox& box : visibleLines()) {
        highlighter_.highlight(document()->findBlockByNumber(static_cast<int>(box.line)));
    }
    QPlainTextEdit::paintEvent(event);
}

void ProgramEditor::resizeEvent(QResizeEvent* event) {
    QPlainTextEdit::resizeEvent(event);
    placeGutter();
}

// The numbers take the editor's font, so a new font may need a wider gutter.
void ProgramEditor::changeEvent(QEvent* event) {
    QPlainTextEdit::changeEvent(event);
    if (event->type() == QEvent::FontChange) fitGutter();
}

// Hovering over the faulty line shows the message, as the gutter's mark
// does; over a line with a warning, the warning.
bool ProgramEditor::viewportEvent(QEvent* event) {
    if (event->type() == QEvent::ToolTip && (errorLine_ >= 0 || !warnings_.isEmpty())) {
        const auto* help = static_cast<QHelpEvent*>(event);
        const QString tip = toolTipAt(cursorForPosition(help->pos()).blockNumber());
        if (!tip.isEmpty()) {
            QToolTip::showText(help->globalPos(), tip, viewport());
        } else {
            QToolTip::hideText();
        }
        return true;
    }
    return QPlainTextEdit::viewportEvent(event);
}

void ProgramEditor::fitGutter() {
    setViewportMargins(gutter_->widthFor(blockCount()), 0, 0, 0);
    placeGutter();
}

void ProgramEditor::placeGutter() {
    const QRect inside = contentsRect();
    gutter_->setGeometry(inside.left(), inside.top(), gutter_->widthFor(blockCount()),
                         inside.height());
}

void ProgramEditor::followScroll(const QRect& rect, int dy) {
    if (dy != 0) {
        gutter_->scroll(0, dy);
    } else {
        gutter_->update(0, rect.y(), gutter_->width(), rect.height());
    }
}

}  // namespace tarvo::app
