#include <QAbstractItemModel>
#include <QAbstractItemModelTester>
#include <QAction>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QScrollBar>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

#include "WindowUnderTest.h"
#include "app/MainWindow.h"
#include "app/Settings.h"
#include "app/StepTableModel.h"
#include "app/StepTablePanel.h"
#include "interp/Machine.h"
#include "interp/StepTable.h"
#include "support/Programs.h"
#include "support/RecordingPanel.h"

namespace tarvo::app {

// The interpolation table in its dock of the real window, offscreen.
class StepTablePanelTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(useScratchHome(home_)); }

    // Opened from the teaching menu, it fills during the run and follows the
    // newest row unless scrolled up; at the end it holds all 168 iterations
    // of the sample, and its export writes them, or says why it could not.
    void followsTheRunAndExports() {
        ScriptedPrompts prompts;
        MainWindow window(settings_, &prompts);
        QVERIFY(showOnScreen(window));
        auto* opened = openTeachingPanel<StepTablePanel>(window, QStringLiteral("stepTableDock"),
                                                         QStringLiteral("插补过程表"));
        QVERIFY(opened);
        StepTablePanel& panel = *opened;
        const QAbstractItemModel& rows = *panel.view().model();
        QScrollBar& bar = *panel.view().verticalScrollBar();

        window.runCommand();
        QTRY_VERIFY(rows.rowCount() > 0);
        window.pauseCommand();
        for (int i = 0; i < 60; ++i) window.menus().mnustepStep->trigger();
        panel.refresh();
        QTRY_VERIFY(bar.maximum() > 0 && bar.value() == bar.maximum());
        bar.setValue(0);
        const int shown = rows.rowCount();
        for (int i = 0; i < 3; ++i) window.menus().mnustepStep->trigger();
        panel.refresh();
        QCOMPARE(rows.rowCount(), shown + 3);
        QTest::qWait(100);
        QVERIFY(!panel.following() && bar.value() == 0);
        bar.setValue(bar.maximum());

        window.runCommand();
        QTRY_VERIFY_WITH_TIMEOUT(window.machine().idle(), 10000);
        panel.refresh();
        QCOMPARE(rows.rowCount(), 168);
        QTRY_VERIFY(bar.value() == bar.maximum() && panel.following());
        QCOMPARE(panel.caption(),
                 QStringLiteral("第8行 G00 数字积分 regmax=32，第32步；表中共168行"));

        QTemporaryDir folder;
        const QString taken = folder.filePath(QStringLiteral("taken.csv"));  // a folder
        QVERIFY(QDir().mkdir(taken));
        prompts.names << folder.filePath(QStringLiteral("table")) << taken;
        panel.exportButton().click();
        QFile csv(folder.filePath(QStringLiteral("table.csv")));
        QVERIFY(csv.open(QIODevice::ReadOnly));
        const QList<QByteArray> lines = csv.readAll().split('\n');
        QCOMPARE(lines.size(), 170);  // the header, 168 rows, nothing after the last line feed
        QVERIFY(lines[0].startsWith("line,step,method,"));
        panel.exportButton().click();
        QCOMPARE(prompts.log.last(),
                 QStringLiteral("保存失败: 无法保存文件：") + QDir::toNativeSeparators(taken));
    }

    // Rows dropped at the bound leave the front, a fresh run empties the
    // table, and the shading moves to the segment under way, every change
    // announced as a view expects it.
    void modelFollowsTheBoundAndFreshRuns() {
        test::RecordingPanel machinePanel;
        interp::Machine machine(machinePanel);
        interp::StepTable table(machine, 10);
        StepTableModel model(table);
        QAbstractItemModelTester tester(&model,
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);
        const auto shaded = [&model](int row) {
            return model.index(row, 0).data(Qt::BackgroundRole).isValid();
        };
        machine.run(test::sampleProgram, {});
        while (table.endSerial() < 14) machine.advance();  // G00 X10 Y10, iteration 14
        model.refresh();
        QCOMPARE(model.rowCount(), 10);
        QCOMPARE(model.index(9, StepTableModel::Step).data().toString(), QStringLiteral("14"));
        while (table.endSerial() < 18) machine.advance();  // G01 X30, iteration 2
        model.refresh();
        QCOMPARE(model.index(9, StepTableModel::Decision).data().toString(),
                 QStringLiteral("jrx ≥ 32"));
        QVERIFY(!shaded(7) && shaded(8) && shaded(9));
        machine.run(test::sampleProgram, {});
        model.refresh();
        QCOMPARE(model.rowCount(), 0);
    }

private:
    QTemporaryDir home_;  // the settings store, never the user's own
    Settings settings_;
};

}  // namespace tarvo::app

QTEST_MAIN(tarvo::app::StepTablePanelTest)
#include "StepTablePanelTest.moc"
