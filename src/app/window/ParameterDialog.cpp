#include "app/window/ParameterDialog.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "app/base/Said.h"
#include "app/window/Settings.h"

namespace tarvo::app {

namespace {

// The dialog was drawn in twips; 15 twips make a pixel at 96 dpi.
constexpr int px(int twips) {
    return twips / 15;
}

QLineEdit* field(int widthTwips) {
    auto* edit = new QLineEdit;
    edit->setFixedSize(px(widthTwips), px(375));
    return edit;
}

void setColour(QWidget& widget, QPalette::ColorRole role, QColor colour) {
    QPalette palette = widget.palette();
    palette.setColor(role, colour);
    widget.setPalette(palette);
}

}  // namespace

ParameterDialog::ParameterDialog(Settings& settings, QWidget* parent)
    : QDialog(parent), settings_(settings) {
    sayOn(*this, this, &QWidget::setWindowTitle, QT_TRANSLATE_NOOP("Said", "参数设置"));
    setColour(*this, QPalette::Window, QColor(224, 224, 224));
    setAutoFillBackground(true);
    for (std::size_t i = 0; i < fields_.size(); ++i) fields_[i] = field(i < 3 ? 1215 : 615);

    auto* frame = new QGroupBox;
    sayOn(*this, frame, &QGroupBox::setTitle, QT_TRANSLATE_NOOP("Said", "工件坐标原点："));
    frame->setFixedSize(px(2415), px(2895));
    auto* origin = new QGridLayout(frame);
    for (int row = 0; row < 3; ++row) {
        auto* axis = new QLabel;
        sayAgain(*this,
                 [axis, name = QChar(u'X' + row)] { axis->setText(Said::tr("%1C：").arg(name)); });
        origin->addWidget(axis, row, 0);
        origin->addWidget(fields_[static_cast<std::size_t>(row)], row, 1);
    }

    auto* scale = new QGridLayout;
    scale->setVerticalSpacing(px(1440 - 720 - 375));
    scale->addWidget(saidLabel(*this, QT_TRANSLATE_NOOP("Said", "放大倍数")), 0, 0);
    scale->addWidget(fields_[3], 0, 1);
    scale->addWidget(saidLabel(*this, QT_TRANSLATE_NOOP("Said", "脉冲当量(mm)")), 1, 0);
    scale->addWidget(fields_[4], 1, 1);

    // The refusal is shown here rather than in a message box of its own, so
    // the user sees it next to the fields and tests need not answer a box.
    problem_ = new QLabel;
    problem_->setObjectName(QStringLiteral("problem"));
    problem_->setWordWrap(true);
    setColour(*problem_, QPalette::WindowText, QColor(192, 0, 0));
    problem_->hide();
    // A refusal on show is said again in the new words.
    sayAgain(*this, [this] {
        if (!problem_->isHidden()) refuseInvalidField();
    });

    auto* okButton = new QPushButton;
    sayOn(*this, okButton, &QPushButton::setText, QT_TRANSLATE_NOOP("Said", "确定"));
    okButton->setFixedSize(px(975), px(540));
    okButton->setDefault(true);
    connect(okButton, &QPushButton::clicked, this, &ParameterDialog::ok);
    auto* buttonRow = new QHBoxLayout;
    buttonRow->addStretch();
    buttonRow->addWidget(okButton);
    buttonRow->addSpacing(px(5265 - 4815));

    auto* right = new QVBoxLayout;
    right->addSpacing(px(720 - 240));
    right->addLayout(scale);
    right->addWidget(problem_);
    right->addStretch();
    right->addLayout(buttonRow);

    auto* root = new QHBoxLayout(this);
    root->setContentsMargins(px(240), px(240), px(240), px(3345 - 240 - 2895));
    root->setSpacing(px(2760 - 2655));
    root->addWidget(frame, 0, Qt::AlignTop);
    root->addLayout(right);
    resize(px(5505), px(3345));
}

void ParameterDialog::load() {
    for (std::size_t i = 0; i < fields_.size(); ++i) {
        fields_[i]->setText(settings_.parameterText(parameterKeys[i].toString()));
    }
    problem_->clear();
    problem_->hide();
    // A refusal on show is said again in the new words.
    sayAgain(*this, [this] {
        if (!problem_->isHidden()) refuseInvalidField();
    });
}

QLineEdit& ParameterDialog::g54xt() {
    return *fields_[0];
}
QLineEdit& ParameterDialog::g54yt() {
    return *fields_[1];
}
QLineEdit& ParameterDialog::g54zt() {
    return *fields_[2];
}
QLineEdit& ParameterDialog::beit() {
    return *fields_[3];
}
QLineEdit& ParameterDialog::dlt() {
    return *fields_[4];
}

void ParameterDialog::ok() {
    if (refuseInvalidField()) return;
    settings_.setParameterTexts(g54xt().text(), g54yt().text(), g54zt().text(), beit().text(),
                                dlt().text());
    emit originAccepted(g54xt().text(), g54yt().text(), g54zt().text());
    accept();
}

// Every start of the application and of a run converts the stored texts
// again, so a text that does not convert must never reach the store.
bool ParameterDialog::refuseInvalidField() {
    for (std::size_t i = 0; i < fields_.size(); ++i) {
        const auto problem = parameterTextProblem(parameterKeys[i], fields_[i]->text());
        if (!problem) continue;
        problem_->setText(*problem);
        problem_->show();
        fields_[i]->setFocus();
        fields_[i]->selectAll();
        return true;
    }
    return false;
}

}  // namespace tarvo::app
