#pragma once

#include <QWidget>

#include "app/panels/ViewWidget.h"

namespace tarvo::render {
class RasterCanvas;
}
namespace tarvo::app {

// The three views lie on one square place that grows with the window; the
// one its canvas shows fills it. Only the magnified view takes pointer moves.
class ViewStack : public QWidget {
    Q_OBJECT

public:
    ViewStack(render::RasterCanvas& linez, render::RasterCanvas& linep, render::RasterCanvas& liner,
              ViewWidget::PointerHandler magnifiedPointer, QWidget* parent = nullptr);

    ViewWidget& linez() { return *views_[0]; }
    ViewWidget& linep() { return *views_[1]; }
    ViewWidget& liner() { return *views_[2]; }

    QSize sizeHint() const override;
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override { return width; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    ViewWidget* views_[3];
};

}  // namespace tarvo::app
