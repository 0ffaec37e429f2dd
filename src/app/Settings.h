#pragma once

#include <QString>
#include <optional>

#include "interp/Parameters.h"

namespace tarvo::app {

// The window's placement in twips, as single-precision values.
struct Placement {
    float left, top, width, height;
};

// The per-user settings store: application "Tarvo", section "Settings",
// every value a text. Texts that are not valid numbers (edited by hand) read
// as their defaults.
class Settings {
public:
    // The texts of the parameter keys "g54x", "g54y", "g54z", "bei", "dl",
    // each the stored text when it is valid, else its default ("0" or "1").
    QString parameterText(const QString& key) const;
    void setParameterTexts(const QString& g54x, const QString& g54y, const QString& g54z,
                           const QString& bei, const QString& dl);
    // The five values converted (bei rounded to the nearest, halves to even).
    interp::Parameters parameters() const;

    // "MainLeft", "MainTop", "MainWidth", "MainHeight"; nothing when absent or
    // not numbers.
    std::optional<Placement> placement() const;
    void savePlacement(const Placement& placement);
};

}  // namespace tarvo::app
