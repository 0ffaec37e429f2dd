#include "app/teaching/ExerciseScorePage.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <utility>

#include "app/teaching/ExerciseExport.h"
#include "teach/exercises/ExerciseCsv.h"
#include "teach/exercises/ExerciseReport.h"
#include "teach/exercises/ExerciseTexts.h"

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

ExerciseScorePage::ExerciseScorePage(Prompts& prompts, std::function<void()> saved, QWidget* parent)
    : QWidget(parent), prompts_(prompts), saved_(std::move(saved)) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    scoreText_ = new QLabel(this);
    scoreText_->setObjectName(QStringLiteral("score"));
    scoreText_->setStyleSheet(QStringLiteral("font-size: 16pt; font-weight: bold"));
    student_ = new QLabel(this);
    student_->setObjectName(QStringLiteral("scoreStudent"));
    wrong_ = new QTableWidget(0, 6, this);
    wrong_->setHorizontalHeaderLabels({QStringLiteral("题"), QStringLiteral("步"),
                                       QStringLiteral("答项"), QStringLiteral("作答"),
                                       QStringLiteral("应为"), QStringLiteral("说明")});
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
    layout->addWidget(student_);
    layout->addWidget(new QLabel(QStringLiteral("答错的步："), this));
    layout->addWidget(wrong_, 1);
    layout->addLayout(buttons);
    connect(csv, &QPushButton::clicked, this, [this] {
        if (exportExercises(prompts_, QStringLiteral("导出练习成绩"),
                            QStringLiteral("CSV 文件 (*.csv)"), QStringLiteral("csv"),
                            teach::exerciseCsv(*round_))) {
            saved_();
        }
    });
    connect(html, &QPushButton::clicked, this, [this] {
        if (exportExercises(prompts_, QStringLiteral("导出练习网页"),
                            QStringLiteral("网页 (*.html)"), QStringLiteral("html"),
                            teach::exerciseReport(round_->score(), round_->attempt()))) {
            saved_();
        }
    });
}

void ExerciseScorePage::showRound(const teach::ExerciseRound& round) {
    round_.emplace(round);
    scoreText_->setText(text(teach::scoreHeadText(round)));
    student_->setText(text(teach::scoreStudentText(round.attempt())));
    const std::vector<teach::AnsweredStep> wrong = round.score().wrong();
    wrong_->setRowCount(static_cast<int>(wrong.size()));
    for (int row = 0; row < wrong_->rowCount(); ++row) {
        const teach::AnsweredStep& s = wrong[static_cast<std::size_t>(row)];
        const QStringList cells{
            QString::number(s.exercise), QString::number(s.iteration), text(s.item),
            text(s.graded.answer),       text(s.graded.expected),      text(s.graded.explanation)};
        for (int column = 0; column < cells.size(); ++column) {
            auto* item = new QTableWidgetItem(cells[column]);
            if (column == 0) item->setToolTip(text(s.task));
            wrong_->setItem(row, column, item);
        }
    }
    wrong_->resizeColumnsToContents();
}

}  // namespace tarvo::app
