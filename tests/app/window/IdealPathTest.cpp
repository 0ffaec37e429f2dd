#include <QAction>
#include <QImage>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>

#include "Pictures.h"
#include "WindowUnderTest.h"
#include "app/EditorFrame.h"
#include "app/MainWindow.h"
#include "app/PathOverlay.h"
#include "app/ProgramEditor.h"
#include "app/Settings.h"
#include "app/ViewStack.h"
#include "interp/Machine.h"

namespace tarvo::app {

// After the sample run: the exact path over the plan view, and the steps of
// a clicked line, both gone again when switched off or when the text changes.
class IdealPathTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(useScratchHome(home_)); }

    void overlayAndClickedLineOnThePlanView() {
        ScriptedPrompts prompts;
        MainWindow window(settings_, &prompts);
        QVERIFY(showOnScreen(window));
        QAction* ideal = teachingItem(window, QStringLiteral("显示理想轨迹"));
        QAction* steps = teachingItem(window, QStringLiteral("突出所选行的步点"));
        QVERIFY(ideal && steps && !ideal->isChecked() && !steps->isChecked());
        window.runCommand();
        QTRY_VERIFY_WITH_TIMEOUT(window.machine().idle(), 10000);
        ViewWidget& plan = window.viewStack().linep();
        const auto pixels = [&plan](QRgb colour) { return count(plan.grab().toImage(), colour); };
        QCOMPARE(pixels(PathOverlay::idealColour), 0);

        ideal->trigger();
        QVERIFY(pixels(PathOverlay::idealColour) > 100);
        auto* overlay = plan.findChild<PathOverlay*>();
        QCOMPARE(overlay->readout(), QStringLiteral("偏差：本段 0.00 脉冲 (0.000 mm)  全程 1.00 "
                                                    "脉冲 (1.000 mm)"));

        steps->trigger();
        QPlainTextEdit& text = window.editorFrame().filetxt();
        const QRect g03 = text.cursorRect(QTextCursor(text.document()->findBlockByNumber(3)));
        QTest::mouseClick(text.viewport(), Qt::LeftButton, {}, g03.center());
        QCOMPARE(overlay->line(), 4);
        QVERIFY(pixels(PathOverlay::stepsColour) > 50);
        QVERIFY(overlay->readout().startsWith(QStringLiteral("偏差：第4行 1.00 脉冲")));
        QVERIFY(saveArtefact(window, QStringLiteral("ideal-path.png")));

        text.textCursor().insertText(QStringLiteral(" "));
        QCOMPARE(overlay->line(), 0);
        QCOMPARE(pixels(PathOverlay::stepsColour), 0);
        QTest::mouseClick(text.viewport(), Qt::LeftButton, {}, g03.center());
        QCOMPARE(overlay->line(), 0);  // the lines may no longer be the run's

        ideal->trigger();
        QCOMPARE(pixels(PathOverlay::idealColour), 0);
        QVERIFY(prompts.log.isEmpty());
    }

private:
    QTemporaryDir home_;
    Settings settings_;
};

}  // namespace tarvo::app

QTEST_MAIN(tarvo::app::IdealPathTest)
#include "IdealPathTest.moc"
