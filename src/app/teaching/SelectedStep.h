#pragma once

#include <QObject>
#include <QPointer>
#include <cstdint>
#include <optional>

#include "interp/Timer.h"

class QPlainTextEdit;

namespace tarvo::interp {
class Machine;
}
namespace tarvo::render {
class RasterCanvas;
}
namespace tarvo::teach {
class StepTable;
}
namespace tarvo::app {

class StepRing;
class StepTablePanel;
class TimingDiagram;

// One interpolation step of the run selected across the teaching tools: its
// row in the interpolation table, its step point ringed in the plan view,
// the timing diagram's cursor on the tick that made it, and the editor's
// caret on its program line, the line selected. Only the user selects: a row
// clicked or reached with the keys, or a step point pointed at in the plan
// view. A fresh run takes the selection away. It listens to the machine, so
// it must go before the machine does.
class SelectedStep : public QObject, public interp::TickListener {
    Q_OBJECT

public:
    // How near, in pixels, a press in the plan view must come to a step point.
    static constexpr int reach = 5;

    struct Tools {
        interp::Machine& machine;
        const teach::StepTable& table;
        StepTablePanel& tablePanel;
        TimingDiagram& timing;
        const render::RasterCanvas& linep;
        QWidget& planView;  // the widget that shows linep
        QPlainTextEdit& editor;
    };
    explicit SelectedStep(Tools tools);
    ~SelectedStep() override;

    // Selects the kept row of a step table serial in every tool; none, or a
    // row no longer kept, selects nothing.
    void select(std::optional<std::uint64_t> serial);
    std::optional<std::uint64_t> serial() const { return serial_; }
    // The newest kept row whose step point lies nearest a pixel of the plan
    // view, within reach; none where no step point is that near.
    std::optional<std::uint64_t> rowAt(QPointF pixel) const;

    void ticked(interp::TimerId) override {}
    void runStarted() override { select(std::nullopt); }
    // The selected row may be gone: nothing stays selected, as after a fresh run.
    bool rewound(std::uint64_t) override {
        select(std::nullopt);
        return true;
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void chosen(std::optional<std::uint64_t> serial);
    void moveCaret(std::int64_t line);

    Tools t_;
    QPointer<StepRing> ring_;
    std::optional<std::uint64_t> serial_;
};

}  // namespace tarvo::app
