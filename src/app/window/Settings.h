#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>
#include <array>
#include <optional>

#include "interp/Parameters.h"
#include "motion/Interpolation.h"
#include "motion/exact/DecimalReading.h"
#include "teach/exercises/ExerciseAttempt.h"
#include "words/Language.h"

namespace tarvo::app {

// The window's placement in twips, as single-precision values.
struct Placement {
    float left, top, width, height;
};

// The settings keys of the five parameters, in the order of the dialog's
// fields: origin X, Y, Z, magnification, pulse equivalent.
inline constexpr std::array<QStringView, 5> parameterKeys{u"g54x", u"g54y", u"g54z", u"bei", u"dl"};

// Why `text` cannot be the value of the parameter `key` (the Chinese message
// the parameter dialog shows), or nothing when it can: the text must be a
// number, the origin and the pulse equivalent exact decimals of at most 8
// places (the origin within ±999999999.99999999 mm, the pulse equivalent
// 0.001 to 100 mm), the magnification an integer from 1 to 1000 after
// rounding halves to even.
std::optional<QString> parameterTextProblem(QStringView key, const QString& text);

// An origin or pulse-equivalent text read exactly, spaces around it ignored.
motion::DecimalReading parameterNumber(const QString& text);

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

    // "Method": "machine", "comparison" or "dda", and "HalfLoad": "1" or
    // "0"; anything else reads as the machine's methods without half load.
    // "RegisterBits": the DDA registers' width, "1" to "32", or "0" for
    // automatic, as is anything else.
    motion::MethodChoice method() const;
    void saveMethod(motion::MethodChoice choice);

    // "MainLeft", "MainTop", "MainWidth", "MainHeight"; nothing when absent or
    // not numbers.
    std::optional<Placement> placement() const;
    void savePlacement(const Placement& placement);
    // "MainLayout": where the window's docks are, as QMainWindow::saveState
    // gives it, kept as Base64 text; empty when absent.
    QByteArray windowLayout() const;
    void saveWindowLayout(const QByteArray& state);

    // "RecentFiles": the programs opened last, newest first, at most ten,
    // kept as one text with a path a line.
    QStringList recentFiles() const;
    void rememberRecentFile(const QString& path);
    static constexpr int recentFileCount = 10;

    // "ExerciseName", "ExerciseNumber": the student's name and number as
    // last typed in the exercises; empty when absent.
    teach::Student exerciseStudent() const;
    void saveExerciseStudent(const teach::Student& student);
    // "ExerciseAttempts": how many attempts each student made at each code,
    // as teach::ExerciseAttempts::saved() writes them; empty when absent.
    std::string exerciseAttempts() const;
    void saveExerciseAttempts(const std::string& attempts);

    // "Language": "zh" or "en", as the user chose it under 视图 → 语言;
    // nothing until then, or when edited into anything else, and the window
    // speaks the system's language.
    std::optional<words::Language> language() const;
    void saveLanguage(words::Language language);
};

}  // namespace tarvo::app
