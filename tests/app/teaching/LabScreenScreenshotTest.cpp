#include <QDockWidget>
#include <QHeaderView>
#include <QScrollBar>
#include <QTableView>
#include <QTest>

#include "app/support/Pictures.h"
#include "app/support/WindowUnderTest.h"
#include "app/teaching/SelectedStep.h"
#include "app/teaching/StepTablePanel.h"

namespace tarvo::app {

// Both teaching panels and the ideal path open on a lab screen of 1366 × 768, after the sample
// run, a row of line 8 selected; the picture stays in the build folder.
class LabScreenScreenshotTest : public QObject {
    Q_OBJECT

private slots:
    void bothPanelsOnALabScreen() {
        QVERIFY(t_.enterHome() && t_.openWindow());
        MainWindow& w = *t_.window;
        teachingItem(w, QStringLiteral("脉冲时序图"))->trigger();
        teachingItem(w, QStringLiteral("插补过程表"))->trigger();
        teachingItem(w, QStringLiteral("显示理想轨迹"))->trigger();
        QVERIFY(runsToEnd(w));
        auto* panel = w.findChild<StepTablePanel*>();
        QTableView& table = panel->view();
        panel->refresh();
        w.selectedStep().select(150);
        QTest::qWait(200);
        QVERIFY(saveArtefact(w, QStringLiteral("lab-screen.png")));
        QVERIFY2(table.viewport()->height() / table.verticalHeader()->defaultSectionSize() >= 10,
                 qPrintable(QString::number(table.viewport()->height())));
        QVERIFY(!table.horizontalScrollBar()->isVisible());
    }

private:
    WindowUnderTest t_;
};

}  // namespace tarvo::app

QTEST_MAIN(tarvo::app::LabScreenScreenshotTest)
#include "LabScreenScreenshotTest.moc"
