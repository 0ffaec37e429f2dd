#pragma once

#include <QString>
#include <string>

namespace tarvo::app {

class Prompts;

// Saves an export of the exercises where the student chooses, adding the
// suffix to a name without one. A failed save says so and leaves any old
// file as it was. True when saved; false when cancelled or failed.
bool exportExercises(Prompts& prompts, const QString& title, const QString& filter,
                     const QString& suffix, const std::string& bytes);

}  // namespace tarvo::app
