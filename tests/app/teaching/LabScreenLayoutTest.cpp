#include <QCheckBox>
#include <QDockWidget>
#include <QHeaderView>
#include <QLabel>
#include <QScrollBar>
#include <QTableView>
#include <QTest>

#include "app/base/FittedText.h"
#include "app/panels/ViewStack.h"
#include "app/support/WindowUnderTest.h"
#include "app/teaching/SelectedStep.h"
#include "app/teaching/StepRing.h"
#include "app/teaching/StepTablePanel.h"
#include "app/teaching/TimingDiagram.h"
#include "app/teaching/TimingStrip.h"
#include "app/window/MethodMenu.h"

namespace tarvo::app {

namespace {

// Rows of the table shown whole, top to bottom.
int wholeRows(const QTableView& table) {
    return table.viewport()->height() / table.verticalHeader()->defaultSectionSize();
}

bool everyColumnShows(const QTableView& table) {
    return !table.horizontalScrollBar()->isVisible() &&
           table.horizontalHeader()->length() <= table.viewport()->width();
}

// The texts of the labels shown in a window and its docks that their room cuts off.
QStringList clippedLabels(const QWidget& window) {
    QStringList clipped;
    for (const QLabel* label : window.findChildren<QLabel*>()) {
        if (!label->isVisibleTo(&window) || label->text().isEmpty()) continue;
        const QSize room = label->contentsRect().size();
        const QSize needed = label->wordWrap() ? QSize(0, label->heightForWidth(label->width()))
                                               : label->fontMetrics().size(0, label->text());
        if (needed.width() > room.width() || needed.height() > room.height()) {
            clipped << label->text();
        }
    }
    return clipped;
}

}  // namespace

// The teaching panels on a classroom's 1366 × 768 screen, offscreen.
class LabScreenLayoutTest : public QObject {
    Q_OBJECT

public:
    static void initMain() { onASmallScreen(); }

private slots:
    void initTestCase() { QVERIFY(t_.enterHome()); }

    void init() {
        QVERIFY(t_.openWindow());
        teachingItem(*t_.window, QStringLiteral("脉冲时序图"))->trigger();
        teachingItem(*t_.window, QStringLiteral("插补过程表"))->trigger();
        table_ = t_.window->findChild<QDockWidget*>(QStringLiteral("stepTableDock"));
        timing_ = t_.window->findChild<QDockWidget*>(QStringLiteral("timingDock"));
        QVERIFY(table_ && timing_ && table_->isVisible() && timing_->isVisible());
        QVERIFY(!table_->isFloating() && !timing_->isFloating());
    }

    void cleanup() { t_.window.reset(); }

    // From the default size, or maximised: ten rows with every column, beside the timing diagram,
    // and nothing of the window's labels cut off; the window stays on the screen.
    void bothPanelsShowTenRowsWithEveryColumn() {
        MainWindow& w = *t_.window;
        QVERIFY(runsToEnd(w));
        QTest::qWait(100);  // the panels take in the run
        QVERIFY(w.screen()->availableGeometry().contains(w.frameGeometry()));
        for (bool maximised : {false, true}) {
            if (maximised) w.showMaximized();
            QTest::qWait(50);
            QVERIFY2(wholeRows(view()) >= 10, qPrintable(QString::number(wholeRows(view()))));
            QVERIFY(everyColumnShows(view()));
            QVERIFY2(clippedLabels(w).isEmpty(), qPrintable(clippedLabels(w).join('|')));
            QVERIFY(w.viewStack().linep().width() >= 100);
        }
    }

    // Floated and docked again, each panel gets its room back, and the table its ten rows.
    void dockingAgainGivesTheLayoutBack() {
        for (QDockWidget* dock : {table_, timing_}) {
            dock->setFloating(true);
            QTest::qWait(50);
            dock->setFloating(false);
            QTest::qWait(50);
            QVERIFY(!dock->isFloating() && dock->isVisible());
            QVERIFY2(wholeRows(view()) >= 10, qPrintable(QString::number(wholeRows(view()))));
            QVERIFY(everyColumnShows(view()));
            QVERIFY(timing_->width() >= timing_->minimumSizeHint().width());
        }
    }

    // The separator above the table moves both ways: down to four rows, and up again.
    void theSeparatorGivesTheTableMoreOrLess() {
        MainWindow& w = *t_.window;
        const int ten = table_->height();
        w.resizeDocks({table_}, {ten - 200}, Qt::Vertical);
        QTest::qWait(50);
        QVERIFY(wholeRows(view()) >= 4 && wholeRows(view()) < 10);
        QVERIFY(w.viewStack().linep().height() > 200);
        w.resizeDocks({table_}, {ten}, Qt::Vertical);
        QTest::qWait(50);
        QVERIFY(wholeRows(view()) >= 10);
        w.resizeDocks({table_}, {40}, Qt::Vertical);
        QTest::qWait(50);
        QCOMPARE(wholeRows(view()), 4);
    }

