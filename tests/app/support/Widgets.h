#pragma once

#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

namespace tarvo::app {

// The child widget of this type and object name, as the window names it for tests and styles.
template <class Widget>
Widget& named(const QObject& parent, const char* name) {
    auto* child = parent.findChild<Widget*>(QString::fromUtf8(name));
    if (!child) qFatal("no widget named %s", name);
    return *child;
}

inline QString labelText(const QObject& parent, const char* name) {
    return named<QLabel>(parent, name).text();
}

// Clicks the named button with the mouse, as a user does.
inline void press(const QObject& parent, const char* name) {
    QTest::mouseClick(&named<QPushButton>(parent, name), Qt::LeftButton);
}

// A table row's texts from a column on, joined by `separator`.
inline QString rowText(const QTableWidget& table, int row, int from = 0, QChar separator = '|') {
    QStringList cells;
    for (int column = from; column < table.columnCount(); ++column) {
        const QTableWidgetItem* item = table.item(row, column);
        cells << (item ? item->text() : QString());
    }
    return cells.join(separator);
}

// The texts of the buttons and labels shown in a window that their room cuts off: a word-wrapped
// label by its height, any other by its width.
inline QStringList cutOff(const QWidget& window) {
    QStringList cut;
    for (const QPushButton* b : window.findChildren<QPushButton*>()) {
        const QString text = QString(b->text()).remove(QLatin1Char('&'));
        if (b->isVisible() && b->fontMetrics().horizontalAdvance(text) + 4 > b->width())
            cut << text;
    }
    for (const QLabel* l : window.findChildren<QLabel*>()) {
        if (!l->isVisibleTo(&window) || l->text().isEmpty() || !l->pixmap().isNull()) continue;
        const QSize needed =
            l->wordWrap() ? QSize(0, l->heightForWidth(l->width())) : l->sizeHint();
        if (needed.width() > l->width() || needed.height() > l->height()) cut << l->text();
    }
    return cut;
}

}  // namespace tarvo::app
