#pragma once

#include <QObject>

#include "motion/Interpolation.h"

class QAction;
class QMenu;

namespace tarvo::app {

class Settings;

// 教学 → 插补方法: the methods the next Run interpolates with, as exclusive
// checkable items, and 半加载, enabled only for digital integration. The
// choice is kept in the settings ("Method", "HalfLoad") as soon as it changes.
class MethodMenu : public QObject {
    Q_OBJECT

public:
    MethodMenu(Settings& settings, QMenu& teach, QObject* parent);

    // The choice checked now; the window passes it to the machine at Run.
    motion::MethodChoice choice() const;

    QAction* machine;      // 机床（直线数字积分，圆弧逐点比较）
    QAction* comparison;   // 逐点比较法
    QAction* integration;  // 数字积分法
    QAction* halfLoad;     // 半加载

private:
    void chosen();

    Settings& settings_;
};

}  // namespace tarvo::app
