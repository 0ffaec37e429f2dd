#include "app/teaching/SelectedStep.h"

#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QTextBlock>

#include "app/teaching/StepRing.h"
#include "app/teaching/StepTablePanel.h"
#include "app/teaching/TimingDiagram.h"
#include "interp/Machine.h"
#include "render/RasterCanvas.h"
#include "teach/table/StepTable.h"

namespace tarvo::app {

SelectedStep::SelectedStep(Tools tools)
    : t_(tools), ring_(new StepRing(tools.linep, tools.planView)) {
    t_.machine.addTickListener(this);
    t_.planView.installEventFilter(this);
    connect(&t_.tablePanel, &StepTablePanel::stepChosen, this,
            [this](std::uint64_t serial) { chosen(serial); });
}

// The ring lives in the plan view, which outlasts the selection.
SelectedStep::~SelectedStep() {
    t_.machine.removeTickListener(this);
    delete ring_;
}

void SelectedStep::select(std::optional<std::uint64_t> serial) {
    chosen(serial);
    t_.tablePanel.selectSerial(serial_);
}

// What every tool but the table shows of a selection; the table has made it
// or is told by select().
void SelectedStep::chosen(std::optional<std::uint64_t> serial) {
    const teach::StepTable& table = t_.table;
    serial_ = serial && *serial >= table.firstSerial() && *serial < table.endSerial()
                  ? serial
                  : std::nullopt;
    if (!serial_) {
        ring_->ring(std::nullopt);
        t_.timing.showTick(0);
        return;
    }
    const motion::StepRecord& row = table.at(*serial_);
    ring_->ring(QPointF(row.point.x.toDouble(), row.point.y.toDouble()));
    t_.timing.showTick(table.tickOf(*serial_));
    moveCaret(row.line);
}

// The caret goes to the end of the line with the line selected, which shows
// while the focus stays in the table, where the caret alone would not. The
// text, its undo history and a run's own copy of the program stay as they are.
void SelectedStep::moveCaret(std::int64_t line) {
    const QTextBlock block = t_.editor.document()->findBlockByNumber(static_cast<int>(line - 1));
    if (!block.isValid()) return;
    QTextCursor cursor(block);
    cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
    t_.editor.setTextCursor(cursor);
}

std::optional<std::uint64_t> SelectedStep::rowAt(QPointF pixel) const {
    const views::PixelMap& map = t_.linep.pixelMap();
    std::optional<std::uint64_t> nearest;
    double best = 0;
    // Newest first, so of the steps on one point the newest wins.
    for (std::uint64_t serial = t_.table.endSerial(); serial-- > t_.table.firstSerial();) {
        const motion::ToolPoint& p = t_.table.at(serial).point;
        const double dx = map.x(static_cast<float>(p.x.toDouble())) - pixel.x();
        const double dy = map.y(static_cast<float>(p.y.toDouble())) - pixel.y();
        const double distance2 = dx * dx + dy * dy;
        if (distance2 > reach * reach || (nearest && distance2 >= best)) continue;
        best = distance2;
        nearest = serial;
    }
    return nearest;
}

bool SelectedStep::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress) {
        const auto* press = static_cast<QMouseEvent*>(event);
        if (press->button() == Qt::LeftButton) select(rowAt(press->position()));
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace tarvo::app