    // The row selected stays selected and in view, and the ring and the timing cursor on its
    // step, through every switch of the table's columns.
    void theSelectionSurvivesTheColumnsSwitch() {
        MainWindow& w = *t_.window;
        QVERIFY(runsToEnd(w));
        panel().refresh();
        const QModelIndex third = view().model()->index(2, 1);
        QTest::mouseClick(view().viewport(), Qt::LeftButton, {}, view().visualRect(third).center());
        const auto selected = [this] {
            return view().selectionModel()->selectedRows().size() == 1 &&
                   view().selectionModel()->isRowSelected(2) && view().currentIndex().row() == 2;
        };
        QVERIFY(selected());
        auto* ring = w.viewStack().linep().findChild<StepRing*>();
        TimingStrip& strip = w.findChild<TimingDiagram*>()->strip();
        const std::uint64_t tick = strip.cursorTick();
        for (int i = 0; i < 3; ++i) {
            panel().registersSwitch().click();
            QVERIFY(selected());
            QCOMPARE(w.selectedStep().serial(), std::optional<std::uint64_t>(2));
            QVERIFY(ring->isVisible() && strip.cursorPinned() && strip.cursorTick() == tick);
            QVERIFY(view().viewport()->rect().intersects(view().visualRect(third)));
        }
    }

    // The caption names the method as its menu item does, the register width and 半加载.
    void theCaptionNamesMethodWidthAndHalfLoad() {
        MainWindow& w = *t_.window;
        QCOMPARE(panel().caption(), QStringLiteral("运行程序后，这里逐步列出插补过程"));
        w.methodMenu().integration->trigger();
        w.methodMenu().halfLoad->trigger();
        QVERIFY(runsToEnd(w));
        panel().refresh();
        // The last move, G00 X-10 Y-10 from X 10 Y 10: 20 pulses each way, 32 the least
        // power of two above.
        QVERIFY2(panel().caption().startsWith(
                     w.methodMenu().integration->text() +
                     QStringLiteral("：第8行 G00 数字积分 半加载 N = 5 位，第32步；表中共")),
                 qPrintable(panel().caption()));
        w.methodMenu().halfLoad->trigger();
        w.methodMenu().comparison->trigger();
        QVERIFY(runsToEnd(w));
        panel().refresh();
        QVERIFY2(panel().caption().startsWith(w.methodMenu().comparison->text() +
                                              QStringLiteral("：第8行 G00 逐点比较，第40步")),
                 qPrintable(panel().caption()));
        w.methodMenu().machine->trigger();
    }

    // A read-out that fits stays one line; a pixel too wide, it breaks between its parts and
    // never inside one, a part wider than the room standing alone on its line.
    void readoutsBreakBetweenTheirParts() {
        const QFontMetrics metrics(t_.window->font());
        const QString first = QStringLiteral("偏差：本段 0.00 脉冲 (0.000 mm)");
        const QString second = QStringLiteral("全程 1.00 脉冲 (1.000 mm)");
        const QString text = first + QStringLiteral("  ") + second;
        const QString gap = QStringLiteral("  ");
        const int whole = metrics.horizontalAdvance(text);
        QCOMPARE(fittedText(text, gap, metrics, whole), text);
        QCOMPARE(fittedText(text, gap, metrics, whole - 1), first + '\n' + second);
        const int part = metrics.horizontalAdvance(first);
        QCOMPARE(fittedText(text, gap, metrics, part - 1), first + '\n' + second);
        const QString words = QStringLiteral("X -10.000  Y -10.000");
        QCOMPARE(fittedText(words, QStringLiteral(" "), metrics,
                            metrics.horizontalAdvance(QStringLiteral("X -10.000 Y"))),
                 QStringLiteral("X -10.000 Y\n-10.000"));
        QCOMPARE(fittedText(words, QStringLiteral(" "), metrics, 1),
                 QStringLiteral("X\n-10.000\nY\n-10.000"));
    }

private:
    StepTablePanel& panel() { return *qobject_cast<StepTablePanel*>(table_->widget()); }
    QTableView& view() { return panel().view(); }

    WindowUnderTest t_;
    QDockWidget* table_ = nullptr;
    QDockWidget* timing_ = nullptr;
};

}  // namespace tarvo::app

QTEST_MAIN(tarvo::app::LabScreenLayoutTest)
#include "LabScreenLayoutTest.moc"
