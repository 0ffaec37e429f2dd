#pragma once

#include <QWidget>

class QPushButton;

namespace tarvo::app {

// "Form1", the designer window: who made the simulator, a picture of a
// machine, and "点击返回". A top-level window without owner, shown modeless.
// "点击返回" only hides it, so the next show finds it where it was; closing
// it through its frame deletes it: hold it in a QPointer.
class DesignerWindow : public QWidget {
    Q_OBJECT

public:
    DesignerWindow();

    // "点击返回": hides the window.
    QPushButton& returnButton() { return *returnButton_; }

private:
    QPushButton* returnButton_;
};

}  // namespace tarvo::app
