#include "app/panels/ViewStack.h"

#include "app/base/Twips.h"

namespace tarvo::app {

ViewStack::ViewStack(render::RasterCanvas& linez, render::RasterCanvas& linep,
                     render::RasterCanvas& liner, ViewWidget::PointerHandler magnifiedPointer,
                     QWidget* parent)
    : QWidget(parent) {
    const auto ignore = [](views::Buttons, float, float) {};
    views_[0] = new ViewWidget(linez, ignore, this);
    views_[1] = new ViewWidget(linep, ignore, this);
    views_[2] = new ViewWidget(liner, std::move(magnifiedPointer), this);
    // Small enough for the interpolation table's ten rows below it on a
    // 1366 × 768 screen; the views are square and draw crisply at any size.
    setMinimumSize(100, 100);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

QSize ViewStack::sizeHint() const {
    const int side = twipsToPixels(this, 7215);
    return {side, side};
}

void ViewStack::resizeEvent(QResizeEvent*) {
    const int side = std::min(width(), height());
    const QRect square((width() - side) / 2, (height() - side) / 2, side, side);
    for (ViewWidget* view : views_) view->setGeometry(square);
}

}  // namespace tarvo::app
