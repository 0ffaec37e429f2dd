#include "app/teaching/MethodCompareDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTableWidget>
#include <QVBoxLayout>
#include <QtConcurrent/QtConcurrentRun>

#include "app/teaching/FeedPlot.h"
#include "app/teaching/StaircasePlot.h"
#include "motion/Methods.h"
#include "teach/comparison/ComparisonTexts.h"

namespace tarvo::app {

namespace {

// The two runs' colours, told apart also by those who confuse red and green.
const std::array<QColor, 2> colours{
    QColor(teach::comparisonColours[0][0], teach::comparisonColours[0][1],
           teach::comparisonColours[0][2]),
    QColor(teach::comparisonColours[1][0], teach::comparisonColours[1][1],
           teach::comparisonColours[1][2])};

QString utf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The method a picker's item stands for, told by the key the item keeps.
motion::Interpolation methodAt(const QComboBox& picker, int index) {
    const QString key = picker.itemData(index).toString();
    return motion::methodOfKey(key.toStdString()).value_or(motion::Interpolation::Machine);
}

QString count(std::uint64_t n) {
    return QString::number(static_cast<qulonglong>(n));
}

QString utf8(const std::string& text) {
    return QString::fromStdString(text);
}

// Timer ticks a worker runs between two looks at 取消: some tens of milliseconds.
constexpr std::uint64_t slice = 65536;

QTableWidgetItem* methodItem(int which) {
    auto* item = new QTableWidgetItem(QString(QChar(u'A' + which)));
    item->setTextAlignment(Qt::AlignCenter);
    item->setForeground(colours[which].darker(130));
    return item;
}

QTableWidgetItem* figureItem(const QString& text, int which) {
    auto* item = new QTableWidgetItem(text);
    item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    item->setForeground(colours[which].darker(130));
    return item;
}

QPushButton* button(const QString& caption, const char* name, QWidget* parent) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setAutoDefault(false);
    return b;
}

}  // namespace

motion::MethodChoice MethodCompareDialog::Picker::choice() const {
    const motion::Interpolation interpolation = methodAt(*method, method->currentIndex());
    return {interpolation,
            interpolation == motion::Interpolation::Integration && halfLoad->isChecked()};
}

QString MethodCompareDialog::Picker::name() const {
    return utf8(teach::trialName(method->currentText().toStdString(), choice().halfLoad));
}

