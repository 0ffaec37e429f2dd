#pragma once

#include <QObject>
#include <QPointer>
#include <cstdint>
#include <optional>

#include "teach/ideal/PathRecord.h"

class QAction;
class QMenu;
class QPlainTextEdit;
class QWidget;

namespace tarvo::render {
class RasterCanvas;
}
namespace tarvo::interp {
class Machine;
}

namespace tarvo::app {

class PathOverlay;

// The two switches of the plan view's overlay, in the teaching menu and the
// plan view's context menu: "显示理想轨迹" draws the exact path beside the
// stepped one with the deviation read-out, "突出所选行的步点" picks out the
// steps of the editor line the caret stands on once the run has ended. Both
// start off, so the window behaves as it did until one is checked. Keeps the
// run's record, so it must go before the machine does.
class IdealPathSwitch : public QObject {
    Q_OBJECT

public:
    IdealPathSwitch(interp::Machine& machine, const render::RasterCanvas& linep, QWidget& planView,
                    QPlainTextEdit& editor, QMenu& teach);
    ~IdealPathSwitch() override;

private:
    void caretMoved();
    void edited(int removed, int added);

    const interp::Machine& machine_;
    teach::PathRecord record_;
    QPlainTextEdit& editor_;
    QPointer<PathOverlay> overlay_;
    QAction* ideal_;
    QAction* steps_;
    // The run whose program was edited afterwards: its lines no longer match the text.
    std::optional<std::uint64_t> editedRun_;
};

}  // namespace tarvo::app
