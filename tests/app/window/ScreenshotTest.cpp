#include <QTemporaryDir>
#include <QTest>

#include "app/panels/ViewStack.h"
#include "app/support/Pictures.h"
#include "app/support/WindowUnderTest.h"

namespace tarvo::app {

// The window on a real X server after the sample run; the pictures stay in the build folder.
class ScreenshotTest : public QObject {
    Q_OBJECT

private slots:
    // The plan view shows the white rapid moves and axes and the yellow cuts.
    void samplePlanView() {
        QVERIFY(t_.enterHome() && t_.openWindow() && runsToEnd(*t_.window));
        QTest::qWait(100);
        QVERIFY(saveArtefact(*t_.window, QStringLiteral("sample-run.png")));
        const QImage plan =
            t_.window->viewStack().linep().grab().toImage().convertToFormat(QImage::Format_RGB32);
        QVERIFY(count(plan, qRgb(64, 64, 64)) > plan.width() * plan.height() / 2);
        QVERIFY(count(plan, qRgb(255, 255, 0)) > 50);     // G01, G02, G03
        QVERIFY(count(plan, qRgb(255, 255, 255)) > 200);  // axes and the G00 moves
        QVERIFY(t_.prompts->log.isEmpty());
    }

private:
    WindowUnderTest t_;
};

}  // namespace tarvo::app

QTEST_MAIN(tarvo::app::ScreenshotTest)
#include "ScreenshotTest.moc"
