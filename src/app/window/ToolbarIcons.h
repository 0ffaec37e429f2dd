#pragma once

#include <QIcon>
#include <QString>

namespace tarvo::app {

// The toolbar's nine icons, drawn here so they show on a machine with no
// icon theme: keyed "New", "Open", "Save", "Cut", "Copy", "Paste", "Run",
// "Pause", "Stop".
QIcon toolbarIcon(const QString& key);

}  // namespace tarvo::app
