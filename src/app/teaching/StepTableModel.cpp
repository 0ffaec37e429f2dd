#include "app/teaching/StepTableModel.h"

#include <QBrush>
#include <QColor>
#include <algorithm>

#include "motion/exact/NumberText.h"
#include "teach/exercises/AnswerSheet.h"
#include "teach/table/RegisterColumns.h"
#include "teach/table/StepTable.h"
#include "teach/table/StepText.h"
#include "teach/table/TableMarks.h"
#include "teach/table/TextbookColumns.h"

namespace tarvo::app {

namespace {

constexpr QRgb segmentShade = qRgb(255, 250, 205);
constexpr QRgb hiddenShade = qRgb(228, 228, 228);
constexpr QRgb rightShade = qRgb(200, 240, 200);
constexpr QRgb wrongShade = qRgb(255, 205, 205);

QString utf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

StepTableModel::StepTableModel(const teach::StepTable& table, QObject* parent)
    : QAbstractTableModel(parent), table_(table) {}

int StepTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(end_ - first_);
}

int StepTableModel::columnCount(const QModelIndex& parent) const {
    if (parent.isValid()) return 0;
    return registers_ ? int{Columns} : int{teach::TextbookColumns};
}

void StepTableModel::showRegisters(bool registers) {
    if (registers == registers_) return;
    beginResetModel();
    registers_ = registers;
    endResetModel();
}

bool StepTableModel::isNumber(int column) const {
    if (registers_) return column == Line || column == Step || column >= X;
    return column == teach::Line || column == teach::Step || column >= teach::Sigma;
}

QVariant StepTableModel::data(const QModelIndex& index, int role) const {
    const std::uint64_t serial = first_ + static_cast<std::uint64_t>(index.row());
    // A row the table dropped since the last refresh is left blank until then.
    if (!index.isValid() || serial < table_.firstSerial() || serial >= table_.endSerial()) {
        return {};
    }
    if (answers_ && answers_->answersOf(serial) && index.column() >= firstHidden) {
        if (QVariant answer = answerData(index, role); answer.isValid()) return answer;
    }
    switch (role) {
        case Qt::DisplayRole:
            return text(index);
        case Qt::ToolTipRole:  // the whole of a text too long for its column
            return isNumber(index.column()) ? QVariant() : QVariant(text(index));
        case Qt::TextAlignmentRole:
            return QVariant::fromValue(Qt::AlignVCenter |
                                       (isNumber(index.column()) ? Qt::AlignRight : Qt::AlignLeft));
        case Qt::BackgroundRole:
            return serial >= segment_ ? QVariant(QBrush(QColor(segmentShade))) : QVariant();
        default:
            return {};
    }
}

QVariant StepTableModel::answerData(const QModelIndex& index, int role) const {
    const std::uint64_t serial = serialAt(index.row());
    if (answers_->hidden(serial)) {
        switch (role) {
            case Qt::DisplayRole:
                return utf8(teach::hiddenCell);
            case Qt::ToolTipRole:
                return utf8(teach::hiddenTip());
            case Qt::TextAlignmentRole:
                return QVariant::fromValue(Qt::AlignCenter);
            case Qt::BackgroundRole:
                return QBrush(QColor(hiddenShade));
            default:
                return {};
        }
    }
    const teach::AnswerSheet::Answers& answers = *answers_->answersOf(serial);
    const teach::Graded* marked = teach::markedAt(answers, index.column(), registers_);
    switch (role) {
        case Qt::DisplayRole:
            if (!marked) return {};
            return text(index) + (marked->right ? QStringLiteral(" ✓") : QStringLiteral(" ✗"));
        case Qt::ToolTipRole: {
            const std::string marks = teach::answersText(answers);
            if (marks.empty()) return {};
            return QString::fromStdString(marks) + QStringLiteral("\n\n") + text(index);
        }
        case Qt::BackgroundRole:
            if (!marked) return {};
            return QBrush(QColor(marked->right ? rightShade : wrongShade));
        default:
            return {};
    }
}

void StepTableModel::answersChanged() {
    if (rowCount() == 0) return;
    emit dataChanged(index(0, firstHidden), index(rowCount() - 1, columnCount() - 1));
}

QString StepTableModel::text(const QModelIndex& index) const {
    if (registers_) return registerText(index);
    const std::uint64_t serial = first_ + static_cast<std::uint64_t>(index.row());
    const teach::TextbookStep step = table_.textbookAt(serial);
    if (textsSerial_ != serial) {
        texts_ = teach::rowTexts(step);
        textsSerial_ = serial;
    }
    // The parts of a long text one under the other.
    return utf8(teach::textbookCell(step.record, texts_, index.column()))
        .replace(QStringLiteral("; "), QStringLiteral("\n"));
}

QString StepTableModel::registerText(const QModelIndex& index) const {
    return utf8(teach::registerCell(table_.at(first_ + static_cast<std::uint64_t>(index.row())),
                                    index.column()));
}

QVariant StepTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= columnCount()) return {};
    const teach::ColumnTitle& textbook = teach::textbookTitle(section, method_);
    const teach::ColumnTitle& title = registers_ ? teach::registerTitle(section) : textbook;
    const char* caption = title.caption;
    const char* tip = title.tip;
    if (role == Qt::DisplayRole) return QString::fromUtf8(caption);
    if (role == Qt::ToolTipRole) return QString::fromUtf8(tip);
    return {};
}

void StepTableModel::refresh() {
    // A step back or a fresh run may number other rows as the ones shown.
    textsSerial_.reset();
    if (const auto method = teach::tableMethod(table_); method != method_) {
        method_ = method;
        emit headerDataChanged(Qt::Horizontal, 0, columnCount() - 1);
    }
    const std::uint64_t first = table_.firstSerial(), end = table_.endSerial();
    const std::uint64_t segment = table_.segmentSerial();
    if ((first >= end_ && (first != first_ || end != end_)) || end < end_ || first < first_) {
        // Nothing shown is kept any more (a fresh run, or a burst of rows),
        // or a step back took the newest rows away.
        beginResetModel();
        first_ = first;
        end_ = end;
        segment_ = segment;
        endResetModel();
        return;
    }
    if (first > first_) {
        beginRemoveRows({}, 0, static_cast<int>(first - first_ - 1));
        first_ = first;
        endRemoveRows();
    }
    shadeSegment(segment);
    if (end > end_) {
        beginInsertRows({}, static_cast<int>(end_ - first_), static_cast<int>(end - first_ - 1));
        end_ = end;
        endInsertRows();
    }
}

// The rows whose shading changes are those between the old and the new
// segment start, among the rows shown.
void StepTableModel::shadeSegment(std::uint64_t segment) {
    if (segment == segment_) return;
    const std::uint64_t from = std::max(std::min(segment, segment_), first_);
    const std::uint64_t to = std::min(std::max(segment, segment_), end_);
    segment_ = segment;
    if (from >= to) return;
    emit dataChanged(index(static_cast<int>(from - first_), 0),
                     index(static_cast<int>(to - first_ - 1), columnCount() - 1),
                     {Qt::BackgroundRole});
}

}  // namespace tarvo::app
