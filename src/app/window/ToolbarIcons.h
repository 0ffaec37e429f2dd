#pragma once

#include <QIcon>

namespace tarvo::app {

enum class ToolbarIcon { New, Open, Save, Cut, Copy, Paste, Run, Pause, Stop };

// The toolbar's icons, drawn here so they show on a machine with no icon theme.
QIcon toolbarIcon(ToolbarIcon which);

}  // namespace tarvo::app
