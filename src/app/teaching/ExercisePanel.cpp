#include "app/teaching/ExercisePanel.h"

#include <QCheckBox>
#include <QDateTime>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QStackedWidget>
#include <QVBoxLayout>
#include <utility>

#include "app/base/Prompts.h"
#include "app/base/Said.h"
#include "app/teaching/AccessKeyGuard.h"
#include "app/teaching/ExerciseExport.h"
#include "app/teaching/ExerciseFigure.h"
#include "app/teaching/ExerciseScorePage.h"
#include "teach/exercises/ExerciseCsv.h"
#include "teach/exercises/ExerciseReport.h"
#include "teach/exercises/ExerciseTexts.h"
#include "words/Catalogue.h"

namespace tarvo::app {

namespace {

QString text(const std::string& utf8) {
    return QString::fromStdString(utf8);
}

// The buttons are no dialog defaults: Enter belongs to the field it is typed in.
QPushButton* button(const QString& caption, QWidget* parent) {
    auto* b = new QPushButton(caption, parent);
    b->setAutoDefault(false);
    return b;
}

}  // namespace

ExercisePanel::ExercisePanel(Prompts& prompts, Memory memory, QWidget* parent)
    : QDialog(parent),
      prompts_(prompts),
      keep_(std::move(memory.keep)),
      guard_(new AccessKeyGuard(this)),
      session_(memory.attempts) {
    sayOn(*this, this, &QWidget::setWindowTitle, QT_TRANSLATE_NOOP("Said", "练习"));
    setModal(false);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(buildStudentRow(memory.student));
    layout->addWidget(buildCodeRow());
    notice_ = new QLabel(this);
    notice_->setObjectName(QStringLiteral("notice"));
    notice_->setStyleSheet(QStringLiteral("color: #b00000"));
    notice_->setWordWrap(true);
    layout->addWidget(notice_);
    pages_ = new QStackedWidget(this);
    pages_->addWidget(buildExercisePage());
    scorePage_ = new ExerciseScorePage(
        prompts, [this] { session_.exported(); }, this);
    pages_->addWidget(scorePage_);
    layout->addWidget(pages_, 1);
    pages_->setEnabled(false);
    // What the window shows is said again, the notice and the verdict of the
    // last answer too; what is typed in the fields stays.
    sayAgain(*this, [this] {
        notice_->setText(text(session_.notice()));
        if (!session_.round()) {
            task_->setText(text(std::string(teach::exercisePrompt())));
            return;
        }
        attempt_->setText(text(teach::attemptText(session_.round()->attempt())));
        sayRound();
        verdict_->setText(text(session_.verdict()));
    });
}

// Who answers, asked once and kept: each attempt is traced back to them.
QWidget* ExercisePanel::buildStudentRow(const teach::Student& student) {
    auto* row = new QWidget(this);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    const auto field = [&](const char* caption, const char* name, const std::string& typed) {
        auto* label = saidLabel(*row, caption);
        auto* edit = new QLineEdit(text(typed), row);
        edit->setObjectName(QString::fromLatin1(name));
        edit->setMaxLength(40);
        label->setBuddy(edit);
        guard_->watch(edit);
        layout->addWidget(label);
        layout->addWidget(edit, 1);
        return edit;
    };
    name_ = field(QT_TRANSLATE_NOOP("Said", "姓名(&A)"), "studentName", student.name);
    number_ = field(QT_TRANSLATE_NOOP("Said", "学号(&U)"), "studentNumber", student.number);
    return row;
}

QWidget* ExercisePanel::buildCodeRow() {
    auto* row = new QWidget(this);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* label = saidLabel(*row, QT_TRANSLATE_NOOP("Said", "练习码(&M)"));
    code_ = new QLineEdit(row);
    code_->setObjectName(QStringLiteral("exerciseCode"));
    code_->setMaxLength(24);
    label->setBuddy(code_);
    guard_->watch(code_);
    auto* fresh = button(QString(), row);
    auto* start = button(QString(), row);
    sayOn(*row, fresh, &QPushButton::setText, QT_TRANSLATE_NOOP("Said", "新代码(&N)"));
    sayOn(*row, start, &QPushButton::setText, QT_TRANSLATE_NOOP("Said", "开始(&B)"));
    start->setObjectName(QStringLiteral("startExercises"));
    layout->addWidget(label);
    layout->addWidget(code_, 1);
    layout->addWidget(fresh);
    layout->addWidget(start);
    connect(fresh, &QPushButton::clicked, this, &ExercisePanel::drawCode);
    connect(start, &QPushButton::clicked, this, &ExercisePanel::start);
    connect(code_, &QLineEdit::returnPressed, this, &ExercisePanel::start);
    return row;
}

QWidget* ExercisePanel::buildExercisePage() {
    auto* page = new QWidget(this);
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    attempt_ = new QLabel(page);
    attempt_->setObjectName(QStringLiteral("attempt"));
    auto* early = button(QString(), page);
    early->setObjectName(QStringLiteral("exportCsvEarly"));
    sayOn(*page, early, &QPushButton::setText, QT_TRANSLATE_NOOP("Said", "导出 CSV(&C)..."));
    sayOn(*page, early, &QPushButton::setToolTip,
          QT_TRANSLATE_NOOP("Said", "现在导出本次作答，未答的步记为错"));
    connect(early, &QPushButton::clicked, this, &ExercisePanel::exportEarly);
    auto* head = new QHBoxLayout;
    head->addWidget(attempt_, 1);
    head->addWidget(early);
    task_ = new QLabel(page);
    task_->setWordWrap(true);
    task_->setStyleSheet(QStringLiteral("font-weight: bold"));
    figure_ = new ExerciseFigure(page);
    known_ = new QLabel(page);
    known_->setObjectName(QStringLiteral("knownValues"));
    answers_ = new QStackedWidget(page);
    answers_->addWidget(buildComparisonAnswers());
    answers_->addWidget(buildIntegrationAnswers());
    verdict_ = new QLabel(page);
    verdict_->setObjectName(QStringLiteral("verdict"));
    verdict_->setWordWrap(true);
    verdict_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    next_ = button(Said::tr("下一题(&D)"), page);
    next_->setObjectName(QStringLiteral("nextExercise"));
    connect(next_, &QPushButton::clicked, this, &ExercisePanel::nextExercise);
    layout->addLayout(head);
    layout->addWidget(task_);
    layout->addWidget(figure_, 1);
    layout->addWidget(known_);
    layout->addWidget(answers_);
    layout->addWidget(verdict_);
    layout->addWidget(next_, 0, Qt::AlignRight);
    return page;
}

// The four feeds on Alt and the arrows, which no menu of the window takes.
QWidget* ExercisePanel::buildComparisonAnswers() {
    auto* box = new QWidget(this);
    auto* layout = new QGridLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(saidLabel(*box, QT_TRANSLATE_NOOP("Said", "新偏差 F =")), 0, 0);
    deviation_ = new QLineEdit(box);
    deviation_->setObjectName(QStringLiteral("newDeviation"));
    sayOn(*box, deviation_, &QLineEdit::setPlaceholderText,
          QT_TRANSLATE_NOOP("Said", "先填新偏差，再按进给方向"));
    guard_->watch(deviation_);
    layout->addWidget(deviation_, 0, 1, 1, 4);
    layout->addWidget(saidLabel(*box, QT_TRANSLATE_NOOP("Said", "进给：")), 1, 0);
    const struct {
        motion::PulseFeed feed;
        Qt::Key key;
        QString arrow;
    } feeds[] = {{{1, 0}, Qt::Key_Right, QStringLiteral("→")},
                 {{-1, 0}, Qt::Key_Left, QStringLiteral("←")},
                 {{0, 1}, Qt::Key_Up, QStringLiteral("↑")},
                 {{0, -1}, Qt::Key_Down, QStringLiteral("↓")}};
    int column = 1;
    for (const auto& f : feeds) {
        const QString name = text(teach::pulseFeedText(f.feed));
        auto* b = button(name, box);
        b->setObjectName(QStringLiteral("feed") + name);
        b->setShortcut(QKeySequence(Qt::ALT | f.key));
        sayAgain(*box, [b, name, arrow = f.arrow] {
            b->setToolTip(Said::tr("%1（Alt+%2）").arg(name, arrow));
        });
        layout->addWidget(b, 1, column++);
        connect(b, &QPushButton::clicked, this, [this, feed = f.feed] { answerFeed(feed); });
    }
    connect(deviation_, &QLineEdit::returnPressed, this, &ExercisePanel::checkDeviation);
    return box;
}

QWidget* ExercisePanel::buildIntegrationAnswers() {
    auto* box = new QWidget(this);
    auto* layout = new QHBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    overflowX_ = new QCheckBox(box);
    overflowY_ = new QCheckBox(box);
    auto* submit = button(QString(), box);
    sayOn(*box, overflowX_, &QCheckBox::setText, QT_TRANSLATE_NOOP("Said", "JRx 溢出(&X)"));
    sayOn(*box, overflowY_, &QCheckBox::setText, QT_TRANSLATE_NOOP("Said", "JRy 溢出(&Y)"));
    sayOn(*box, submit, &QPushButton::setText, QT_TRANSLATE_NOOP("Said", "提交(&S)"));
    submit->setObjectName(QStringLiteral("submitOverflow"));
    layout->addWidget(overflowX_);
    layout->addWidget(overflowY_);
    layout->addStretch();
    layout->addWidget(submit);
    connect(submit, &QPushButton::clicked, this, &ExercisePanel::answerOverflow);
    return box;
}

void ExercisePanel::present() {
    const QScreen* on = parentWidget() ? parentWidget()->screen() : screen();
    resize(sizeHint().boundedTo(on->availableGeometry().size() * 0.9));
    show();
    raise();
    activateWindow();
}

QString ExercisePanel::code() const {
    return session_.round() ? text(session_.round()->code()) : code_->text();
}

// A fresh code from the time, for a teacher to write on the board.
void ExercisePanel::drawCode() {
    const auto now = static_cast<std::uint64_t>(QDateTime::currentMSecsSinceEpoch());
    code_->setText(text(session_.drawCode(now)));
    notice_->setText(text(session_.notice()));
}

// A bad code is refused with its reason; the attempt under way goes on.
void ExercisePanel::start() {
    const QDateTime now = QDateTime::currentDateTime();
    const bool started = session_.start(
        code_->text().toStdString(), {name_->text().toStdString(), number_->text().toStdString()},
        now.toString(QStringLiteral("yyyy-MM-dd")).toStdString(),
        now.toString(QStringLiteral("HH:mm:ss")).toStdString());
    if (!session_.codeRead().empty()) code_->setText(text(session_.codeRead()));
    notice_->setText(text(session_.notice()));
    if (!started) return;
    const teach::ExerciseRound& round = *session_.round();
    keep_(round.attempt().student, session_.savedAttempts());
    pages_->setEnabled(true);
    pages_->setCurrentIndex(0);
    attempt_->setText(text(teach::attemptText(round.attempt())));
    verdict_->clear();
    figure_->setFigure(round.exercise(), round.wholePath());
    ask();
}

// The iteration's known values; its judgement, feed and outcome stay hidden.
void ExercisePanel::ask() {
    const teach::ExerciseRound& r = *session_.round();
    sayRound();
    figure_->setPath(r.path());
    next_->setEnabled(r.exerciseDone());
    answers_->setEnabled(!r.exerciseDone());
    switch (session_.asked()) {
        case teach::ExerciseSession::Asked::Nothing:
            next_->setFocus();
            return;
        case teach::ExerciseSession::Asked::FeedAndDeviation:
            answers_->setCurrentIndex(0);
            deviation_->clear();
            deviation_->setFocus();
            return;
        case teach::ExerciseSession::Asked::Overflow:
            answers_->setCurrentIndex(1);
            overflowX_->setChecked(false);
            overflowY_->setChecked(false);
            overflowX_->setFocus();
            return;
    }
}

// The texts of the iteration asked, in the language of the moment.
void ExercisePanel::sayRound() {
    const teach::ExerciseRound& r = *session_.round();
    task_->setText(text(teach::taskText(r)));
    next_->setText(r.finished() ? Said::tr("看成绩(&D)") : Said::tr("下一题(&D)"));
    const bool done = session_.asked() == teach::ExerciseSession::Asked::Nothing;
    known_->setText(text(done ? teach::doneText(r) : teach::knownText(r.asked())));
}

// The feed pressed, with the deviation typed: two answers, each marked, the
// deviation's "未答" when the field was left empty.
void ExercisePanel::answerFeed(motion::PulseFeed feed) {
    answered(session_.answerFeed(feed, deviation_->text().toStdString()));
}

// Enter in the deviation field only checks it: the feed pressed answers both.
void ExercisePanel::checkDeviation() {
    session_.checkDeviation(deviation_->text().toStdString());
    notice_->setText(text(session_.notice()));
}

// Everything answered so far and every step still to come as 未答, so that
// the file counts against the code's whole total.
void ExercisePanel::exportEarly() {
    if (!session_.round()) return;
    if (exportExercises(prompts_, Said::tr("导出练习成绩"), Said::tr("CSV 文件 (*.csv)"),
                        QStringLiteral("csv"), teach::exerciseCsv(*session_.round()))) {
        session_.exported();
    }
}

void ExercisePanel::answerOverflow() {
    answered(session_.answerOverflow(overflowX_->isChecked(), overflowY_->isChecked()));
}

// What was marked, then the formula that decides it; the next iteration is
// asked at once. An answer refused leaves the iteration asked, the notice
// saying why.
void ExercisePanel::answered(bool marked) {
    notice_->setText(text(session_.notice()));
    if (!marked) return;
    verdict_->setText(text(session_.verdict()));
    verdict_->setStyleSheet(session_.verdictRight() ? QStringLiteral("color: #006000")
                                                    : QStringLiteral("color: #b00000"));
    ask();
}

void ExercisePanel::nextExercise() {
    if (!session_.round() || !session_.round()->exerciseDone()) return;
    session_.next();
    const teach::ExerciseRound& round = *session_.round();
    if (session_.scoreShown()) {
        scorePage_->showRound(round);
        pages_->setCurrentWidget(scorePage_);
        return;
    }
    verdict_->clear();
    figure_->setFigure(round.exercise(), round.wholePath());
    ask();
}

}  // namespace tarvo::app
