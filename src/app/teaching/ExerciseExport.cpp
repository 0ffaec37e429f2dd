#include "app/teaching/ExerciseExport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "app/base/Prompts.h"
#include "app/base/Said.h"
#include "files/WholeFile.h"

namespace tarvo::app {

bool exportExercises(Prompts& prompts, const QString& title, const QString& filter,
                     const QString& suffix, const std::string& bytes) {
    QString path = prompts.saveFileName(title, filter);
    if (path.isEmpty()) return false;
    if (QFileInfo(path).suffix().isEmpty()) path += QLatin1Char('.') + suffix;
    if (files::writeWhole(QFile::encodeName(path).toStdString(), bytes)) return true;
    prompts.message(Said::tr("保存失败"),
                    Said::tr("无法保存文件：%1").arg(QDir::toNativeSeparators(path)));
    return false;
}

}  // namespace tarvo::app
