#include "app/editor/EditorFrame.h"
#include "app/editor/ProgramEditor.h"
#include "app/panels/ViewStack.h"
#include "app/support/WindowUnderTest.h"
#include "render/RasterCanvas.h"
#include "views/PulseGrid.h"

namespace tarvo::app {

// The plan view lays the pulse grid under its path once a pulse is wide
// enough to see, and none when it would be a grey wash.
class PulseGridTest : public QObject {
    Q_OBJECT

private:
    // The plan view's pixels the grid takes after a small program ran
    // at magnification `bei` and pulse equivalent `dl`.
    int gridPixelsAfterRun(const QString& bei, const QString& dl, const QString& program) {
        WindowUnderTest t;
        if (!t.enterHome()) return -1;
        t.settings.setParameterTexts("0", "0", "0", bei, dl);
        if (!t.openWindow()) return -1;
        t.window->editorFrame().filetxt().setPlainText(program);
        if (!runsToEnd(*t.window)) return -1;
        const QImage plan =
            t.window->viewStack().linep().grab().toImage().convertToFormat(QImage::Format_RGB32);
        // Left in the build folder to look at.
        plan.save(qEnvironmentVariable("TARVO_ARTEFACTS") + "/plan-grid-" + bei + "-" + dl +
                  ".png");
        // The canvas's own picture has no grid: where the view differs from
        // it, the view shows the grid (or a label's edge blended over it).
        const QImage drawn = t.window->linep().snapshot(plan.width());
        const QRgb grid = views::pixelOf(views::pulseGridColour);
        int count = 0;
        for (int y = 0; y < plan.height(); ++y) {
            for (int x = 0; x < plan.width(); ++x) {
                count += plan.pixel(x, y) != drawn.pixel(x, y) && plan.pixel(x, y) == grid;
            }
        }
        return count;
    }

private slots:
    void initTestCase() { onASmallScreen(); }

    // At 1 mm and magnification 10 a pulse is some 14 pixels or more on a lab
    // screen: lines cross the whole view; at magnification 1 none, nor at 0.001 mm
    // even at the greatest magnification (1.4 px a pulse). Where the grid's lines
    // fall is the views' own (views/PulseGridTest).
    void gridAtAWidePulseOnly() {
        const QString line = QStringLiteral("%\nG90G01X0.3Y0.2F500\n%\n");
        QVERIFY(gridPixelsAfterRun("10", "1", line) > 1000);
        QCOMPARE(gridPixelsAfterRun("1", "1", line), 0);
        QCOMPARE(gridPixelsAfterRun("1000", "0.001", line), 0);
    }
};

}  // namespace tarvo::app

QTEST_MAIN(tarvo::app::PulseGridTest)
#include "PulseGridTest.moc"
