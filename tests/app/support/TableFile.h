#pragma once

#include <QFile>
#include <QMap>
#include <QTest>

namespace tarvo::app {

// A row of a table file: its fields by column name.
using TableRow = QMap<QByteArray, QByteArray>;

// A field of a table file: \r, \n, \\ and \xNN stand for those bytes, so a
// file's exact bytes can be written down; anything else stands for itself.
inline QByteArray unescaped(const QByteArray& field) {
    QByteArray bytes;
    for (qsizetype i = 0; i < field.size(); ++i) {
        const char code = field[i] == '\\' && i + 1 < field.size() ? field[++i] : '\0';
        if (code == 'x') {
            bytes += static_cast<char>(field.mid(i + 1, 2).toInt(nullptr, 16));
            i += 2;
        } else {
            bytes += code == 'r' ? '\r' : code == 'n' ? '\n' : code ? code : field[i];
        }
    }
    return bytes;
}

// Qt Test rows, in the column "row", from a table of hand-checked cases in
// tests/data/app: a row a line, its fields split at '|' and trimmed, named
// by `columns` in order, the row named after its first field; blank lines
// and '#' lines skipped. False if the file cannot be read or a row has not
// a field per column.
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
        for (qsizetype i = 0; i < fields.size(); ++i)
            row[columns[i]] = unescaped(fields[i].trimmed());
        QTest::newRow(fields[0].trimmed().constData()) << row;
    }
    return true;
}

}  // namespace tarvo::app