MethodCompareDialog::MethodCompareDialog(std::function<std::string()> program,
                                         std::function<interp::Parameters()> parameters,
                                         QWidget* parent)
    : QDialog(parent), program_(std::move(program)), parameters_(std::move(parameters)) {
    setWindowTitle(QStringLiteral("方法对比"));
    setModal(false);
    auto* pickerRow = new QHBoxLayout;
    pickers_ = {buildPicker(0, motion::Interpolation::Comparison),
                buildPicker(1, motion::Interpolation::Integration)};
    for (int which = 0; which < 2; ++which) {
        auto* swatch = new QLabel(QStringLiteral("■ %1").arg(QChar(u'A' + which)), this);
        swatch->setStyleSheet(
            QStringLiteral("color: %1; font-weight: bold").arg(colours[which].name()));
        pickerRow->addWidget(swatch);
        pickerRow->addWidget(pickers_[which].method);
        pickerRow->addWidget(pickers_[which].halfLoad);
        pickerRow->addSpacing(12);
    }
    compare_ = button(QStringLiteral("对比"), "compare", this);
    cancel_ = button(QStringLiteral("取消"), "cancel", this);
    cancel_->setEnabled(false);
    pickerRow->addStretch();
    pickerRow->addWidget(compare_);
    pickerRow->addWidget(cancel_);
    notice_ = new QLabel(utf8(teach::comparisonPrompt()), this);
    notice_->setObjectName(QStringLiteral("notice"));
    notice_->setWordWrap(true);
    staircases_ = new StaircasePlot(this);
    QStringList columnNames;
    for (const std::string_view name : teach::comparisonColumns()) columnNames << utf8(name);
    table_ = new QTableWidget(0, static_cast<int>(columnNames.size()), this);
    table_->setObjectName(QStringLiteral("figures"));
    table_->setHorizontalHeaderLabels(columnNames);
    table_->verticalHeader()->hide();
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionMode(QAbstractItemView::NoSelection);
    table_->setFocusPolicy(Qt::NoFocus);
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    // Wide enough for the sum's name on one line; a rapid's takes two.
    table_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Fixed);
    table_->setColumnWidth(0,
                           fontMetrics().horizontalAdvance(utf8(teach::comparisonTotals())) + 12);
    table_->setMinimumWidth(560);
    feeds_ = new FeedPlot(this);
    auto* lesson = new QLabel(
        QStringLiteral("合成进给是一次迭代进给矢量的长度：逐点比较法每次只走一个轴，为 1；"
                       "数字积分法一次可同走两轴（√2），也可一轴不走（0），"
                       "所以它的速度随运动方向而变。偏差是步点到理想轨迹的距离。"
                       "合计和图只算插补的程序段（G01～G03）；快速移动（G00）"
                       "单列在表中，不计入合计。"),
        this);
    lesson->setWordWrap(true);
    auto* side = new QVBoxLayout;
    side->addWidget(table_, 1);
    side->addWidget(lesson);
    auto* middle = new QHBoxLayout;
    middle->addWidget(staircases_, 2);
    middle->addLayout(side, 3);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(pickerRow);
    layout->addWidget(notice_);
    layout->addLayout(middle, 1);
    layout->addWidget(feeds_);
    connect(compare_, &QPushButton::clicked, this, &MethodCompareDialog::compare);
    connect(cancel_, &QPushButton::clicked, this, &MethodCompareDialog::cancel);
    connect(&watcher_, &QFutureWatcher<void>::finished, this, &MethodCompareDialog::finished);
    resize(1040, 640);
}

// A closing window stops the runs and waits the few ticks until they notice.
MethodCompareDialog::~MethodCompareDialog() {
    cancelled_ = true;
    watcher_.waitForFinished();
}

void MethodCompareDialog::present() {
    const QScreen* on = parentWidget() ? parentWidget()->screen() : screen();
    resize(size().boundedTo(on->availableGeometry().size() * 0.9));
    show();
    raise();
    activateWindow();
}

MethodCompareDialog::Picker MethodCompareDialog::buildPicker(int which,
                                                             motion::Interpolation method) {
    Picker p{new QComboBox(this), new QCheckBox(QStringLiteral("半加载"), this)};
    p.method->setObjectName(QStringLiteral("method%1").arg(QChar(u'A' + which)));
    p.halfLoad->setObjectName(QStringLiteral("halfLoad%1").arg(QChar(u'A' + which)));
    for (const motion::MethodEntry& entry : motion::methods()) {
        p.method->addItem(utf8(entry.caption), utf8(entry.key));
    }
    p.method->setCurrentIndex(p.method->findData(utf8(motion::methodEntry(method).key)));
    const auto enable = [p](int index) {
        p.halfLoad->setEnabled(methodAt(*p.method, index) == motion::Interpolation::Integration);
    };
    enable(p.method->currentIndex());
    connect(p.method, &QComboBox::currentIndexChanged, this, enable);
    return p;
}

void MethodCompareDialog::compare() {
    if (watcher_.isRunning()) return;
    cancelled_ = false;
    names_ = {pickers_[0].name(), pickers_[1].name()};
    // What the last comparison showed goes before anything of the new one runs.
    staircases_->clear(utf8(teach::comparisonRunning()));
    feeds_->show({});
    table_->clearSpans();
    table_->setRowCount(0);
    compare_->setEnabled(false);
    cancel_->setEnabled(true);
    notice_->setStyleSheet(QString());
    notice_->setText(utf8(teach::comparisonRunning()));
    const std::array<motion::MethodChoice, 2> choices{pickers_[0].choice(), pickers_[1].choice()};
    // The worker alone touches the trials until it has finished.
    watcher_.setFuture(
        QtConcurrent::run([this, program = program_(), parameters = parameters_(), choices] {
            for (std::size_t i = 0; i < 2; ++i) {
                trials_[i] = std::make_unique<teach::MethodTrial>(program, parameters, choices[i],
                                                                  teach::comparisonTickLimit);
                while (!cancelled_ && trials_[i]->advance(slice)) {
                }
                trials_[i]->stop();
            }
        }));
}

