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

namespace tarvo::app {

namespace {

// The two runs' colours, told apart also by those who confuse red and green.
const std::array<QColor, 2> colours{QColor(0, 114, 178), QColor(213, 94, 0)};

// The methods a picker offers, in the order of motion::Interpolation.
const std::array<QString, 3> methodNames{QStringLiteral("机床（直线积分，圆弧比较）"),
                                         QStringLiteral("逐点比较法"),
                                         QStringLiteral("数字积分法")};

QString count(std::uint64_t n) {
    return QString::number(static_cast<qulonglong>(n));
}

QString pulses(double d) {
    return QString::number(d, 'f', 3);
}

QPushButton* button(const QString& caption, const char* name, QWidget* parent) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setAutoDefault(false);
    return b;
}

}  // namespace

motion::MethodChoice MethodCompareDialog::Picker::choice() const {
    const auto interpolation = static_cast<motion::Interpolation>(method->currentIndex());
    return {interpolation,
            interpolation == motion::Interpolation::Integration && halfLoad->isChecked()};
}

QString MethodCompareDialog::Picker::name() const {
    return choice().halfLoad ? method->currentText() + QStringLiteral("（半加载）")
                             : method->currentText();
}

MethodCompareDialog::MethodCompareDialog(std::function<std::string()> program,
                                         std::function<interp::Parameters()> parameters,
                                         QWidget* parent)
    : QDialog(parent), program_(std::move(program)), parameters_(std::move(parameters)) {
    setWindowTitle(QStringLiteral("方法对比"));
    setModal(false);
    auto* pickerRow = new QHBoxLayout;
    pickers_ = {buildPicker(0, 1), buildPicker(1, 2)};
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
    notice_ = new QLabel(QStringLiteral("对比编辑器中的程序，用当前参数。"), this);
    notice_->setObjectName(QStringLiteral("notice"));
    notice_->setWordWrap(true);
    staircases_ = new StaircasePlot(this);
    table_ = new QTableWidget(10, 2, this);
    table_->setVerticalHeaderLabels(
        {QStringLiteral("步数（有进给的迭代）"), QStringLiteral("迭代次数"),
         QStringLiteral("无进给的迭代"), QStringLiteral("X 脉冲"), QStringLiteral("Y 脉冲"),
         QStringLiteral("Z 脉冲"), QStringLiteral("最大偏差（脉冲）"),
         QStringLiteral("平均偏差（脉冲）"), QStringLiteral("平均合成进给（脉冲/次）"),
         QStringLiteral("完成节拍数")});
    table_->setHorizontalHeaderLabels({QStringLiteral("A"), QStringLiteral("B")});
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionMode(QAbstractItemView::NoSelection);
    table_->setFocusPolicy(Qt::NoFocus);
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    table_->setMinimumWidth(380);
    table_->setMaximumWidth(460);
    feeds_ = new FeedPlot(this);
    table_->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
    table_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    auto* lesson = new QLabel(
        QStringLiteral("合成进给是一次迭代进给矢量的长度：逐点比较法每次只走一个轴，为 1；"
                       "数字积分法一次可同走两轴（√2），也可一轴不走（0），"
                       "所以它的速度随运动方向而变。偏差是步点到理想轨迹的距离。"),
        this);
    lesson->setWordWrap(true);
    auto* side = new QVBoxLayout;
    side->addWidget(table_);
    side->addWidget(lesson);
    side->addStretch();
    auto* middle = new QHBoxLayout;
    middle->addWidget(staircases_, 1);
    middle->addLayout(side);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(pickerRow);
    layout->addWidget(notice_);
    layout->addLayout(middle, 1);
    layout->addWidget(feeds_);
    connect(compare_, &QPushButton::clicked, this, &MethodCompareDialog::compare);
    connect(cancel_, &QPushButton::clicked, this, &MethodCompareDialog::cancel);
    connect(&watcher_, &QFutureWatcher<Trials>::finished, this, &MethodCompareDialog::finished);
    resize(1040, 640);
}

// A closing window stops the runs and waits the few ticks until they notice.
MethodCompareDialog::~MethodCompareDialog() {
    stop_.request_stop();
    watcher_.waitForFinished();
}

