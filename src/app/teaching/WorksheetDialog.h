#pragma once

#include <QDialog>
#include <QString>
#include <QUrl>
#include <functional>

class QLabel;
class QLineEdit;

namespace tarvo::app {

class Prompts;

// 打印练习单 and 打印答案: asks for the exercise code, prefilled with the
// exercise window's, saves the page as HTML and opens it in the browser,
// where the teacher previews and prints it on A4 or saves it as PDF. A
// browser lays the page out as the runner's copy of it prints, page breaks
// and the pulse grid's SVG included, which Qt's rich text cannot. A bad code
// is refused in the dialog with the exercises' own message.
class WorksheetDialog : public QDialog {
    Q_OBJECT

public:
    enum class Page { Worksheet, Answers };
    // Hands a saved page to the browser; false when none would take it.
    using Opener = std::function<bool(const QUrl&)>;

    WorksheetDialog(Page page, Prompts& prompts, Opener open, QWidget* parent = nullptr);

    // Shown from the menu with the code to start from (may be empty).
    void present(const QString& code);

private:
    void save();
    QString refusal() const;

    Page page_;
    Prompts& prompts_;
    Opener open_;
    QLineEdit* code_;
    QLabel* notice_;
};

}  // namespace tarvo::app
