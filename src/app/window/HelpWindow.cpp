#include "app/window/HelpWindow.h"

#include <QLabel>
#include <QPushButton>
#include <algorithm>
#include <string_view>

#include "interp/HelpText.h"

namespace tarvo::app {

namespace {

QString utf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The window was drawn in twips; 15 twips make a pixel at 96 dpi.
constexpr int px(int twips) {
    return twips / 15;
}

// The designed typefaces first; the CJK families after them stand in where
// the Windows fonts are not installed.
QFont designFont(const QStringList& families, bool bold) {
    QFont font;
    font.setFamilies(families);
    font.setPointSizeF(15.75);
    font.setBold(bold);
    return font;
}

void setColour(QWidget& widget, QPalette::ColorRole role, QColor colour) {
    QPalette palette = widget.palette();
    palette.setColor(role, colour);
    widget.setPalette(palette);
}

QLabel* heading(QWidget* parent) {
    auto* label = new QLabel(utf8(interp::helpHeading), parent);
    label->setObjectName(QStringLiteral("heading"));
    label->setFont(designFont(
        {QStringLiteral("SimHei"), QStringLiteral("黑体"), QStringLiteral("Noto Sans CJK SC"),
         QStringLiteral("Source Han Sans SC"), QStringLiteral("sans-serif")},
        true));
    setColour(*label, QPalette::WindowText, QColor(192, 64, 0));
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    const QRect designed(px(360), px(600), px(1695), px(495));
    label->setGeometry(QRect(designed.topLeft(), designed.size().expandedTo(label->sizeHint())));
    return label;
}

// The designed boxes overlap; the paragraph, which paints its background,
// starts below the heading's text when a stand-in font makes that taller.
QLabel* paragraph(QWidget* parent, const QLabel& heading) {
    auto* label = new QLabel(HelpWindow::text(), parent);
    label->setObjectName(QStringLiteral("helpText"));
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setFont(designFont({QStringLiteral("STZhongsong"), QStringLiteral("华文中宋"),
                               QStringLiteral("Noto Serif CJK SC"),
                               QStringLiteral("Source Han Serif SC"), QStringLiteral("serif")},
                              false));
    setColour(*label, QPalette::WindowText, Qt::blue);
    setColour(*label, QPalette::Window, QColor(224, 224, 224));
    label->setAutoFillBackground(true);
    // A stand-in font may need more lines than the designed box holds: the
    // box grows downwards rather than cut the paragraph off.
    const int width = px(5775);
    const int top = std::max(px(960), heading.y() + heading.sizeHint().height());
    label->setGeometry(px(480), top, width, std::max(px(4815), label->heightForWidth(width)));
    return label;
}

}  // namespace

QString HelpWindow::text() {
    return QString::fromStdString(interp::helpText());
}

HelpWindow::HelpWindow() {
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(utf8(interp::helpTitle));
    setColour(*this, QPalette::Window, QColor(224, 224, 224));
    setAutoFillBackground(true);

    const QLabel* help = paragraph(this, *heading(this));
    // Below the paragraph the design keeps its gaps: 23 px to the button,
    // 56 px from the button to the bottom edge.
    const int buttonTop = help->geometry().bottom() + 1 + px(6120 - 960 - 4815);
    returnButton_ = new QPushButton(QStringLiteral("点击返回"), this);
    returnButton_->setGeometry(px(4200), buttonTop, px(1215), px(615));
    connect(returnButton_, &QPushButton::clicked, this, &QWidget::close);
    resize(px(6615), buttonTop + px(615) + px(7575 - 6120 - 615));
}

}  // namespace tarvo::app
