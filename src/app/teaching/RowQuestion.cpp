#include "app/teaching/RowQuestion.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>

#include "app/base/Said.h"

namespace tarvo::app {

namespace {

struct FeedKey {
    motion::PulseFeed feed;
    Qt::Key key;
    const char* arrow;
};

constexpr FeedKey feedKeys[] = {{{1, 0}, Qt::Key_Right, "→"},
                                {{-1, 0}, Qt::Key_Left, "←"},
                                {{0, 1}, Qt::Key_Up, "↑"},
                                {{0, -1}, Qt::Key_Down, "↓"}};

// The buttons are no defaults: Enter belongs to the field or the overflows.
QPushButton* button(const QString& caption, QWidget* parent) {
    auto* b = new QPushButton(caption, parent);
    b->setAutoDefault(false);
    b->setFocusPolicy(Qt::TabFocus);
    return b;
}

}  // namespace

RowQuestion::RowQuestion(const teach::AnswerSheet::Answers& answers, QWidget* parent)
    : QWidget(parent) {
    setAutoFillBackground(true);
    setFocusPolicy(Qt::StrongFocus);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(2, 0, 2, 0);
    layout->setSpacing(4);
    if (answers.form == teach::AnswerForm::Overflow) {
        buildOverflows();
    } else {
        buildFeeds(answers);
    }
    layout->addStretch();
}

void RowQuestion::buildFeeds(const teach::AnswerSheet::Answers& answers) {
    if (answers.form == teach::AnswerForm::FeedAndDeviation) {
        layout()->addWidget(saidLabel(*this, QT_TRANSLATE_NOOP("Said", "新 F =")));
        deviation_ = new QLineEdit(this);
        deviation_->setObjectName(QStringLiteral("newDeviation"));
        // Digits and a sign only: no key meant for the answers types into it.
        deviation_->setValidator(new QRegularExpressionValidator(
            QRegularExpression(QStringLiteral("[-+\u2212]?[0-9]{0,18}")), deviation_));
        deviation_->setMaximumWidth(fontMetrics().horizontalAdvance(QStringLiteral("−88888888")));
        deviation_->installEventFilter(this);
        if (answers.deviation) {
            deviation_->setText(QString::fromStdString(answers.deviation->answer));
            deviation_->setEnabled(false);
        }
        layout()->addWidget(deviation_);
        connect(deviation_, &QLineEdit::returnPressed, this,
                [this] { emit deviationEntered(deviation_->text()); });
        setFocusProxy(answers.deviation ? nullptr : deviation_);
    }
    feedAsked_ = !answers.feed;
    layout()->addWidget(saidLabel(*this, QT_TRANSLATE_NOOP("Said", "进给：")));
    for (const FeedKey& f : feedKeys) {
        const QString name = QString::fromStdString(teach::pulseFeedText(f.feed));
        auto* b = button(name, this);
        b->setObjectName(QStringLiteral("feed") + name);
        sayAgain(*this, [b, name, arrow = QString::fromUtf8(f.arrow)] {
            b->setToolTip(Said::tr("%1（%2 或 Alt+%2）").arg(name, arrow));
        });
        b->setEnabled(feedAsked_);
        layout()->addWidget(b);
        connect(b, &QPushButton::clicked, this, [this, feed = f.feed] {
            emit feedPressed(
                feed, deviation_ && deviation_->isEnabled() ? deviation_->text() : QString());
        });
    }
}

void RowQuestion::buildOverflows() {
    overflowX_ = new QCheckBox(this);
    overflowY_ = new QCheckBox(this);
    auto* submit = button(QString(), this);
    submit->setObjectName(QStringLiteral("submitOverflow"));
    sayAgain(*this, [this, submit] {
        overflowX_->setText(Said::tr("JRx 溢出(&X)"));
        overflowY_->setText(Said::tr("JRy 溢出(&Y)"));
        submit->setText(Said::tr("提交"));
        submit->setToolTip(Said::tr("X、Y 勾选溢出的寄存器，回车提交"));
    });
    layout()->addWidget(overflowX_);
    layout()->addWidget(overflowY_);
    layout()->addWidget(submit);
    connect(submit, &QPushButton::clicked, this,
            [this] { emit overflowsGiven(overflowX_->isChecked(), overflowY_->isChecked()); });
    setFocusProxy(overflowX_);
    for (QCheckBox* box : {overflowX_, overflowY_}) box->installEventFilter(this);
}

// An arrow feeds, wherever the focus is in the row.
bool RowQuestion::feedKey(int key) {
    if (!feedAsked_) return false;
    for (const FeedKey& f : feedKeys) {
        if (f.key != key) continue;
        emit feedPressed(f.feed,
                         deviation_ && deviation_->isEnabled() ? deviation_->text() : QString());
        return true;
    }
    return false;
}

void RowQuestion::keyPressEvent(QKeyEvent* event) {
    if (feedKey(event->key())) return;
    if (overflowX_) {
        switch (event->key()) {
            case Qt::Key_X:
                overflowX_->toggle();
                return;
            case Qt::Key_Y:
                overflowY_->toggle();
                return;
            case Qt::Key_Return:
            case Qt::Key_Enter:
                emit overflowsGiven(overflowX_->isChecked(), overflowY_->isChecked());
                return;
            default:
                break;
        }
    }
    QWidget::keyPressEvent(event);
}

// The field and the check boxes would take the arrows, Enter and the
// letters for themselves; here they answer.
bool RowQuestion::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) return QWidget::eventFilter(watched, event);
    auto* key = static_cast<QKeyEvent*>(event);
    if (feedKey(key->key())) return true;
    if (watched != deviation_) {
        const int k = key->key();
        if (k == Qt::Key_X || k == Qt::Key_Y || k == Qt::Key_Return || k == Qt::Key_Enter) {
            keyPressEvent(key);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace tarvo::app
