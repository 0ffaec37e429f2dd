#include "app/base/Prompts.h"

#include <QFileDialog>
#include <QMessageBox>

#include "app/base/Said.h"

namespace tarvo::app {

QString DialogPrompts::openFileName(const QString& title, const QString& filter) {
    return QFileDialog::getOpenFileName(parent_, title, QString(), filter);
}

QString DialogPrompts::saveFileName(const QString& title, const QString& filter) {
    return QFileDialog::getSaveFileName(parent_, title, QString(), filter);
}

QStringList DialogPrompts::openFileNames(const QString& title, const QString& filter) {
    return QFileDialog::getOpenFileNames(parent_, title, QString(), filter);
}

SaveChoice DialogPrompts::askSaveChanges() {
    const auto answer = QMessageBox::question(
        parent_, Said::tr("保存修改"), Said::tr("程序已修改，是否保存？"),
        QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, QMessageBox::Save);
    if (answer == QMessageBox::Save) return SaveChoice::Save;
    return answer == QMessageBox::Discard ? SaveChoice::Discard : SaveChoice::Cancel;
}

void DialogPrompts::message(const QString& title, const QString& text) {
    QMessageBox::information(parent_, title, text, QMessageBox::Ok);
}

}  // namespace tarvo::app
