#include "app/teaching/ExerciseScorePage.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "app/base/Prompts.h"
#include "files/WholeFile.h"
#include "teach/ExerciseReport.h"
#include "teach/ExerciseRound.h"

namespace tarvo::app {

namespace {

QString text(const std::string& utf8) {
    return QString::fromStdString(utf8);
}

QPushButton* button(const QString& caption, QWidget* parent) {
    auto* b = new QPushButton(caption, parent);
    b->setAutoDefault(false);
    return b;
}

}  // namespace

ExerciseScorePage::ExerciseScorePage(Prompts& prompts, QWidget* parent)
    : QWidget(parent), prompts_(prompts) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    scoreText_ = new QLabel(this);
    scoreText_->setObjectName(QStringLiteral("score"));
    scoreText_->setStyleSheet(QStringLiteral("font-size: 16pt; font-weight: bold"));
    wrong_ = new QTableWidget(0, 5, this);
    wrong_->setHorizontalHeaderLabels({QStringLiteral("题"), QStringLiteral("步"),
                                       QStringLiteral("作答"), QStringLiteral("应为"),
                                       QStringLiteral("说明")});
    wrong_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    wrong_->verticalHeader()->hide();
    wrong_->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    wrong_->horizontalHeader()->setStretchLastSection(true);
    wrong_->setWordWrap(true);
    auto* csv = button(QStringLiteral("导出 CSV(&C)..."), this);
    auto* html = button(QStringLiteral("导出网页(&H)..."), this);
    csv->setObjectName(QStringLiteral("exportCsv"));
    html->setObjectName(QStringLiteral("exportPage"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(csv);
    buttons->addWidget(html);
    layout->addWidget(scoreText_);
    layout->addWidget(new QLabel(QStringLiteral("答错的步："), this));
    layout->addWidget(wrong_, 1);
    layout->addLayout(buttons);
    connect(csv, &QPushButton::clicked, this, [this] {
        exportFile(QStringLiteral("导出练习成绩"), QStringLiteral("CSV 文件 (*.csv)"),
                   QStringLiteral("csv"), score_.csv());
    });
    connect(html, &QPushButton::clicked, this, [this] {
        const std::string date = QDate::currentDate().toString(Qt::ISODate).toStdString();
        exportFile(QStringLiteral("导出练习网页"), QStringLiteral("网页 (*.html)"),
                   QStringLiteral("html"), teach::exerciseReport(score_, code_, date));
    });
}

void ExerciseScorePage::showRound(const teach::ExerciseRound& round) {
    code_ = round.code();
    score_ = round.score();
    scoreText_->setText(QStringLiteral("练习码 %1：%2").arg(text(code_), text(score_.scoreText())));
    const std::vector<teach::AnsweredStep> wrong = score_.wrong();
    wrong_->setRowCount(static_cast<int>(wrong.size()));
    for (int row = 0; row < wrong_->rowCount(); ++row) {
        const teach::AnsweredStep& s = wrong[static_cast<std::size_t>(row)];
        const QStringList cells{QString::number(s.exercise), QString::number(s.iteration),
                                text(s.graded.answer), text(s.graded.expected),
                                text(s.graded.explanation)};
        for (int column = 0; column < cells.size(); ++column) {
            auto* item = new QTableWidgetItem(cells[column]);
            if (column == 0) item->setToolTip(text(s.task));
            wrong_->setItem(row, column, item);
        }
    }
    wrong_->resizeColumnsToContents();
}

void ExerciseScorePage::exportFile(const QString& title, const QString& filter,
                                   const QString& suffix, const std::string& bytes) {
    QString path = prompts_.saveFileName(title, filter);
    if (path.isEmpty()) return;
    if (QFileInfo(path).suffix().isEmpty()) path += QLatin1Char('.') + suffix;
    if (!files::writeWhole(QFile::encodeName(path).toStdString(), bytes)) {
        prompts_.message(QStringLiteral("保存失败"),
                         QStringLiteral("无法保存文件：%1").arg(QDir::toNativeSeparators(path)));
    }
}

}  // namespace tarvo::app
