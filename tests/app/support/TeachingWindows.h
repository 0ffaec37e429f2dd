#pragma once

#include <QCheckBox>
#include <QDockWidget>
#include <QHeaderView>
#include <QLineEdit>
#include <QScrollBar>
#include <QTableView>
#include <QTest>

#include "app/support/Widgets.h"
#include "app/support/WindowUnderTest.h"
#include "app/teaching/ExercisePanel.h"
#include "app/teaching/MethodCompareDialog.h"
#include "app/teaching/SelectedStep.h"
#include "app/teaching/StepTablePanel.h"
#include "teach/exercises/Exercise.h"
#include "teach/exercises/ExerciseCode.h"
#include "teach/exercises/ExerciseGrading.h"

namespace tarvo::app {

// The window a teaching menu item brings up, shown; null without the item or the window.
template <class Window>
Window* openFromTeachingMenu(MainWindow& window, const QString& caption) {
    QAction* item = teachingItem(window, caption);
    if (!item) return nullptr;
    item->trigger();
    auto* shown = window.findChild<Window*>();
    return shown && QTest::qWaitForWindowExposed(shown) ? shown : nullptr;
}

// Presses Compare and waits for both runs; false if they never end.
[[nodiscard]] inline bool compares(const MethodCompareDialog& dialog) {
    auto* compare = &named<QPushButton>(dialog, "compare");
    QTest::mouseClick(compare, Qt::LeftButton);
    return QTest::qWaitFor([compare] { return compare->isEnabled(); }, 10000);
}

// A student's name, number and code typed, and 开始 pressed.
inline void startExercises(ExercisePanel& panel, const QString& name, const QString& number,
                           const QString& code) {
    named<QLineEdit>(panel, "studentName").setText(name);
    named<QLineEdit>(panel, "studentNumber").setText(number);
    named<QLineEdit>(panel, "exerciseCode").setText(code);
    press(panel, "startExercises");
}

// An iteration answered right as the code's own steppers step it; the new deviation left
// empty unless `typed`.
inline void answer(ExercisePanel& panel, const motion::PulseIteration& iteration,
                   bool typed = true) {
    if (const auto* step = std::get_if<motion::ComparisonStep>(&iteration)) {
        named<QLineEdit>(panel, "newDeviation")
            .setText(typed ? QString::number(step->fAfter) : QString());
        press(panel, ("feed" + teach::pulseFeedText(step->feed)).c_str());
        return;
    }
    const auto& step = std::get<motion::IntegrationStep>(iteration);
    const auto boxes = panel.findChildren<QCheckBox*>();
    boxes[0]->setChecked(step.overflowX);
    boxes[1]->setChecked(step.overflowY);
    press(panel, "submitOverflow");
}

// The round of K7M3Q answered right to its score, its first exercise from `first` on.
inline void answerToTheScore(ExercisePanel& panel, motion::PulseStepper first) {
    const auto exercises = teach::ExerciseCode("K7M3Q").exercises();
    for (std::size_t e = 0; e < exercises.size(); ++e) {
        for (motion::PulseStepper s = e == 0 ? first : exercises[e].stepper(); !s.finished();) {
            answer(panel, s.next());
        }
        press(panel, "nextExercise");
    }
}

// Ten rows of the table shown whole, and every column side by side.
[[nodiscard]] inline bool tenRowsWithEveryColumn(const QTableView& table) {
    return table.viewport()->height() / table.verticalHeader()->defaultSectionSize() >= 10 &&
           !table.horizontalScrollBar()->isVisible() &&
           table.horizontalHeader()->length() <= table.viewport()->width();
}

// The lab screen: the teaching menu's three items of these captions (the timing diagram, the
// table, the ideal path) on, the sample run, the 151st row (line 8) selected; the table, or
// null without an item or an end.
inline StepTablePanel* showTheLabScreen(MainWindow& w, const QStringList& captions) {
    for (const QString& caption : captions) {
        QAction* item = teachingItem(w, caption);
        if (!item) return nullptr;
        item->trigger();
    }
    if (!runsToEnd(w)) return nullptr;
    auto* panel = w.findChild<StepTablePanel*>();
    panel->refresh();
    w.selectedStep().select(150);
    QTest::qWait(200);
    return panel;
}

}  // namespace tarvo::app
