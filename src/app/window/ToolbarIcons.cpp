#include "app/window/ToolbarIcons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace tarvo::app {

namespace {

void page(QPainter& p, QRectF r) {
    QPainterPath path;
    path.moveTo(r.left(), r.top());
    path.lineTo(r.right() - 4, r.top());
    path.lineTo(r.right(), r.top() + 4);
    path.lineTo(r.right(), r.bottom());
    path.lineTo(r.left(), r.bottom());
    path.closeSubpath();
    p.setPen(QPen(QColor(60, 60, 60), 1));
    p.setBrush(Qt::white);
    p.drawPath(path);
}

void draw(QPainter& p, ToolbarIcon which) {
    switch (which) {
        case ToolbarIcon::New:
            page(p, {3.5, 1.5, 10, 13});
            return;
        case ToolbarIcon::Open:
            p.setPen(QColor(120, 90, 0));
            p.setBrush(QColor(240, 200, 80));
            p.drawRect(QRectF(1.5, 4.5, 13, 9));
            p.drawRect(QRectF(1.5, 2.5, 5, 2));
            return;
        case ToolbarIcon::Save:
            p.setPen(QColor(20, 40, 100));
            p.setBrush(QColor(60, 100, 190));
            p.drawRect(QRectF(1.5, 1.5, 13, 13));
            p.setBrush(Qt::white);
            p.drawRect(QRectF(4.5, 1.5, 7, 5));
            return;
        case ToolbarIcon::Cut:
            p.setPen(QPen(QColor(40, 40, 40), 1.5));
            p.drawLine(QPointF(4, 2), QPointF(11, 11));
            p.drawLine(QPointF(12, 2), QPointF(5, 11));
            p.setBrush(Qt::NoBrush);
            p.drawEllipse(QPointF(4, 12.5), 2.2, 2.2);
            p.drawEllipse(QPointF(12, 12.5), 2.2, 2.2);
            return;
        case ToolbarIcon::Copy:
            page(p, {1.5, 1.5, 8, 10});
            page(p, {6.5, 4.5, 8, 10});
            return;
        case ToolbarIcon::Paste:
            p.setPen(QColor(100, 70, 20));
            p.setBrush(QColor(190, 140, 60));
            p.drawRect(QRectF(2.5, 2.5, 10, 12));
            page(p, {6.5, 5.5, 8, 9.5});
            return;
        case ToolbarIcon::Run: {
            QPainterPath path;
            path.moveTo(4, 2);
            path.lineTo(14, 8);
            path.lineTo(4, 14);
            path.closeSubpath();
            p.fillPath(path, QColor(0, 150, 0));
            return;
        }
        case ToolbarIcon::Pause:
            p.fillRect(QRectF(3, 2, 4, 12), QColor(30, 60, 160));
            p.fillRect(QRectF(9, 2, 4, 12), QColor(30, 60, 160));
            return;
        case ToolbarIcon::Stop:
            p.fillRect(QRectF(3, 3, 10, 10), QColor(200, 0, 0));
            return;
    }
}

}  // namespace

QIcon toolbarIcon(ToolbarIcon which) {
    QIcon icon;
    for (const int scale : {1, 2}) {
        QPixmap pixmap(16 * scale, 16 * scale);
        pixmap.setDevicePixelRatio(scale);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        draw(painter, which);
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

}  // namespace tarvo::app
