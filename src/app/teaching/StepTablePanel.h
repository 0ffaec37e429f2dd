#pragma once

#include <QWidget>
#include <cstdint>
#include <optional>

class QCheckBox;
class QLabel;
class QPushButton;
class QTableView;

namespace tarvo::teach {
class StepTable;
}
namespace tarvo::app {

class Prompts;
class StepTableModel;
class TableAnswers;

// "插补过程表": every interpolation iteration of the run as a textbook lists
// it, in pulses and the textbook's four beats, the rows of the segment under
// way shaded, with a line naming that segment, a switch to the machine's raw
// registers and a button that exports the kept rows as CSV. It looks at the
// table from a timer, about twenty-five times a second and only while shown,
// so the machine's clock never waits for it. It keeps the newest row in view
// unless the user has scrolled away from the bottom.
class StepTablePanel : public QWidget {
    Q_OBJECT

public:
    StepTablePanel(const teach::StepTable& table, Prompts& prompts, QWidget* parent = nullptr);

    // What the timer does: takes in the rows made since the last look.
    void refresh();
    bool following() const { return follow_; }
    // "导出CSV...": asks for a file name and writes every kept row to it.
    void exportCsv();

    QTableView& view() { return *view_; }
    QPushButton& exportButton() { return *export_; }
    QCheckBox& registersSwitch() { return *registers_; }
    // 先答后看: its switch, count and question.
    TableAnswers& answers() { return *answers_; }
    // The window made a single step, which began with the step table's end
    // at `from`: with 先答后看 on, the rows it made wait for their answers.
    void stepped(std::uint64_t from);
    // The window starts a fresh run; a step back's replay is none.
    void freshRun();
    // The window stepped back: the answers of the rows gone back over go.
    void steppedBack();
    QString caption() const;

    // Selects the row of a step table serial and brings it into view, for a
    // step selected elsewhere; none, or a row no longer kept, clears the
    // selection. It is not told back through stepChosen.
    void selectSerial(std::optional<std::uint64_t> serial);

    // Every column side by side, and ten rows, or at least four.
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    // The user made a row current, with a click or the keys: its serial.
    void stepChosen(std::uint64_t serial);

private:
    void keepSelectionThroughResets();
    void showSelected(std::optional<std::uint64_t> serial);
    void sizeColumns();
    void showCaption();
    QSize sizeForRows(int rows) const;

    const teach::StepTable& table_;
    Prompts& prompts_;
    StepTableModel* model_;
    QTableView* view_;
    QLabel* caption_;
    QCheckBox* registers_;
    TableAnswers* answers_;
    QPushButton* export_;
    bool follow_ = true;                     // the view stays on the newest row
    bool quiet_ = false;                     // the current row changes by the panel's own doing
    std::optional<std::uint64_t> selected_;  // the row selected while the model resets
    int columnsWidth_ = 0;                   // every column at the width it was sized to
};

}  // namespace tarvo::app
