#include "app/teaching/IdealPathSwitch.h"

#include <QAction>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTextBlock>

#include "app/base/Said.h"
#include "app/teaching/PathOverlay.h"
#include "interp/Machine.h"

namespace tarvo::app {

namespace {

QAction* switchAction(QWidget& planView, const char* caption, QObject* parent) {
    auto* action = new QAction(parent);
    sayOn(planView, action, &QAction::setText, caption);
    action->setCheckable(true);
    return action;
}

}  // namespace

IdealPathSwitch::IdealPathSwitch(interp::Machine& machine, const render::RasterCanvas& linep,
                                 QWidget& planView, QPlainTextEdit& editor, QMenu& teach)
    : machine_(machine),
      record_(machine),
      editor_(editor),
      overlay_(new PathOverlay(record_, linep, planView)),
      ideal_(switchAction(planView, QT_TRANSLATE_NOOP("Said", "显示理想轨迹"), this)),
      steps_(switchAction(planView, QT_TRANSLATE_NOOP("Said", "突出所选行的步点"), this)) {
    teach.addSeparator();
    teach.addActions({ideal_, steps_});
    planView.setContextMenuPolicy(Qt::ActionsContextMenu);
    planView.addActions({ideal_, steps_});
    connect(ideal_, &QAction::toggled, overlay_, &PathOverlay::setIdealShown);
    connect(steps_, &QAction::toggled, this, [this](bool on) {
        if (on) {
            caretMoved();
        } else {
            overlay_->setLine(0);
        }
    });
    connect(&editor_, &QPlainTextEdit::cursorPositionChanged, this, &IdealPathSwitch::caretMoved);
    connect(editor_.document(), &QTextDocument::contentsChange, this,
            [this](int, int removed, int added) { edited(removed, added); });
}

// The overlay lives in the plan view, which outlasts the record it draws.
IdealPathSwitch::~IdealPathSwitch() {
    delete overlay_;
}

// Only once the run has ended: while it runs or stands paused, the machine
// moves the caret itself, line by line.
void IdealPathSwitch::caretMoved() {
    if (!steps_->isChecked() || !machine_.idle() || editedRun_ == record_.runs()) return;
    overlay_->setLine(editor_.textCursor().blockNumber() + 1);
}

// Formatting alone changes no line; any text typed, cut or pasted may.
void IdealPathSwitch::edited(int removed, int added) {
    if (removed == 0 && added == 0) return;
    editedRun_ = record_.runs();
    overlay_->setLine(0);
}

}  // namespace tarvo::app
