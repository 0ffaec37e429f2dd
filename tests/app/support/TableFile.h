#pragma once

#include <QFile>
#include <QMap>
#include <QTest>

#include "support/TableFile.h"

namespace tarvo::app {

// A row of a table file: its fields by column name.
using TableRow = QMap<QByteArray, QByteArray>;

// Qt Test rows, in the column "row", from a table of hand-checked cases in
// tests/data/app: a row a line, its fields split at '|', trimmed and unescaped
// as test::unescaped does, named by `columns` in order, the row named after its
// first field; blank lines and '#' lines skipped. False if the file cannot be
// read or a row has not a field per column or a bad escape.
[[nodiscard]] inline bool addRows(const QString& fileName, const QList<QByteArray>& columns) {
    QTest::addColumn<TableRow>("row");
    QFile file(QStringLiteral(TARVO_TEST_DATA "/app/") + fileName);
    if (!file.open(QIODevice::ReadOnly)) return false;
    while (!file.atEnd()) {
        const QByteArray line = file.readLine().trimmed();
        if (line.isEmpty() || line.startsWith('#')) continue;
        const QList<QByteArray> fields = line.split('|');
        if (fields.size() != columns.size()) return false;
        TableRow row;
        std::string problem;
        for (qsizetype i = 0; i < fields.size(); ++i) {
            const std::string field = fields[i].trimmed().toStdString();
            row[columns[i]] = QByteArray::fromStdString(test::unescaped(field, problem));
        }
        if (!problem.empty()) return false;
        QTest::newRow(fields[0].trimmed().constData()) << row;
    }
    return true;
}

}  // namespace tarvo::app
