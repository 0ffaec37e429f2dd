#pragma once

#include <QObject>
#include <utility>
#include <vector>

#include "motion/Interpolation.h"

class QAction;
class QMenu;
class QWidget;

namespace tarvo::app {

class RegisterBitsDialog;
class Settings;

// 教学 → 插补方法: the methods the next Run interpolates with, as exclusive
// checkable items, and 半加载 and the registers' width N, enabled only for
// digital integration. The choice is kept in the settings ("Method",
// "HalfLoad", "RegisterBits") as soon as it changes.
class MethodMenu : public QObject {
    Q_OBJECT

public:
    // `window` is the main window, over which the width's dialog opens.
    MethodMenu(Settings& settings, QMenu& teach, QWidget* window);

    // The choice checked now; the window passes it to the machine at Run.
    motion::MethodChoice choice() const;

    // A method's item, captioned as motion::methods() names it.
    QAction* method(motion::Interpolation interpolation) const;

    QAction* machine;       // the machine's own pairing
    QAction* comparison;    // 逐点比较法
    QAction* integration;   // 数字积分法
    QAction* halfLoad;      // 半加载
    QAction* registerBits;  // 寄存器位数 N: opens the dialog
    RegisterBitsDialog& registerBitsDialog() { return *bitsDialog_; }

private:
    void chosen();
    void bitsChosen();
    void showBits();

    Settings& settings_;
    RegisterBitsDialog* bitsDialog_;
    int bits_ = 0;  // 0 automatic
    std::vector<std::pair<motion::Interpolation, QAction*>> methods_;
};

}  // namespace tarvo::app