void MethodCompareDialog::present() {
    const QScreen* on = parentWidget() ? parentWidget()->screen() : screen();
    resize(size().boundedTo(on->availableGeometry().size() * 0.9));
    show();
    raise();
    activateWindow();
}

MethodCompareDialog::Picker MethodCompareDialog::buildPicker(int which, int method) {
    Picker p{new QComboBox(this), new QCheckBox(QStringLiteral("半加载"), this)};
    p.method->setObjectName(QStringLiteral("method%1").arg(QChar(u'A' + which)));
    for (const QString& name : methodNames) p.method->addItem(name);
    p.method->setCurrentIndex(method);
    const auto enable = [p](int index) {
        p.halfLoad->setEnabled(index == static_cast<int>(motion::Interpolation::Integration));
    };
    enable(method);
    connect(p.method, &QComboBox::currentIndexChanged, this, enable);
    return p;
}

void MethodCompareDialog::compare() {
    if (watcher_.isRunning()) return;
    stop_ = std::stop_source();
    names_ = {pickers_[0].name(), pickers_[1].name()};
    const std::array<motion::MethodChoice, 2> choices{pickers_[0].choice(), pickers_[1].choice()};
    compare_->setEnabled(false);
    cancel_->setEnabled(true);
    notice_->setText(QStringLiteral("正在运行……"));
    watcher_.setFuture(QtConcurrent::run(
        [program = program_(), parameters = parameters_(), choices, stop = stop_.get_token()] {
            Trials trials;
            for (std::size_t i = 0; i < 2; ++i) {
                trials[i] = teach::runMethodTrial(program, parameters, choices[i], tickLimit, stop);
            }
            return trials;
        }));
}

void MethodCompareDialog::cancel() {
    stop_.request_stop();
}

void MethodCompareDialog::finished() {
    compare_->setEnabled(true);
    cancel_->setEnabled(false);
    trials_ = watcher_.result();
    QStringList notices;
    for (std::size_t i = 0; i < 2; ++i) {
        const QString notice = endNotice(trials_[i], names_[i]);
        if (!notice.isEmpty() && !notices.contains(notice)) notices << notice;
    }
    notice_->setText(notices.isEmpty() ? QStringLiteral("两种方法都走完了程序。")
                                       : notices.join(QChar(u'\n')));
    notice_->setStyleSheet(notices.isEmpty() ? QString() : QStringLiteral("color: #b00000"));
    staircases_->show({{&trials_[0], QStringLiteral("A ") + names_[0], colours[0]},
                       {&trials_[1], QStringLiteral("B ") + names_[1], colours[1]}});
    feeds_->show({{&trials_[0].fedAxes, colours[0]}, {&trials_[1].fedAxes, colours[1]}});
    fillTable();
}

QString MethodCompareDialog::endNotice(const teach::MethodTrial& trial, const QString& name) const {
    switch (trial.end) {
        case teach::MethodTrial::End::Finished:
            return {};
        case teach::MethodTrial::End::Error:
            return QStringLiteral("%1：%2").arg(name, QString::fromStdString(trial.message));
        case teach::MethodTrial::End::TickLimit:
            return QStringLiteral("%1：%2 节拍后仍未走完，只比较已走的部分。")
                .arg(name, count(tickLimit));
        case teach::MethodTrial::End::Cancelled:
            return QStringLiteral("已取消，只比较已走的部分。");
    }
    return {};
}

void MethodCompareDialog::fillTable() {
    table_->setHorizontalHeaderLabels(
        {QStringLiteral("A ") + names_[0], QStringLiteral("B ") + names_[1]});
    for (int column = 0; column < 2; ++column) {
        const teach::MethodTrial& t = trials_[column];
        const teach::MethodFigures& f = t.figures;
        const QStringList cells{count(f.steps),
                                count(f.iterations),
                                count(f.idle),
                                count(f.pulses[0]),
                                count(f.pulses[1]),
                                count(f.pulses[2]),
                                pulses(f.largestDeviation),
                                pulses(f.meanDeviation),
                                pulses(meanFeed(t.fedAxes)),
                                count(f.ticks)};
        for (int row = 0; row < cells.size(); ++row) {
            auto* item = new QTableWidgetItem(cells[row]);
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            item->setForeground(colours[column].darker(130));
            table_->setItem(row, column, item);
        }
    }
}

}  // namespace tarvo::app
