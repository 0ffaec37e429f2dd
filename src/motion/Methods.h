#pragma once

#include <optional>
#include <span>
#include <string_view>

#include "motion/Interpolation.h"

namespace tarvo::motion {

// One interpolation method as every shell names it: the key a script and the
// settings store, the caption a student reads, and what the method steps
// lines and arcs with.
struct MethodEntry {
    Interpolation interpolation;
    std::string_view key;  // ASCII: the runner's --method and the settings' "Method"
    std::string_view
        caption;       // the one caption, shown said (words::say): menus, pickers, worksheets
    Method line;       // how a line in the XY plane is stepped
    Method arc;        // how an arc is stepped
    bool wholePulses;  // a textbook method: what it steps differently from the machine, in whole
                       // pulses
};

// Every method, the machine's own pairing first; the order menus and pickers show.
std::span<const MethodEntry> methods();

// The entry of a method. Callers: anything that names or stores a run's method.
const MethodEntry& methodEntry(Interpolation interpolation);

// The method a stored or typed key names; none for an unknown key.
std::optional<Interpolation> methodOfKey(std::string_view key);

// The textbook method that steps lines and arcs alike with one kind: what an
// exercise on that kind practises.
const MethodEntry& textbookMethod(Method kind);

}  // namespace tarvo::motion
