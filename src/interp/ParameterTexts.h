#pragma once

#include <array>
#include <optional>
#include <string_view>

#include "interp/Parameters.h"

namespace tarvo::interp {

// The parameter dialog's fields as every shell has them, in the dialog's
// order: work-piece origin X, Y, Z (mm), magnification, pulse equivalent (mm).
enum class ParameterField { G54x, G54y, G54z, Bei, Dl };

inline constexpr std::array<ParameterField, 5> parameterFields{
    ParameterField::G54x, ParameterField::G54y, ParameterField::G54z, ParameterField::Bei,
    ParameterField::Dl};

// The key a field is stored and sent under: "g54x", "g54y", "g54z", "bei", "dl".
std::string_view parameterKey(ParameterField field);
std::optional<ParameterField> parameterFieldOfKey(std::string_view key);

// The text a field holds until the user types another: "0", or "1" for the
// magnification and the pulse equivalent.
std::string_view defaultParameterText(ParameterField field);

// Sets the field from its text as typed. A magnification that does not fit
// 16 bits becomes 0, so that parameterProblem alone decides what is valid.
void setParameterText(Parameters& parameters, ParameterField field, std::string_view text);

// Why `text` cannot be the field's value (the message the dialog shows), or
// nothing when it can: the other fields keep their valid defaults. Callers:
// the dialog's OK in each shell, and whatever reads stored texts back.
std::optional<std::string_view> parameterTextProblem(ParameterField field, std::string_view text);

}  // namespace tarvo::interp
