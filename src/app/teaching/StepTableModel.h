#pragma once

#include <QAbstractTableModel>
#include <cstdint>
#include <optional>

#include "motion/Interpolation.h"
#include "teach/table/RegisterColumns.h"
#include "teach/table/RowTexts.h"
#include "teach/table/TableMarks.h"

namespace tarvo::teach {
class AnswerSheet;
class StepTable;
}  // namespace tarvo::teach
namespace tarvo::app {

// The rows the step table keeps, as the interpolation table shows them, with
// the rows of the segment under way shaded: in the textbook's units and
// beats, or as the machine's raw registers. It follows the table only when
// told to: refresh() takes in the rows that came and went since the last call.
class StepTableModel : public QAbstractTableModel {
    Q_OBJECT

public:
    // The machine's raw registers (teach::registers); the textbook's columns
    // are teach::TextbookColumn.
    enum Column { Line, Step, Method, Before, Decision, Feed, After, X, Y, Z, Distance, Columns };
    static_assert(int{Columns} == int{teach::registers::Columns});

    explicit StepTableModel(const teach::StepTable& table, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // Called by the panel's refresh timer.
    void refresh();
    // The step table's serial of a row shown, and the row that shows a
    // serial (-1 where none does).
    std::uint64_t serialAt(int row) const { return first_ + static_cast<std::uint64_t>(row); }
    int rowOf(std::uint64_t serial) const {
        return serial >= first_ && serial < end_ ? static_cast<int>(serial - first_) : -1;
    }

    // Between the textbook's columns (the default) and the raw registers.
    void showRegisters(bool registers);
    bool showsRegisters() const { return registers_; }

    // Predict, then see: the rows the sheet asks show their line and step
    // alone until answered; answered rows carry their marks, ✓ or ✗, on the
    // cells answered, and the marks and formula as every cell's tip.
    void takeAnswers(const teach::AnswerSheet& answers) { answers_ = &answers; }
    // Called when an answer was given or the sheet was switched.
    void answersChanged();
    // Every text shown made again, after the user switched language.
    void sayAgain();
    // The first column an answer hides, in either face.
    static constexpr int firstHidden = teach::firstHiddenColumn;

private:
    QString text(const QModelIndex& index) const;
    QString registerText(const QModelIndex& index) const;
    QVariant answerData(const QModelIndex& index, int role) const;
    bool isNumber(int column) const;
    void shadeSegment(std::uint64_t segment);

    const teach::StepTable& table_;
    const teach::AnswerSheet* answers_ = nullptr;
    std::uint64_t first_ = 0, end_ = 0;  // the serials of the rows shown
    std::uint64_t segment_ = 0;          // the first serial shaded
    bool registers_ = false;
    motion::Interpolation method_ = motion::Interpolation::Machine;  // of the rows shown
    // The texts of the row last asked for: a view asks for its cells one
    // after another, and the row's texts are made once for all of them.
    mutable std::optional<std::uint64_t> textsSerial_;
    mutable teach::RowTexts texts_;
};

}  // namespace tarvo::app
