#pragma once

#include <QWidget>

class QPushButton;

namespace tarvo::app {

// "功能简介", the help window: one paragraph on what the simulator does. A
// top-level window without owner, shown modeless. Closing it ("点击返回" or
// its frame) deletes it, so the next show loads it afresh: hold it in a
// QPointer and create it again when that is null.
class HelpWindow : public QWidget {
    Q_OBJECT

public:
    HelpWindow();

    // The help paragraph, exactly as the window shows it.
    static QString text();

    // "点击返回": closes the window.
    QPushButton& returnButton() { return *returnButton_; }

private:
    QPushButton* returnButton_;
};

}  // namespace tarvo::app
