#include "app/teaching/StepTablePanel.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTableView>

#include "app/base/Prompts.h"
#include "app/base/Said.h"
#include "app/base/ShownRefresh.h"
#include "app/teaching/StepTableModel.h"
#include "app/teaching/TableAnswers.h"
#include "files/WholeFile.h"
#include "teach/table/StepCsv.h"
#include "teach/table/StepTable.h"
#include "teach/table/TableCaption.h"

namespace tarvo::app {

namespace {

constexpr int refreshMilliseconds = 40;

QString utf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

StepTablePanel::StepTablePanel(const teach::StepTable& table, Prompts& prompts, QWidget* parent)
    : QWidget(parent),
      table_(table),
      prompts_(prompts),
      model_(new StepTableModel(table, this)),
      view_(new QTableView(this)),
      caption_(new QLabel(this)),
      registers_(new QCheckBox(this)),
      answers_(new TableAnswers(table, *model_, *view_, this)),
      export_(new QPushButton(this)) {
    view_->setModel(model_);
    view_->setSelectionBehavior(QAbstractItemView::SelectRows);
    view_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view_->setWordWrap(false);
    view_->verticalHeader()->hide();
    // Rows of one fixed height keep a long table quick to scroll and to grow.
    view_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    view_->horizontalHeader()->setStretchLastSection(true);
    view_->horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
    sizeColumns();
    // A long caption wraps rather than widen the panel, and with it the window.
    caption_->setWordWrap(true);
    auto* top = new QHBoxLayout;
    top->addWidget(caption_, 1);
    top->addWidget(&answers_->score());
    top->addWidget(&answers_->onSwitch());
    top->addWidget(registers_);
    top->addWidget(export_);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setSpacing(4);
    layout->addLayout(top);
    layout->addWidget(view_, 1);

    new ShownRefresh(*this, refreshMilliseconds, [this] { refresh(); });
    connect(export_, &QPushButton::clicked, this, &StepTablePanel::exportCsv);
    connect(registers_, &QCheckBox::toggled, this, [this](bool on) {
        model_->showRegisters(on);
        sizeColumns();
        if (selected_) showSelected(selected_);  // in view again at the rows' new height
    });
    keepSelectionThroughResets();
    connect(view_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) {
                if (!quiet_ && current.isValid()) emit stepChosen(model_->serialAt(current.row()));
            });
    // The view takes in new rows lazily, so the scroll bar's range grows
    // some time after a refresh; the newest row is kept in view then.
    QScrollBar* bar = view_->verticalScrollBar();
    connect(bar, &QScrollBar::valueChanged, this,
            [this, bar](int value) { follow_ = value == bar->maximum(); });
    connect(bar, &QScrollBar::rangeChanged, this, [this, bar](int, int maximum) {
        if (follow_) bar->setValue(maximum);
    });
    sayAgain(*this, [this] {
        registers_->setText(Said::tr("机床寄存器"));
        registers_->setToolTip(
            Said::tr("列出机床的原始寄存器（余数毫米，坐标 0.1 毫米，偏差 0.01 平方毫米）"));
        export_->setText(Said::tr("导出CSV..."));
        model_->sayAgain();
        sizeColumns();
        showCaption();
    });
}

// A switch of the columns, or a burst of rows, resets the model, which would
// drop the selection while the plan view's ring and the timing cursor stay on
// the step: the row stays selected as long as it is kept.
void StepTablePanel::keepSelectionThroughResets() {
    connect(model_, &QAbstractItemModel::modelAboutToBeReset, this, [this] {
        const QModelIndex current = view_->selectionModel()->currentIndex();
        selected_.reset();
        if (current.isValid() && view_->selectionModel()->isRowSelected(current.row())) {
            selected_ = model_->serialAt(current.row());
        }
    });
    connect(model_, &QAbstractItemModel::modelReset, this, [this] {
        if (selected_) showSelected(selected_);
    });
}

// Each column as wide as the widest text it is expected to hold, in the
// language of the moment, measured once: sizing to contents would measure
// every kept row. A column may name
// texts of both methods, parted by '/'.
void StepTablePanel::sizeColumns() {
    const QStringList widest =
        (model_->showsRegisters()
             ? Said::tr("8888|88888|逐点比较|jrx=14.5 jry=14.5 jrz=0|jrx jry jrz ≥ 128|"
                        "+X +Y +Z|jrx=14.5 jry=14.5 jrz=0|-1000.5|-1000.5|-1000.5|1000.00")
             : Said::tr("8888|88888|F = −888 ≥ 0, SR1/JRx、JRy、JRz 溢出|+X+Y|"
                        "JRx = 14.5 + 14.5 = 29 ≥ 16 → ΔX, 余 13|888 → 888/Σx 88 → 88|88.88 ≥ 1|"
                        "−888|−888|−888|−888"))
            .split(QLatin1Char('|'));
    const QFontMetrics metrics = view_->fontMetrics();
    const QFontMetrics headerMetrics = view_->horizontalHeader()->fontMetrics();
    columnsWidth_ = 0;
    for (int column = 0; column < model_->columnCount(); ++column) {
        const QString header =
            model_->headerData(column, Qt::Horizontal, Qt::DisplayRole).toString();
        int width = headerMetrics.boundingRect(QRect(), Qt::AlignLeft, header).width();
        for (const QString& text : widest[column].split(QLatin1Char('/'))) {
            width = std::max(width, metrics.horizontalAdvance(text));
        }
        view_->setColumnWidth(column, width + 14);
        columnsWidth_ += width + 14;
    }
    // The textbook's rows hold two lines, a straight move's X and Y registers
    // one under the other; measured with Chinese text, whose font may stand
    // taller than the Latin one.
    const QString lines =
        model_->showsRegisters() ? QStringLiteral("余Ag") : QStringLiteral("余Ag\n余Ag");
    view_->verticalHeader()->setDefaultSectionSize(
        metrics.boundingRect(QRect(), Qt::AlignLeft, lines).height() + 4);
}

// Rows dropped from the top move the current row without the user.
void StepTablePanel::refresh() {
    quiet_ = true;
    model_->refresh();
    quiet_ = false;
    answers_->follow();
    showCaption();
}

void StepTablePanel::steppedBack() {
    refresh();
    answers_->steppedBack();
}

void StepTablePanel::freshRun() {
    answers_->freshRun();
}

void StepTablePanel::stepped(std::uint64_t from) {
    refresh();
    answers_->stepped(from);
}

void StepTablePanel::selectSerial(std::optional<std::uint64_t> serial) {
    refresh();  // the panel may have been hidden, and its rows not taken in
    showSelected(serial);
}

void StepTablePanel::showSelected(std::optional<std::uint64_t> serial) {
    const int row = serial ? model_->rowOf(*serial) : -1;
    quiet_ = true;
    if (row < 0) {
        view_->selectionModel()->clear();
    } else {
        view_->selectRow(row);
        view_->scrollTo(model_->index(row, 0), QAbstractItemView::PositionAtCenter);
    }
    quiet_ = false;
}

QString StepTablePanel::caption() const {
    return utf8(teach::tableCaption(table_));
}

void StepTablePanel::showCaption() {
    caption_->setText(caption());
}

void StepTablePanel::exportCsv() {
    QString path = prompts_.saveFileName(Said::tr("导出插补过程表"), Said::tr("CSV 文件 (*.csv)"));
    if (path.isEmpty()) return;
    if (QFileInfo(path).suffix().isEmpty()) path += QStringLiteral(".csv");
    if (!files::writeWhole(QFile::encodeName(path).toStdString(), teach::textbookCsv(table_))) {
        prompts_.message(Said::tr("保存失败"),
                         Said::tr("无法保存文件：%1").arg(QDir::toNativeSeparators(path)));
    }
}

// Every column side by side at the width it was sized to, whatever the last
// one is stretched to now, under the caption and its buttons.
QSize StepTablePanel::sizeForRows(int rows) const {
    const QMargins margins = layout()->contentsMargins();
    const int frame = 2 * view_->frameWidth();
    const int width = columnsWidth_ + view_->verticalScrollBar()->sizeHint().width() + frame;
    const int height = view_->horizontalHeader()->sizeHint().height() +
                       rows * view_->verticalHeader()->defaultSectionSize() + frame;
    // The caption takes one line at the width of every column.
    const int top = std::max(caption_->fontMetrics().lineSpacing() + 2 * caption_->margin(),
                             export_->sizeHint().height());
    return {width + margins.left() + margins.right(),
            height + top + layout()->spacing() + margins.top() + margins.bottom()};
}

// Ten rows, which a 1366 × 768 screen holds below the window's own panels;
// however its docks are dragged, floated and docked again, never fewer than
// four.
QSize StepTablePanel::sizeHint() const {
    return sizeForRows(10);
}

QSize StepTablePanel::minimumSizeHint() const {
    return sizeForRows(4);
}

}  // namespace tarvo::app
