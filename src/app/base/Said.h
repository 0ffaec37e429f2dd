#pragma once

#include <QCoreApplication>
#include <QPointer>
#include <functional>

class QLabel;
class QWidget;

namespace tarvo::app {

// The window's own texts in the language the user chose: Said::tr("运行")
// is the Chinese source text in Chinese and its English from
// translations/tarvo_en.ts in English. One context for the whole window, so
// one Chinese word has one English word everywhere.
struct Said {
    Q_DECLARE_TR_FUNCTIONS(Said)
};

// Runs `say` now and again each time the user switches language, while
// `owner` lives: a widget shown for a while says its texts here, so that a
// switch leaves none in the old language. The LanguageChange event reaches
// every widget of every window; `owner` must be one of them.
void sayAgain(QWidget& owner, std::function<void()> say);

// `(target->*set)(Said::tr(source))` now and at each switch, while both
// live; `source` is marked with QT_TRANSLATE_NOOP("Said", ...) so that
// lupdate finds it.
template <class Target, class Setter>
void sayOn(QWidget& owner, Target* target, Setter set, const char* source) {
    QPointer<Target> kept(target);
    sayAgain(owner, [kept, set, source] {
        if (kept) ((*kept).*set)(Said::tr(source));
    });
}

// A label of `parent` that says `source` (marked with QT_TRANSLATE_NOOP) in
// the language of the moment.
QLabel* saidLabel(QWidget& parent, const char* source);

}  // namespace tarvo::app
