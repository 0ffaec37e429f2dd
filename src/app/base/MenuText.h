#pragma once

#include <QString>

namespace tarvo::app {

// A text shown as it is in a menu item or a frame's caption, where '&' would
// otherwise mark the next character as the access key: a path such as
// "R&D.nc" keeps its '&'.
inline QString literalMenuText(QString text) {
    return text.replace(QLatin1Char('&'), QStringLiteral("&&"));
}

}  // namespace tarvo::app
