#pragma once

#include <QList>
#include <QStringList>

#include "app/base/Prompts.h"

namespace tarvo::app {

// Answers the window's dialogs from a script and logs every question and message.
class ScriptedPrompts : public Prompts {
public:
    QStringList names;              // file dialogs, in order; empty means cancelled
    QList<QStringList> selections;  // dialogs picking several files, in order
    QList<SaveChoice> choices;
    QStringList log;

    QString openFileName(const QString& title, const QString& filter) override {
        log << "open " + title + ' ' + filter;
        return names.isEmpty() ? QString() : names.takeFirst();
    }
    QString saveFileName(const QString& title, const QString& filter) override {
        log << "save " + title + ' ' + filter;
        return names.isEmpty() ? QString() : names.takeFirst();
    }
    QStringList openFileNames(const QString& title, const QString& filter) override {
        log << "open " + title + ' ' + filter;
        return selections.isEmpty() ? QStringList() : selections.takeFirst();
    }
    SaveChoice askSaveChanges() override {
        log << "ask";
        return choices.isEmpty() ? SaveChoice::Cancel : choices.takeFirst();
    }
    void message(const QString& title, const QString& text) override { log << title + ": " + text; }
};

}  // namespace tarvo::app
