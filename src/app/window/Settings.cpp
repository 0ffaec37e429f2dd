#include "app/window/Settings.h"

#include <QSettings>
#include <charconv>
#include <cmath>
#include <limits>

#include "interp/ParameterTexts.h"
#include "motion/Methods.h"
#include "motion/RegisterWidth.h"
#include "motion/exact/Rounding.h"

namespace tarvo::app {

namespace {

const QString placementKeys[] = {QStringLiteral("MainLeft"), QStringLiteral("MainTop"),
                                 QStringLiteral("MainWidth"), QStringLiteral("MainHeight")};

// A store opened on the section; each use reads and writes through at once,
// so nothing is lost when the application ends without unwinding.
class Section {
public:
    Section() { store_.beginGroup(QStringLiteral("Settings")); }
    QSettings* operator->() { return &store_; }

private:
    QSettings store_{QStringLiteral("Tarvo"), QStringLiteral("Tarvo")};
};

// Every key of parameterKeys names a field.
interp::ParameterField fieldOf(QStringView key) {
    return interp::parameterFieldOfKey(key.toString().toStdString())
        .value_or(interp::ParameterField::G54x);
}

QString defaultText(QStringView key) {
    const std::string_view text = interp::defaultParameterText(fieldOf(key));
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

void setParameter(interp::Parameters& p, QStringView key, const QString& text) {
    interp::setParameterText(p, fieldOf(key), text.toStdString());
}

// Shortest decimal text that reads back as the same float: 1000, 1234.5.
QString floatText(float value) {
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return QString::fromLatin1(buffer, result.ptr - buffer);
}

}  // namespace

motion::DecimalReading parameterNumber(const QString& text) {
    return interp::readParameter(text.toStdString());
}

std::optional<QString> parameterTextProblem(QStringView key, const QString& text) {
    const auto problem = interp::parameterTextProblem(fieldOf(key), text.toStdString());
    if (!problem) return std::nullopt;
    return QString::fromUtf8(problem->data(), static_cast<qsizetype>(problem->size()));
}

QString Settings::parameterText(const QString& key) const {
    const QString fallback = defaultText(key);
    const QString text = Section()->value(key, fallback).toString();
    return parameterTextProblem(key, text) ? fallback : text;
}

void Settings::setParameterTexts(const QString& g54x, const QString& g54y, const QString& g54z,
                                 const QString& bei, const QString& dl) {
    Section section;
    const QString* texts[] = {&g54x, &g54y, &g54z, &bei, &dl};
    for (std::size_t i = 0; i < parameterKeys.size(); ++i) {
        section->setValue(parameterKeys[i].toString(), *texts[i]);
    }
}

interp::Parameters Settings::parameters() const {
    interp::Parameters p;
    for (const QStringView key : parameterKeys) {
        setParameter(p, key, parameterText(key.toString()));
    }
    return p;
}

motion::MethodChoice Settings::method() const {
    Section section;
    const QString name = section->value(QStringLiteral("Method")).toString();
    motion::MethodChoice choice;
    if (const auto stored = motion::methodOfKey(name.toStdString())) {
        choice.interpolation = *stored;
    }
    choice.halfLoad = section->value(QStringLiteral("HalfLoad")).toString() == u"1";
    bool whole = false;
    const int bits = section->value(QStringLiteral("RegisterBits")).toString().toInt(&whole);
    if (whole && bits >= 1 && bits <= motion::widestRegister) choice.bits = bits;
    return choice;
}

void Settings::saveMethod(motion::MethodChoice choice) {
    Section section;
    const std::string_view key = motion::methodEntry(choice.interpolation).key;
    section->setValue(QStringLiteral("Method"),
                      QString::fromLatin1(key.data(), static_cast<qsizetype>(key.size())));
    section->setValue(QStringLiteral("HalfLoad"),
                      choice.halfLoad ? QStringLiteral("1") : QStringLiteral("0"));
    section->setValue(QStringLiteral("RegisterBits"), QString::number(choice.bits));
}

std::optional<Placement> Settings::placement() const {
    Section section;
    float values[4];
    for (int i = 0; i < 4; ++i) {
        bool ok = false;
        values[i] = section->value(placementKeys[i]).toString().toFloat(&ok);
        if (!ok || !std::isfinite(values[i])) return std::nullopt;
    }
    return Placement{values[0], values[1], values[2], values[3]};
}

void Settings::savePlacement(const Placement& placement) {
    Section section;
    const float values[] = {placement.left, placement.top, placement.width, placement.height};
    for (int i = 0; i < 4; ++i) section->setValue(placementKeys[i], floatText(values[i]));
}

QByteArray Settings::windowLayout() const {
    return QByteArray::fromBase64(Section()->value(QStringLiteral("MainLayout")).toByteArray());
}

void Settings::saveWindowLayout(const QByteArray& state) {
    Section()->setValue(QStringLiteral("MainLayout"), QString::fromLatin1(state.toBase64()));
}

QStringList Settings::recentFiles() const {
    Section section;
    QStringList paths = section->value(QStringLiteral("RecentFiles"))
                            .toString()
                            .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    return paths.mid(0, recentFileCount);
}

void Settings::rememberRecentFile(const QString& path) {
    QStringList paths = recentFiles();
    paths.removeAll(path);
    paths.prepend(path);
    Section section;
    section->setValue(QStringLiteral("RecentFiles"),
                      paths.mid(0, recentFileCount).join(QLatin1Char('\n')));
}

teach::Student Settings::exerciseStudent() const {
    Section section;
    return {section->value(QStringLiteral("ExerciseName")).toString().toStdString(),
            section->value(QStringLiteral("ExerciseNumber")).toString().toStdString()};
}

void Settings::saveExerciseStudent(const teach::Student& student) {
    Section section;
    section->setValue(QStringLiteral("ExerciseName"), QString::fromStdString(student.name));
    section->setValue(QStringLiteral("ExerciseNumber"), QString::fromStdString(student.number));
}

std::string Settings::exerciseAttempts() const {
    return Section()->value(QStringLiteral("ExerciseAttempts")).toString().toStdString();
}

void Settings::saveExerciseAttempts(const std::string& attempts) {
    Section()->setValue(QStringLiteral("ExerciseAttempts"), QString::fromStdString(attempts));
}

std::optional<words::Language> Settings::language() const {
    Section section;
    return words::languageFromKey(
        section->value(QStringLiteral("Language")).toString().toStdString());
}

void Settings::saveLanguage(words::Language language) {
    Section section;
    const std::string_view key = words::languageKey(language);
    section->setValue(QStringLiteral("Language"),
                      QString::fromLatin1(key.data(), static_cast<qsizetype>(key.size())));
}

}  // namespace tarvo::app
