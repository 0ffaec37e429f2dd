#include "interp/ParameterTexts.h"

namespace tarvo::interp {

std::string_view parameterKey(ParameterField field) {
    switch (field) {
        case ParameterField::G54x:
            return "g54x";
        case ParameterField::G54y:
            return "g54y";
        case ParameterField::G54z:
            return "g54z";
        case ParameterField::Bei:
            return "bei";
        case ParameterField::Dl:
            return "dl";
    }
    return {};
}

std::optional<ParameterField> parameterFieldOfKey(std::string_view key) {
    for (const ParameterField field : parameterFields) {
        if (parameterKey(field) == key) return field;
    }
    return std::nullopt;
}

std::string_view defaultParameterText(ParameterField field) {
    return field == ParameterField::Bei || field == ParameterField::Dl ? "1" : "0";
}

void setParameterText(Parameters& p, ParameterField field, std::string_view text) {
    switch (field) {
        case ParameterField::G54x:
            p.g54x = readParameter(text);
            break;
        case ParameterField::G54y:
            p.g54y = readParameter(text);
            break;
        case ParameterField::G54z:
            p.g54z = readParameter(text);
            break;
        case ParameterField::Bei:
            p.bei = readMagnification(text).value_or(0);
            break;
        case ParameterField::Dl:
            p.dl = readParameter(text);
            break;
    }
}

std::optional<std::string_view> parameterTextProblem(ParameterField field, std::string_view text) {
    Parameters p;
    setParameterText(p, field, text);
    return parameterProblem(p);
}

}  // namespace tarvo::interp
