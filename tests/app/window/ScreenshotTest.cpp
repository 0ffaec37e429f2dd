#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

#include "app/panels/ViewStack.h"
#include "app/support/Pictures.h"
#include "app/support/WindowUnderTest.h"
#include "app/teaching/StepTablePanel.h"
#include "app/teaching/TimingDiagram.h"

namespace tarvo::app {

// The window on a real X server after the sample run; the pictures stay in the build folder.
class ScreenshotTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(t_.enterHome()); }

    void init() { QVERIFY(t_.openWindow()); }

    void cleanup() {
        QVERIFY(t_.prompts->log.isEmpty());
        t_.window.reset();
    }

    // The plan view shows the white rapid moves and axes and the yellow cuts.
    void samplePlanView() {
        QVERIFY(runsToEnd(*t_.window));
        QTest::qWait(100);
        QVERIFY(saveArtefact(*t_.window, QStringLiteral("sample-run.png")));
        const QImage plan =
            t_.window->viewStack().linep().grab().toImage().convertToFormat(QImage::Format_RGB32);
        QVERIFY(count(plan, qRgb(64, 64, 64)) > plan.width() * plan.height() / 2);
        QVERIFY(count(plan, qRgb(255, 255, 0)) > 50);     // G01, G02, G03
        QVERIFY(count(plan, qRgb(255, 255, 255)) > 200);  // axes and the G00 moves
    }

    // Both teaching panels open and a row of the table clicked: its step ringed in the plan
    // view, the timing diagram's cursor on its tick, the caret on its line.
    void sampleLinkedSelection() {
        auto* table = openTeachingPanel<StepTablePanel>(*t_.window, QStringLiteral("stepTableDock"),
                                                        QStringLiteral("插补过程表"));
        auto* diagram = openTeachingPanel<TimingDiagram>(*t_.window, QStringLiteral("timingDock"),
                                                         QStringLiteral("脉冲时序图"));
        QVERIFY(table && diagram);
        QVERIFY(runsToEnd(*t_.window));
        table->refresh();
        QTableView& rows = table->view();
        rows.scrollTo(rows.model()->index(40, 0));
        QTest::mouseClick(rows.viewport(), Qt::LeftButton, {},
                          rows.visualRect(rows.model()->index(40, 1)).center());
        QVERIFY(diagram->readout().startsWith(QStringLiteral("光标  节拍 ")));
        QTest::qWait(200);
        QVERIFY(saveArtefact(*t_.window, QStringLiteral("linked-selection.png")));
    }

private:
    WindowUnderTest t_;
};

}  // namespace tarvo::app

QTEST_MAIN(tarvo::app::ScreenshotTest)
#include "ScreenshotTest.moc"
