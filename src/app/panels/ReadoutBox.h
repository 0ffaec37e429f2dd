#pragma once

#include <QLineEdit>

namespace tarvo::app {

// A small read-only text box of the panels: a bit, a state or a coordinate.
inline QLineEdit* readoutBox(const QString& text, int width, QWidget* parent) {
    auto* box = new QLineEdit(text, parent);
    box->setReadOnly(true);
    box->setAlignment(Qt::AlignCenter);
    box->setFixedWidth(width);
    box->setFocusPolicy(Qt::ClickFocus);
    return box;
}

}  // namespace tarvo::app
