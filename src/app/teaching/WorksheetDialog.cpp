#include "app/teaching/WorksheetDialog.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <stdexcept>
#include <utility>

#include "app/base/Prompts.h"
#include "app/base/Said.h"
#include "files/WholeFile.h"
#include "teach/exercises/ExerciseCode.h"
#include "teach/exercises/WorksheetPage.h"

namespace tarvo::app {

namespace {

bool answers(WorksheetDialog::Page page) {
    return page == WorksheetDialog::Page::Answers;
}

}  // namespace

WorksheetDialog::WorksheetDialog(Page page, Prompts& prompts, Opener open, QWidget* parent)
    : QDialog(parent), page_(page), prompts_(prompts), open_(std::move(open)) {
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    code_ = new QLineEdit(this);
    code_->setObjectName(QStringLiteral("worksheetCode"));
    code_->setMaxLength(12);
    auto* codeLabel = new QLabel(this);
    form->addRow(codeLabel, code_);
    layout->addLayout(form);
    notice_ = new QLabel(this);
    notice_->setObjectName(QStringLiteral("notice"));
    notice_->setStyleSheet(QStringLiteral("color: #b00000"));
    notice_->setWordWrap(true);
    layout->addWidget(notice_);
    auto* hint = new QLabel(this);
    hint->setWordWrap(true);
    layout->addWidget(hint);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Cancel, this);
    QPushButton* save = buttons->addButton(QString(), QDialogButtonBox::AcceptRole);
    save->setObjectName(QStringLiteral("saveWorksheet"));
    save->setDefault(true);
    layout->addWidget(buttons);
    connect(save, &QPushButton::clicked, this, &WorksheetDialog::save);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    sayAgain(*this, [this, codeLabel, hint, save] {
        setWindowTitle(answers(page_) ? Said::tr("打印答案") : Said::tr("打印练习单"));
        codeLabel->setText(Said::tr("练习码(&C)："));
        hint->setText(Said::tr("保存为网页后在浏览器中打开，在那里预览、打印到 A4 或另存为 PDF。"));
        save->setText(Said::tr("保存并打开(&S)..."));
        if (!notice_->text().isEmpty()) notice_->setText(refusal());
    });
}

// Why the code typed is refused, in the language of the moment; empty when it is not.
QString WorksheetDialog::refusal() const {
    try {
        teach::ExerciseCode(code_->text().toStdString());
    } catch (const std::invalid_argument& refused) {
        return QString::fromStdString(refused.what());
    }
    return {};
}

void WorksheetDialog::present(const QString& code) {
    code_->setText(code);
    code_->selectAll();
    notice_->clear();
    show();
    raise();
    activateWindow();
}

// The page is made before a file is asked for, so a bad code costs no dialog.
void WorksheetDialog::save() {
    std::string page;
    try {
        const teach::ExerciseCode code(code_->text().toStdString());
        code_->setText(QString::fromStdString(code.text()));
        page = answers(page_) ? teach::answerKeyPage(code) : teach::worksheetPage(code);
    } catch (const std::invalid_argument& refusal) {
        notice_->setText(QString::fromStdString(refusal.what()));
        return;
    }
    notice_->clear();
    QString path = prompts_.saveFileName(windowTitle(), Said::tr("网页 (*.html)"));
    if (path.isEmpty()) return;
    if (QFileInfo(path).suffix().isEmpty()) path += QStringLiteral(".html");
    const QString shown = QDir::toNativeSeparators(path);
    if (!files::writeWhole(QFile::encodeName(path).toStdString(), page)) {
        prompts_.message(Said::tr("保存失败"), Said::tr("无法保存文件：%1").arg(shown));
        return;
    }
    accept();
    if (!open_(QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath()))) {
        prompts_.message(
            windowTitle(),
            Said::tr("已保存 %1，但没有浏览器能打开它：请另行打开后打印。").arg(shown));
    }
}

}  // namespace tarvo::app
