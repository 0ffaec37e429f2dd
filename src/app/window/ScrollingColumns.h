#pragma once

#include <QScrollArea>

class QLayout;

namespace tarvo::app {

// The editor with its read-outs and the control panel with the output byte,
// side by side. Where the window is too short for them, as when the
// interpolation table takes the lower part of a small screen, they scroll up
// and down rather than keep the room from the table; they never scroll
// sideways, nor does anything of them show cut off.
class ScrollingColumns : public QScrollArea {
public:
    explicit ScrollingColumns(QLayout* columns, QWidget* parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
};

}  // namespace tarvo::app
