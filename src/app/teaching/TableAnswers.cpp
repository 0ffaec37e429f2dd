#include "app/teaching/TableAnswers.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QTableView>

#include "app/teaching/RowQuestion.h"
#include "app/teaching/StepTableModel.h"

namespace tarvo::app {

namespace {

// The question covers the hidden beats, in either face of the table.
constexpr int questionColumns = 5;

}  // namespace

TableAnswers::TableAnswers(const teach::StepTable& table, StepTableModel& model, QTableView& view,
                           QWidget* parent)
    : QObject(parent),
      quiz_(table),
      model_(model),
      view_(view),
      switch_(new QCheckBox(QStringLiteral("先答后看"), parent)),
      score_(new QLabel(parent)) {
    switch_->setToolTip(
        QStringLiteral("单步时先在表中作答：逐点比较答进给与新偏差 F，数字积分答溢出；"
                       "答后才显示本步。连续运行不提问。"));
    score_->setObjectName(QStringLiteral("answerScore"));
    model_.takeAnswers(quiz_.sheet());
    connect(switch_, &QCheckBox::toggled, this, &TableAnswers::switched);
    showScore();
}

RowQuestion* TableAnswers::question() const {
    return question_;
}

void TableAnswers::switched(bool on) {
    quiz_.setOn(on);
    model_.answersChanged();
    placeQuestion(false);
    showScore();
}

void TableAnswers::stepped(std::uint64_t from) {
    quiz_.stepped(from);
    model_.answersChanged();
    placeQuestion(true);
    showScore();
}

void TableAnswers::freshRun() {
    quiz_.freshRun();
    model_.answersChanged();
    placeQuestion(false);
    showScore();
}

// Mid-way through a step back the table may stand empty or short, so the
// quiz forgets nothing here.
void TableAnswers::follow() {
    placeQuestion(false);
    showScore();
}

void TableAnswers::steppedBack() {
    quiz_.steppedBack();
    model_.answersChanged();
    follow();
}

// The question stands in its row over the hidden beats; a row the view does
// not show yet gets it when it does.
void TableAnswers::placeQuestion(bool focus) {
    const std::optional<std::uint64_t> serial = quiz_.sheet().question();
    const int row = serial ? model_.rowOf(*serial) : -1;
    const QModelIndex at = model_.index(row, StepTableModel::firstHidden);
    // A reset of the view takes its widgets away, and then the question too.
    if (question_ && placed_ == serial && row >= 0 && view_.indexWidget(at) == question_) return;
    removeQuestion();
    if (row < 0) return;
    question_ = new RowQuestion(*quiz_.sheet().answersOf(*serial));
    connect(question_, &RowQuestion::feedPressed, this,
            [this](motion::PulseFeed feed, const QString& typed) {
                answered(quiz_.answerFeed(feed, typed.toStdString()));
            });
    connect(question_, &RowQuestion::deviationEntered, this,
            [this](const QString& typed) { answered(quiz_.answerDeviation(typed.toStdString())); });
    connect(question_, &RowQuestion::overflowsGiven, this,
            [this](bool x, bool y) { answered(quiz_.answerOverflow(x, y)); });
    view_.setSpan(row, StepTableModel::firstHidden, 1, questionColumns);
    view_.setIndexWidget(at, question_);
    placed_ = serial;
    placedAt_ = at;
    if (focus) {
        view_.scrollTo(at);
        question_->setFocus();
    }
}

// The view lets go of the question, which goes once the key or click that
// answered it is over.
void TableAnswers::removeQuestion() {
    view_.clearSpans();
    if (question_ && placedAt_.isValid() && view_.indexWidget(placedAt_) == question_) {
        view_.setIndexWidget(placedAt_, nullptr);
    }
    if (question_) {
        question_->hide();
        question_->deleteLater();
    }
    question_ = nullptr;
    placed_.reset();
}

// The row shows its marks; the question gives way to the next, which takes
// the keyboard if this one had it. An answer that marked nothing leaves the
// question where it is, a notice beside the switch if it was refused.
void TableAnswers::answered(bool marked) {
    if (!marked) {
        showScore();
        return;
    }
    const bool focus = question_ && question_->isAncestorOf(QApplication::focusWidget());
    model_.answersChanged();
    removeQuestion();
    placeQuestion(focus);
    if (focus && !question_) view_.setFocus();
    showScore();
}

void TableAnswers::showScore() {
    const teach::TableQuiz::ScoreLine line = quiz_.scoreLine();
    score_->setStyleSheet(line.notice ? QStringLiteral("color: #b00000") : QString());
    score_->setVisible(line.shown);
    score_->setText(QString::fromStdString(line.text));
}

}  // namespace tarvo::app