void MethodCompareDialog::cancel() {
    cancelled_ = true;
}

void MethodCompareDialog::finished() {
    compare_->setEnabled(true);
    cancel_->setEnabled(false);
    QStringList notices;
    for (std::size_t i = 0; i < 2; ++i) {
        const QString notice = utf8(teach::trialNotice(*trials_[i], names_[i].toStdString()));
        if (!notice.isEmpty() && !notices.contains(notice)) notices << notice;
    }
    notice_->setText(notices.isEmpty() ? utf8(teach::comparisonFinished())
                                       : notices.join(QChar(u'\n')));
    notice_->setStyleSheet(notices.isEmpty() ? QString() : QStringLiteral("color: #b00000"));
    staircases_->show({{&trials_[0]->run(), QStringLiteral("A ") + names_[0], colours[0]},
                       {&trials_[1]->run(), QStringLiteral("B ") + names_[1], colours[1]}},
                      trials_[0]->dlstep());
    feeds_->show(
        {{&trials_[0]->run().feeds(), colours[0]}, {&trials_[1]->run().feeds(), colours[1]}});
    fillTable();
}

// Two rows a move, A above B: the sum of the moves compared first, then the
// moves (of a very long program only the first ones), the ticks of each
// whole run last.
void MethodCompareDialog::fillTable() {
    const std::vector<teach::MoveFigures>& a = trials_[0]->run().moves();
    const std::vector<teach::MoveFigures>& b = trials_[1]->run().moves();
    const std::size_t moves = std::max(a.size(), b.size());
    const std::size_t listed = std::min(moves, teach::comparisonMovesListed);
    int row = 0;
    table_->setRowCount(static_cast<int>(2 * listed + (listed < moves ? 5 : 4)));
    fillRows(row, utf8(teach::comparisonTotals()),
             {&trials_[0]->run().compared(), &trials_[1]->run().compared()}, false);
    for (std::size_t m = 0; m < listed; ++m) {
        const teach::MoveFigures& move = m < a.size() ? a[m] : b[m];
        fillRows(row += 2, utf8(teach::moveName(move)),
                 {m < a.size() ? &a[m].figures : nullptr, m < b.size() ? &b[m].figures : nullptr},
                 move.rapid());
    }
    row += 2;
    if (listed < moves) {
        table_->setItem(row, 0, new QTableWidgetItem(utf8(teach::omittedMoves(moves - listed))));
        table_->setSpan(row++, 0, 1, table_->columnCount());
    }
    for (int column = 0; column < 2; ++column) {
        table_->setItem(row + column, 1, methodItem(column));
        table_->setItem(row + column, 2, figureItem(count(trials_[column]->ticks()), column));
        table_->setSpan(row + column, 2, 1, table_->columnCount() - 2);
    }
    table_->setItem(row, 0, new QTableWidgetItem(utf8(teach::comparisonTicks())));
    table_->setSpan(row, 0, 2, 1);
}

void MethodCompareDialog::fillRows(int row, const QString& move,
                                   const std::array<const teach::MethodFigures*, 2>& figures,
                                   bool apart) {
    auto* name = new QTableWidgetItem(move);
    if (apart) name->setForeground(Qt::darkGray);
    table_->setItem(row, 0, name);
    table_->setSpan(row, 0, 2, 1);
    for (int which = 0; which < 2; ++which) {
        table_->setItem(row + which, 1, methodItem(which));
        const teach::MethodFigures* f = figures[which];
        if (!f) continue;
        const std::array<std::string, 9> cells = teach::figureCells(*f);
        for (std::size_t column = 0; column < cells.size(); ++column) {
            QTableWidgetItem* item = figureItem(utf8(cells[column]), which);
            if (apart) item->setForeground(Qt::darkGray);
            table_->setItem(row + which, static_cast<int>(column) + 2, item);
        }
    }
}

}  // namespace tarvo::app
