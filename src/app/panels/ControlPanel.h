#pragma once

#include <QGroupBox>

class QPushButton;

namespace tarvo::app {

class PaceBox;

// "控制面板": the five big buttons in a cross: run and pause on top, the
// parameter settings in the middle, clear screen and stop below; the speed
// of the run underneath.
class ControlPanel : public QGroupBox {
    Q_OBJECT

public:
    explicit ControlPanel(QWidget* parent = nullptr);

    QPushButton& runButton() { return *run_; }            // "运行.."
    QPushButton& pauseButton() { return *pause_; }        // "暂停..."
    QPushButton& stopButton() { return *stop_; }          // "停止.."
    QPushButton& clearButton() { return *clear_; }        // "清屏.."
    QPushButton& settingsButton() { return *settings_; }  // "参数设置"
    PaceBox& pace() { return *pace_; }

private:
    QPushButton* run_;
    QPushButton* pause_;
    QPushButton* stop_;
    QPushButton* clear_;
    QPushButton* settings_;
    PaceBox* pace_;
};

}  // namespace tarvo::app
