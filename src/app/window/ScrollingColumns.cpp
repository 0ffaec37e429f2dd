#include "app/window/ScrollingColumns.h"

#include <QLayout>
#include <QScrollBar>

namespace tarvo::app {

ScrollingColumns::ScrollingColumns(QLayout* columns, QWidget* parent) : QScrollArea(parent) {
    auto* inside = new QWidget(this);
    columns->setContentsMargins(0, 0, 0, 0);
    inside->setLayout(columns);
    setWidget(inside);
    setWidgetResizable(true);
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // The window's grey shows through, as it did before the columns could scroll.
    viewport()->setAutoFillBackground(false);
    inside->setAutoFillBackground(false);
}

// As wide as the columns with room for the scroll bar, so that it never
// covers them; as tall as they ask when there is room.
QSize ScrollingColumns::sizeHint() const {
    const QSize columns = widget()->sizeHint();
    return {columns.width() + verticalScrollBar()->sizeHint().width(), columns.height()};
}

QSize ScrollingColumns::minimumSizeHint() const {
    return {widget()->minimumSizeHint().width() + verticalScrollBar()->sizeHint().width(),
            verticalScrollBar()->minimumSizeHint().height()};
}

}  // namespace tarvo::app
