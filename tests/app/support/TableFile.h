#pragma once

#include <QMap>
#include <QTest>

#include "support/TableFile.h"

namespace tarvo::app {

// A row of a table file: its fields by column name.
using TableRow = QMap<QByteArray, QByteArray>;

// Qt Test rows, in the column "row", one for each case of tests/data/app/<fileName> as
// test::loadTable reads it, named after its line; false if a line could not be read.
[[nodiscard]] inline bool addRows(const std::string& fileName) {
    QTest::addColumn<TableRow>("row");
    for (const test::TableRow& read : test::loadTable("app/" + fileName)) {
        if (!read.problem.empty()) return false;
        TableRow row;
        for (const auto& [column, field] : read.fields) {
            row[QByteArray::fromStdString(column)] = QByteArray::fromStdString(field);
        }
        QTest::newRow(("line" + std::to_string(read.line)).c_str()) << row;
    }
    return true;
}

}  // namespace tarvo::app
