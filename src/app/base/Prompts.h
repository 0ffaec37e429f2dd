#pragma once

#include <QString>
#include <QStringList>

class QWidget;

namespace tarvo::app {

enum class SaveChoice { Save, Discard, Cancel };

// The questions and notices the window puts to the user. Behind an interface
// so that tests can answer them without a modal dialog.
class Prompts {
public:
    virtual ~Prompts() = default;

    // A file name from an open or save dialog; empty when cancelled.
    virtual QString openFileName(const QString& title, const QString& filter) = 0;
    virtual QString saveFileName(const QString& title, const QString& filter) = 0;
    // Several files picked at once in an open dialog; empty when cancelled.
    virtual QStringList openFileNames(const QString& title, const QString& filter) = 0;
    // The editor holds unsaved changes: save them, throw them away, or stop.
    virtual SaveChoice askSaveChanges() = 0;
    // A modal message with only an OK button.
    virtual void message(const QString& title, const QString& text) = 0;
};

// The real dialogs, modal over the given window.
class DialogPrompts : public Prompts {
public:
    explicit DialogPrompts(QWidget* parent) : parent_(parent) {}

    QString openFileName(const QString& title, const QString& filter) override;
    QString saveFileName(const QString& title, const QString& filter) override;
    QStringList openFileNames(const QString& title, const QString& filter) override;
    SaveChoice askSaveChanges() override;
    void message(const QString& title, const QString& text) override;

private:
    QWidget* parent_;
};

}  // namespace tarvo::app
