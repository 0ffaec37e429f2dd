#include "app/window/Translations.h"

#include <QCoreApplication>
#include <QEvent>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "words/Catalogue.h"

namespace tarvo::app {

namespace {

const QString translatorName = QStringLiteral("tarvoTranslator");

// The translators this installed last, known by their name among the
// application's children, so that a switch removes exactly them.
void removeOurTranslators(QCoreApplication& application) {
    for (QTranslator* translator :
         application.findChildren<QTranslator*>(translatorName, Qt::FindDirectChildrenOnly)) {
        QCoreApplication::removeTranslator(translator);
        delete translator;
    }
}

bool install(QCoreApplication& application, const QString& name, const QString& folder) {
    auto* translator = new QTranslator(&application);
    translator->setObjectName(translatorName);
    if (!translator->load(name, folder)) {
        delete translator;
        return false;
    }
    return QCoreApplication::installTranslator(translator);
}

// Installing a translator posts LanguageChange to the application, which
// posts it on to each window, whose widgets pass it down at once: three
// rounds deliver it everywhere.
void deliverLanguageChange() {
    QCoreApplication::postEvent(QCoreApplication::instance(), new QEvent(QEvent::LanguageChange));
    for (int round = 0; round < 3; ++round) {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
    }
}

}  // namespace

words::Language systemLanguage() {
    return words::languageFromLocale(QLocale::system().name().toStdString());
}

bool speakInWindow(words::Language language) {
    words::speak(language);
    QCoreApplication& application = *QCoreApplication::instance();
    removeOurTranslators(application);
    const bool installed =
        language == words::Language::chinese
            ? install(application, QStringLiteral("qtbase_zh_CN"),
                      QLibraryInfo::path(QLibraryInfo::TranslationsPath))
            : install(application, QStringLiteral("tarvo_en"), QStringLiteral(":/i18n"));
    deliverLanguageChange();
    return installed;
}

}  // namespace tarvo::app
