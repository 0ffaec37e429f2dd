#pragma once

#include <gtest/gtest.h>

#include <string_view>

#include "motion/Methods.h"

namespace tarvo::test {

// The method a table or a test names by its key, "-half" after "dda" for 半加载; an unknown key
// fails the test and runs the machine's own.
inline motion::MethodChoice methodNamed(std::string_view name) {
    const bool half = name.ends_with("-half");
    if (half) name.remove_suffix(5);
    const auto interpolation = motion::methodOfKey(name);
    if (!interpolation) ADD_FAILURE() << "no method " << name;
    return {interpolation.value_or(motion::Interpolation::Machine), half};
}

}  // namespace tarvo::test
