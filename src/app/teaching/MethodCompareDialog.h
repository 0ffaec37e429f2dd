#pragma once

#include <QDialog>
#include <QFutureWatcher>
#include <array>
#include <atomic>
#include <functional>
#include <memory>
#include <string>

#include "interp/Parameters.h"
#include "teach/comparison/ComparisonTexts.h"
#include "teach/comparison/MethodTrial.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QTableWidget;

namespace tarvo::app {

class FeedPlot;
class StaircasePlot;

// 方法对比: a window beside the main one, never modal, that runs the
// editor's program twice on machines nobody watches, under two choices of
// methods, and sets the results side by side: both staircases over the ideal
// path, a table of figures move by move with their sum (the rapids listed
// apart, outside the sum), and the resultant feed of every iteration. The
// runs go on another thread a slice at a time, so the main window never
// waits; 取消 stops them between slices.
class MethodCompareDialog : public QDialog {
    Q_OBJECT

public:
    using Trials = std::array<std::unique_ptr<teach::MethodTrial>, 2>;

    // program and parameters: what a Run would start from now.
    MethodCompareDialog(std::function<std::string()> program,
                        std::function<interp::Parameters()> parameters, QWidget* parent = nullptr);
    ~MethodCompareDialog() override;

    // Brought up from the teaching menu: shown on top, within its screen.
    void present();
    // Timer ticks a run may take before it is cut short.
    static constexpr std::uint64_t tickLimit = teach::comparisonTickLimit;

private:
    struct Picker {
        QComboBox* method;
        QCheckBox* halfLoad;
        motion::MethodChoice choice() const;
    };

    Picker buildPicker(int which, motion::Interpolation method);
    void compare();
    void cancel();
    void finished();
    void showResult();
    void sayTexts(QLabel& lesson);
    void fillTable();
    void fillRows(int row, const QString& move, const std::array<const teach::MethodFigures*, 2>& f,
                  bool apart);

    std::function<std::string()> program_;
    std::function<interp::Parameters()> parameters_;
    std::array<Picker, 2> pickers_;
    std::array<motion::MethodChoice, 2> choices_{};  // of the comparison shown
    std::array<QString, 2> names_;
    QPushButton* compare_;
    QPushButton* cancel_;
    QLabel* notice_;
    StaircasePlot* staircases_;
    QTableWidget* table_;
    FeedPlot* feeds_;
    std::atomic<bool> cancelled_ = false;
    QFutureWatcher<void> watcher_;
    Trials trials_;
};

}  // namespace tarvo::app
