#include "app/teaching/StepTableModel.h"

#include <QBrush>
#include <QColor>
#include <algorithm>

#include "motion/exact/NumberText.h"
#include "teach/exercises/AnswerSheet.h"
#include "teach/table/StepTable.h"
#include "teach/table/StepText.h"
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

QString number(motion::Decimal value) {
    return utf8(motion::exactText(value));
}

struct Header {
    const char* caption;
    const char* tip;
};

constexpr Header headers[StepTableModel::Columns] = {
    {"行", "程序行号"},
    {"步", "本段的第几次插补"},
    {"方法", "直线用数字积分，圆弧用逐点比较"},
    {"运算前",
     "本步开始时的寄存器：数字积分为余数寄存器 jrx、jry、jrz（毫米），"
     "逐点比较为偏差 fm 与 px、py 的符号"},
    {"判别", "数字积分：累加后达到容量 regmax 而溢出的寄存器；逐点比较：偏差的符号与所走的一步"},
    {"进给", "本步进给的轴与方向"},
    {"运算后", "本步之后的余数寄存器，或新的偏差 fm"},
    {"X", "新点 X，单位 0.1 毫米"},
    {"Y", "新点 Y，单位 0.1 毫米"},
    {"Z", "新点 Z，单位 0.1 毫米"},
    {"终点距离", "新点到本段终点的距离，单位 0.1 毫米；不足一步时本段结束"},
};

// The answer marked in a column: the feed beside the feed, the new F beside
// its calculation (or the registers after), the overflows beside the judgement.
const teach::Graded* markedAt(const teach::AnswerSheet::Answers& answers, int column,
                              bool registers) {
    const std::optional<teach::Graded>* marked = nullptr;
    if (column == (registers ? int{StepTableModel::Feed} : int{teach::Feed})) {
        marked = &answers.feed;
    } else if (column == (registers ? int{StepTableModel::After} : int{teach::Calculation})) {
        marked = &answers.deviation;
    } else if (column == (registers ? int{StepTableModel::Decision} : int{teach::Judgement})) {
        marked = &answers.overflow;
    }
    return marked && *marked ? &**marked : nullptr;
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
                return QStringLiteral("?");
            case Qt::ToolTipRole:
                return QStringLiteral("先作答，再看本步");
            case Qt::TextAlignmentRole:
                return QVariant::fromValue(Qt::AlignCenter);
            case Qt::BackgroundRole:
                return QBrush(QColor(hiddenShade));
            default:
                return {};
        }
    }
    const teach::AnswerSheet::Answers& answers = *answers_->answersOf(serial);
    const teach::Graded* marked = markedAt(answers, index.column(), registers_);
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
    const motion::StepRecord& r = table_.at(first_ + static_cast<std::uint64_t>(index.row()));
    switch (index.column()) {
        case Line:
            return QString::number(r.line);
        case Step:
            return QString::number(r.number);
        case Method:
            return utf8(teach::methodText(r.method));
        case Before:
            return utf8(teach::beforeText(r));
        case Decision:
            return utf8(teach::decisionText(r));
        case Feed:
            return utf8(teach::feedText(r));
        case After:
            return utf8(teach::afterText(r));
        case X:
            return number(r.point.x);
        case Y:
            return number(r.point.y);
        case Z:
            return number(r.point.z);
        case Distance:
            return utf8(teach::distanceText(r));
        default:
            return {};
    }
}

QVariant StepTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= columnCount()) return {};
    const teach::ColumnTitle& textbook = teach::textbookTitle(section, method_);
    const char* caption = registers_ ? headers[section].caption : textbook.caption;
    const char* tip = registers_ ? headers[section].tip : textbook.tip;
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
