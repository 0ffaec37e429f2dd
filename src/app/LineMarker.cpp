#include "app/LineMarker.h"

#include <QPainter>
#include <QPainterPath>
#include <optional>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextBlock>

namespace tarvo::app {

namespace {

// The line's top and height in the editor's viewport, when it is laid out.
std::optional<QRectF> lineBox(QPlainTextEdit& editor, qint64 line) {
    const QTextBlock block = editor.document()->findBlockByNumber(static_cast<int>(line));
    if (!block.isValid()) return std::nullopt;
    // The protected geometry of QPlainTextEdit is reached through its cursor rectangle.
    QTextCursor cursor(block);
    const QRect caret = editor.cursorRect(cursor);
    return QRectF(0, caret.top(), 0, caret.height());
}

}  // namespace

LineMarker::LineMarker(QPlainTextEdit& editor, QWidget* parent) : QWidget(parent), editor_(editor) {
    setFixedWidth(18);
    connect(editor_.verticalScrollBar(), &QScrollBar::valueChanged, this, [this] { update(); });
    connect(&editor_, &QPlainTextEdit::updateRequest, this, [this] { update(); });
}

void LineMarker::setLine(qint64 line) {
    line_ = line;
    update();
}

void LineMarker::paintEvent(QPaintEvent*) {
    const auto box = lineBox(editor_, line_);
    if (!box) return;
    const double top = box->top() + mapFromGlobal(editor_.viewport()->mapToGlobal(QPoint(0, 0))).y();
    if (top + box->height() < 0 || top > height()) return;  // scrolled out of sight
    const double middle = top + box->height() / 2, h = std::min(12.0, box->height());
    QPainterPath arrow;
    arrow.moveTo(3, middle - h / 2);
    arrow.lineTo(width() - 3, middle);
    arrow.lineTo(3, middle + h / 2);
    arrow.closeSubpath();
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillPath(arrow, QColor(200, 0, 0));
}

}  // namespace tarvo::app
