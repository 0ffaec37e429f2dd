#include "app/base/FittedText.h"
#include "app/editor/EditorFrame.h"
#include "app/panels/ViewStack.h"
#include "app/support/Pictures.h"
#include "app/support/TeachingWindows.h"
#include "app/teaching/PathOverlay.h"
#include "app/teaching/RowQuestion.h"
#include "app/teaching/StepRing.h"
#include "app/teaching/StepTableModel.h"
#include "app/teaching/TableAnswers.h"
#include "app/teaching/TimingDiagram.h"
#include "app/teaching/TimingStrip.h"
#include "app/window/MethodMenu.h"
#include "support/Programs.h"
#include "support/RecordingPanel.h"
#include "teach/table/StepTable.h"
#include "teach/table/TextbookColumns.h"

namespace tarvo::app {

namespace {

void turnWheel(TimingStrip& strip, int eighths, Qt::KeyboardModifiers modifiers) {
    const QPointF at(strip.width() / 2.0, strip.height() / 2.0);
    QWheelEvent wheel(at, strip.mapToGlobal(at), {}, {0, eighths}, Qt::NoButton, modifiers,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(&strip, &wheel);
}

// The point of the strip where a tick is drawn, on the X pulse row.
QPoint pointOf(const TimingStrip& strip, std::uint64_t tick) {
    const int y = strip.height() / 4;
    for (int x = 0; x < strip.width(); ++x) {
        if (strip.tickAt({x, y}) == tick) return {x, y};
    }
    return {};
}

// The middle of the box that holds every pixel of a colour; (-1, -1) without any.
QPointF middleOf(const QImage& image, QRgb colour) {
    QRect box;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixel(x, y) == colour) box |= QRect(x, y, 1, 1);
        }
    }
    return box.isNull() ? QPointF(-1, -1) : QRectF(box).center();
}

void hover(TimingStrip& strip, QPoint point) {
    QMouseEvent move(QEvent::MouseMove, point, strip.mapToGlobal(point), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(&strip, &move);
}

}  // namespace

// The teaching panels on the real window, offscreen, on a classroom's 1366 × 768 screen.
class TeachingPanelsTest : public QObject {
    Q_OBJECT

public:
    static void initMain() { onASmallScreen(); }

private slots:
    void initTestCase() { QVERIFY(t_.enterHome()); }

    void init() { QVERIFY(t_.openWindow()); }

    void cleanup() { t_.window.reset(); }

    // The diagram follows the run; paused, it stays where scrolled; its cursor reads out tick 9.
    void timingDiagramFollowsFreezesAndReadsOut() {
        auto* diagram = openTeachingPanel<TimingDiagram>(*t_.window, QStringLiteral("timingDock"),
                                                         QStringLiteral("脉冲时序图"));
        QVERIFY(diagram);
        TimingStrip& strip = diagram->strip();
        QScrollBar& scroll = diagram->scrollBar();
        turnWheel(strip, 4 * 120, Qt::ControlModifier);  // zoomed in: fewer ticks than the run
        QVERIFY(strip.visibleTicks() < 100);
        const interp::Machine& m = t_.window->machine();
        t_.window->runCommand();
        QTRY_VERIFY(test::ticksOf(m) > 200);
        diagram->refresh();
        QVERIFY(diagram->following() && !scroll.isEnabled());
        QCOMPARE(strip.rightTick(), test::ticksOf(m));

        t_.window->pauseCommand();
        diagram->refresh();
        QVERIFY(scroll.isEnabled());
        const std::uint64_t newest = strip.rightTick();
        scroll.setValue(scroll.value() - 20);
        QCOMPARE(strip.rightTick(), newest - 20);
        turnWheel(strip, 120, Qt::NoModifier);
        QVERIFY(strip.rightTick() < newest - 20 && !diagram->following());
        const std::uint64_t frozen = strip.rightTick();
        for (int i = 0; i < 3; ++i) t_.window->menus().stepTick->trigger();
        diagram->refresh();
        QCOMPARE(strip.rightTick(), frozen);

        scroll.setValue(scroll.minimum());
        QCOMPARE(strip.leftTick(), std::uint64_t{1});
        const QString first = QStringLiteral(
            "光标  节拍 9（插补）  第2行  X 1.000  Y 1.000  Z 60.000  输出 00001000");
        hover(strip, pointOf(strip, 9));
        QCOMPARE(diagram->readout(), first);
        QTest::mouseClick(&strip, Qt::LeftButton, {}, pointOf(strip, 9));  // pinned
        hover(strip, pointOf(strip, 12));
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(&strip, &leave);
        QVERIFY(strip.cursorPinned());
        QCOMPARE(diagram->readout(), first);
        t_.window->runCommand();
        diagram->refresh();
        QVERIFY(diagram->following());
    }

    // From the default size, or maximised: ten rows with every column beside the timing diagram,
    // its read-out once and whole, nothing of the window's labels cut off, the window on the
    // screen. Floated and docked again, each panel gets its room back; the separator above the
    // table moves both ways, down to four rows and up again.
    void bothPanelsFitALabScreen() {
        MainWindow& w = *t_.window;
        openBoth();
        QVERIFY(runsToEnd(w));
        QTest::qWait(100);  // the panels take in the run
        QVERIFY(w.screen()->availableGeometry().contains(w.frameGeometry()));
        auto* diagram = qobject_cast<TimingDiagram*>(timing_->widget());
        int readouts = 0;  // on as many lines as the panel's width takes
        for (const QLabel* label : diagram->findChildren<QLabel*>()) {
            readouts +=
                QString(label->text()).replace('\n', QStringLiteral("  ")) == diagram->readout();
        }
        QCOMPARE(readouts, 1);
        for (QDockWidget* dock : {table_, timing_}) {
            dock->setFloating(true);
            QTest::qWait(50);
            dock->setFloating(false);
            QTest::qWait(50);
            QVERIFY(!dock->isFloating() && dock->isVisible());
        }
        const int ten = table_->height();
        w.resizeDocks({table_}, {40}, Qt::Vertical);
        QTest::qWait(50);
        QCOMPARE(wholeRows(), 4);
        w.resizeDocks({table_}, {ten - 200}, Qt::Vertical);
        QTest::qWait(50);
        QVERIFY(wholeRows() >= 4 && wholeRows() < 10);
        QVERIFY(w.viewStack().linep().height() > 200);
        w.resizeDocks({table_}, {ten}, Qt::Vertical);
        for (bool maximised : {false, true}) {
            if (maximised) w.showMaximized();
            QTest::qWait(50);
            QVERIFY(tenRowsWithEveryColumn(panel().view()));
            QVERIFY2(cutOff(w).isEmpty(), qPrintable(cutOff(w).join('|')));
            QVERIFY(w.viewStack().linep().width() >= 100);
            QVERIFY(timing_->width() >= timing_->minimumSizeHint().width());
        }
    }

    // Closed, each panel gives its room back; a panel the window cannot hold even at the
    // screen's size floats.
    void panelsGiveTheirRoomBack() {
        MainWindow& w = *t_.window;
        const QSize central = w.centralWidget()->size();
        openBoth();
        QVERIFY(runsToEnd(w));
        QTest::qWait(100);  // the panels take in the run
        timing_->close();
        QCOMPARE(w.centralWidget()->width(), central.width());
        w.addDockWidget(Qt::TopDockWidgetArea, timing_);  // above the window, the table below
        const QSize size = w.size();
        teachingItem(w, QStringLiteral("脉冲时序图"))->trigger();
        QVERIFY(timing_->isVisible() && timing_->isFloating() && w.size() == size);
        QVERIFY(w.screen()->availableGeometry().contains(timing_->frameGeometry()));
        table_->close();
        QCOMPARE(w.centralWidget()->size(), central);
    }

    // The table follows the newest row unless scrolled up, and exports or says why it could not.
    void stepTableFollowsTheRunAndExports() {
        auto* panel = openTeachingPanel<StepTablePanel>(*t_.window, QStringLiteral("stepTableDock"),
                                                        QStringLiteral("插补过程表"));
        QVERIFY(panel);
        QCOMPARE(panel->caption(), QStringLiteral("运行程序后，这里逐步列出插补过程"));
        const QAbstractItemModel& rows = *panel->view().model();
        QScrollBar& bar = *panel->view().verticalScrollBar();
        t_.window->runCommand();
        t_.window->pauseCommand();
        for (int i = 0; i < 60; ++i) t_.window->menus().stepIteration->trigger();
        panel->refresh();
        QTRY_VERIFY(bar.maximum() > 0 && bar.value() == bar.maximum());
        bar.setValue(0);
        const int shown = rows.rowCount();
        for (int i = 0; i < 3; ++i) t_.window->menus().stepIteration->trigger();
        panel->refresh();
        QCOMPARE(rows.rowCount(), shown + 3);
        QTest::qWait(100);
        QVERIFY(!panel->following() && bar.value() == 0);
        bar.setValue(bar.maximum());

        QVERIFY(runsToEnd(*t_.window));
        panel->refresh();
        QCOMPARE(rows.rowCount(), 168);
        QTRY_VERIFY(bar.value() == bar.maximum() && panel->following());
        QCOMPARE(panel->caption(),
                 QStringLiteral("机床（直线数字积分，圆弧逐点比较）：第8行 G00 数字积分 regmax=32，"
                                "第32步；表中共168行"));

        QTemporaryDir folder;
        const QString taken = folder.filePath(QStringLiteral("taken.csv"));  // a folder
        QVERIFY(QDir().mkdir(taken));
        t_.prompts->names << folder.filePath(QStringLiteral("table")) << taken;
        panel->exportButton().click();
        const QByteArray text = fileBytes(folder.filePath(QStringLiteral("table.csv")));
        QVERIFY(text.startsWith("\xEF\xBB\xBF行,步,偏差判别,"));
        QCOMPARE(text.count('\n'), 169);  // the header and 168 rows
        panel->exportButton().click();
        QCOMPARE(t_.prompts->log.last(),
                 QStringLiteral("保存失败: 无法保存文件：") + QDir::toNativeSeparators(taken));
        panel->registersSwitch().click();
        QCOMPARE(rows.headerData(StepTableModel::Before, Qt::Horizontal).toString(),
                 QStringLiteral("运算前"));
    }

    // The model keeps the bound, shades the segment and announces changes as views expect.
    void stepTableModelFollowsTheBoundAndFreshRuns() {
        test::RecordingPanel machinePanel;
        interp::Machine machine(machinePanel);
        teach::StepTable table(machine, 10);
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
        QCOMPARE(model.index(9, teach::Step).data().toString(), QStringLiteral("14"));
        while (table.endSerial() < 18) machine.advance();  // G01 X30, iteration 2
        model.refresh();
        model.showRegisters(true);
        QCOMPARE(model.index(9, StepTableModel::Decision).data().toString(),
                 QStringLiteral("jrx ≥ 32"));
        QVERIFY(!shaded(7) && shaded(8) && shaded(9));
    }

    // A row clicked or reached with the keys rings its step point in the plan view, pins the
    // timing cursor on its tick and puts the caret on its line, and stays so through the
    // switches of the table's columns; a press in the plan view near a
    // step point selects the newest row there, anywhere else nothing; a fresh run clears.
    void oneSelectionAcrossTheTeachingTools() {
        MainWindow& w = *t_.window;
        auto* table = openTeachingPanel<StepTablePanel>(w, QStringLiteral("stepTableDock"),
                                                        QStringLiteral("插补过程表"));
        QVERIFY(table);
        // The separator dragged down, for a plan view large enough to point at single steps.
        w.resizeDocks({w.findChild<QDockWidget*>(QStringLiteral("stepTableDock"))}, {0},
                      Qt::Vertical);
        QVERIFY(runsToEnd(w));
        table->refresh();
        QTableView& rows = table->view();
        QTest::mouseClick(rows.viewport(), Qt::LeftButton, {},
                          rows.visualRect(rows.model()->index(1, 1)).center());
        // Line 2's second iteration fed X and Y to 1 mm, at tick 9; the plan view spans ±80 mm.
        ViewWidget& plan = w.viewStack().linep();
        const double mm = plan.width() / 160.0;
        const QPointF ring = middleOf(plan.grab().toImage(), StepRing::colour);
        QVERIFY2(std::abs(ring.x() - 81 * mm) <= 1 && std::abs(ring.y() - 79 * mm) <= 1,
                 qPrintable(QStringLiteral("%1 %2").arg(ring.x()).arg(ring.y())));
        auto* diagram = w.findChild<TimingDiagram*>();
        TimingStrip& strip = diagram->strip();
        QVERIFY(strip.cursorPinned() && strip.leftTick() <= 9 && strip.rightTick() >= 9);
        QVERIFY(diagram->readout().startsWith(
            QStringLiteral("光标  节拍 9（插补）  第2行  X 1.000  Y 1.000")));
        QPlainTextEdit& text = w.editorFrame().filetxt();
        QCOMPARE(text.textCursor().blockNumber(), 1);
        QVERIFY(!text.document()->isUndoAvailable() && !text.document()->isModified());
        auto* stepRing = plan.findChild<StepRing*>();
        for (int i = 0; i < 3; ++i) {  // through every switch of the table's columns
            table->registersSwitch().click();
            QVERIFY(rows.selectionModel()->selectedRows().size() == 1 &&
                    rows.currentIndex().row() == 1 && w.selectedStep().serial() == 1u);
            QVERIFY(stepRing->isVisible() && strip.cursorPinned() && strip.cursorTick() == 9);
            QVERIFY(rows.viewport()->rect().intersects(rows.visualRect(rows.model()->index(1, 1))));
        }
        QTest::keyClick(&rows, Qt::Key_Down);
        QCOMPARE(strip.cursorTick(), std::uint64_t{11});

        // A pixel above X 10 Y 10, where lines 2 and 7 end; the newest row there is line 8's
        // first iteration, which feeds nothing: the 137th of the run's 168, 32 of them line 8's.
        QTest::mouseClick(&plan, Qt::LeftButton, {}, QPointF(90 * mm, 70 * mm - 1).toPoint());
        QCOMPARE(w.selectedStep().serial(), std::optional<std::uint64_t>(136));
        QVERIFY(rows.selectionModel()->isRowSelected(136) && rows.currentIndex().row() == 136);
        QCOMPARE(text.textCursor().blockNumber(), 7);
        QTest::mouseClick(&plan, Qt::LeftButton, {}, QPointF(40 * mm, 40 * mm).toPoint());
        QVERIFY(!rows.selectionModel()->hasSelection() && !strip.cursorPinned());
        QCOMPARE(count(plan.grab().toImage(), StepRing::colour), 0);

        QTest::mouseClick(rows.viewport(), Qt::LeftButton, {},
                          rows.visualRect(rows.model()->index(1, 1)).center());
        w.runCommand();
        QVERIFY(!stepRing->isVisible() && strip.cursorTick() == 0);
    }

    // The ideal path and a clicked line's steps, gone when off or when the text changes.
    void idealPathAndClickedLineOnThePlanView() {
        QAction* ideal = teachingItem(*t_.window, QStringLiteral("显示理想轨迹"));
        QAction* steps = teachingItem(*t_.window, QStringLiteral("突出所选行的步点"));
        QVERIFY(ideal && steps && !ideal->isChecked() && !steps->isChecked());
        QVERIFY(runsToEnd(*t_.window));
        ViewWidget& plan = t_.window->viewStack().linep();
        const auto pixels = [&plan](QRgb colour) { return count(plan.grab().toImage(), colour); };
        QCOMPARE(pixels(PathOverlay::idealColour), 0);

        ideal->trigger();
        QVERIFY(pixels(PathOverlay::idealColour) > 100);
        auto* overlay = plan.findChild<PathOverlay*>();
        QCOMPARE(overlay->readout(), QStringLiteral("偏差：本段 0.00 脉冲 (0.000 mm)  全程 1.00 "
                                                    "脉冲 (1.000 mm)"));
        steps->trigger();
        QPlainTextEdit& text = t_.window->editorFrame().filetxt();
        const QRect g03 = text.cursorRect(QTextCursor(text.document()->findBlockByNumber(3)));
        QTest::mouseClick(text.viewport(), Qt::LeftButton, {}, g03.center());
        QCOMPARE(overlay->line(), 4);
        QVERIFY(pixels(PathOverlay::stepsColour) > 50);
        QVERIFY(overlay->readout().startsWith(QStringLiteral("偏差：第4行 1.00 脉冲")));
        QVERIFY(saveArtefact(*t_.window, QStringLiteral("ideal-path.png")));

        text.textCursor().insertText(QStringLiteral(" "));
        QCOMPARE(overlay->line(), 0);
        QCOMPARE(pixels(PathOverlay::stepsColour), 0);
        QTest::mouseClick(text.viewport(), Qt::LeftButton, {}, g03.center());
        QCOMPARE(overlay->line(), 0);  // the lines may no longer be the run's
        ideal->trigger();
        QCOMPARE(pixels(PathOverlay::idealColour), 0);
        QVERIFY(t_.prompts->log.isEmpty());
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

    // 先答后看: single steps wait for their answers in the table. What is asked, when, and how
    // an answer is marked is the quiz's own (TableQuizTest); here the row hides and shows its
    // beats, takes the keys and says the marks.
    // A comparison line to (6, 4) stepped by F7: each row hides its beats until the feed and
    // the new F are in, typed and pressed in the row, then shows them marked, the formula as
    // its tip; a new F that is no number is refused with the quiz's message.
    void comparisonRowsWaitForTheFeedAndTheNewF() {
        TableAnswers& answers =
            open(QStringLiteral("G90G00X6Y4"), *t_.window->methodMenu().comparison);
        step();
        QCOMPARE(cell(0, teach::Line), QStringLiteral("2"));
        for (int column : {teach::Judgement, teach::Feed, teach::Calculation, teach::Sigma,
                           teach::X, teach::Y}) {
            QCOMPARE(cell(0, column), QStringLiteral("?"));
        }
        RowQuestion* question = answers.question();
        QVERIFY(question && question->deviationField() && !question->overflowX());
        QLineEdit& f = *question->deviationField();
        QTest::keyClicks(&f, QStringLiteral("-4"));
        QTest::keyClick(&f, Qt::Key_X, Qt::AltModifier);  // access keys type nothing
        QTest::keyClick(&f, Qt::Key_Y);
        QTest::keyClicks(&f, QStringLiteral("a.,"));
        QCOMPARE(f.text(), QStringLiteral("-4"));
        QCOMPARE(cell(0, teach::Feed), QStringLiteral("?"));
        QTest::keyClick(&f, Qt::Key_Right);  // +X, with the F typed
        QCOMPARE(cell(0, teach::Feed), QStringLiteral("+X ✓"));
        QCOMPARE(cell(0, teach::Calculation), QStringLiteral("F = 0 − 4 = −4 ✓"));
        QCOMPARE(cell(0, teach::X), QStringLiteral("1"));
        const teach::Exercise line{motion::Method::Comparison, false, {}, {6, 4}};
        const auto first = std::get<motion::ComparisonStep>(line.stepper().next());
        const teach::Graded feed = teach::gradeFeed(line, first, {1, 0});
        const teach::Graded deviation = teach::gradeDeviation(line, first, -4);
        QCOMPARE(tip(0, teach::Feed), QStringLiteral("进给 %1；新偏差 %2\n%3\n\n+X")
                                          .arg(QString::fromStdString(teach::markText(feed)),
                                               QString::fromStdString(teach::markText(deviation)),
                                               QString::fromStdString(feed.explanation)));
        QCOMPARE(answers.score().text(), QStringLiteral("答对 2 / 2"));
        QTRY_VERIFY(!answers.question());

        // The second row answered wrong: the feed first, alone, by Alt and an arrow.
        step();
        QTRY_VERIFY(answers.question());
        saveScreenshot(QStringLiteral("table-answers.png"));
        QTest::keyClick(answers.question()->deviationField(), Qt::Key_Right, Qt::AltModifier);
        QCOMPARE(cell(1, teach::Feed), QStringLiteral("?"));  // the row waits for its new F
        QCOMPARE(answers.score().text(), QStringLiteral("答对 2 / 3"));
        QTRY_VERIFY(answers.question() &&
                    !named<QPushButton>(*answers.question(), "feed+X").isEnabled());
        QLineEdit& f2 = *answers.question()->deviationField();
        QTest::sendKeyEvent(QTest::Click, &f2, Qt::Key_unknown, QStringLiteral("−"), {});
        QCOMPARE(f2.text(), QStringLiteral("−"));
        QTest::keyClick(&f2, Qt::Key_Return);
        QCOMPARE(answers.score().text(), QStringLiteral("新偏差 F 应为整数，如 −3"));
        f2.clear();
        QTest::keyClicks(&f2, QStringLiteral("2"));
        QTest::keyClick(&f2, Qt::Key_Return);
        QCOMPARE(answers.score().text(), QStringLiteral("答对 3 / 4"));
        QCOMPARE(cell(1, teach::Feed), QStringLiteral("+Y ✗"));
        QCOMPARE(cell(1, teach::Calculation), QStringLiteral("F = −4 + 6 = 2 ✓"));
        QVERIFY(
            tip(1, teach::Feed).startsWith(QStringLiteral("进给 ✗ 答 +X，应为 +Y；新偏差 ✓ 2\n")));
        QCOMPARE(cell(1, teach::Y), QStringLiteral("1"));
    }

    // Digital integration to (5, 3) asks the overflows: X and Y tick them, Enter hands them in.
    // Row 1 overflows nothing, row 2 X, row 3 Y; the answers: none, X, X, marked by the kit.
    void integrationRowsAskTheOverflows() {
        TableAnswers& answers =
            open(QStringLiteral("G90G00X5Y3"), *t_.window->methodMenu().integration);
        motion::PulseStepper stepper =
            teach::Exercise{motion::Method::Integration, false, {}, {5, 3}}.stepper();
        for (int row = 0; row < 3; ++row) {
            step();
            QTRY_VERIFY(answers.question());
            RowQuestion& question = *answers.question();
            QVERIFY(question.overflowX() && !question.deviationField());
            QCOMPARE(cell(row, teach::Judgement), QStringLiteral("?"));
            if (row == 2) saveScreenshot(QStringLiteral("table-overflows.png"));
            if (row > 0) QTest::keyClick(question.overflowX(), Qt::Key_X);
            QCOMPARE(question.overflowX()->isChecked(), row > 0);
            QTest::keyClick(question.overflowX(), Qt::Key_Return);
            const teach::Graded g = teach::gradeOverflow(
                std::get<motion::IntegrationStep>(stepper.next()), row > 0, false);
            QVERIFY(cell(row, teach::Judgement).endsWith(g.right ? " ✓" : " ✗"));
            QVERIFY(tip(row, teach::Judgement)
                        .startsWith(QString::fromStdString("溢出 " + teach::markText(g) + '\n' +
                                                           g.explanation)));
        }
        QCOMPARE(cell(2, teach::Feed), QStringLiteral("+Y"));
        QCOMPARE(answers.score().text(), QStringLiteral("答对 2 / 3"));
    }

private:
    // The timing diagram and the table, docked.
    void openBoth() {
        teachingItem(*t_.window, QStringLiteral("脉冲时序图"))->trigger();
        teachingItem(*t_.window, QStringLiteral("插补过程表"))->trigger();
        table_ = t_.window->findChild<QDockWidget*>(QStringLiteral("stepTableDock"));
        timing_ = t_.window->findChild<QDockWidget*>(QStringLiteral("timingDock"));
        QVERIFY(table_->isVisible() && timing_->isVisible());
        QVERIFY(!table_->isFloating() && !timing_->isFloating());
    }
    StepTablePanel& panel() { return *qobject_cast<StepTablePanel*>(table_->widget()); }
    // Rows of the table shown whole, top to bottom.
    int wholeRows() {
        return panel().view().viewport()->height() /
               panel().view().verticalHeader()->defaultSectionSize();
    }

    // The table open on a single move by this method, 先答后看 on.
    TableAnswers& open(const QString& move, QAction& method) {
        panel_ = openTeachingPanel<StepTablePanel>(*t_.window, QStringLiteral("stepTableDock"),
                                                   QStringLiteral("插补过程表"));
        t_.window->editorFrame().filetxt().setPlainText(QStringLiteral("%\n") + move +
                                                        QStringLiteral("\n%\n"));
        method.trigger();
        panel_->answers().onSwitch().click();
        return panel_->answers();
    }
    void step() { t_.window->menus().stepIteration->trigger(); }
    QString cell(int row, int column) {
        return panel_->view().model()->index(row, column).data().toString();
    }
    QString tip(int row, int column) {
        return panel_->view().model()->index(row, column).data(Qt::ToolTipRole).toString();
    }
    void saveScreenshot(const QString& name) {
        t_.window->resize(1366, 768);
        QTest::qWait(50);
        QVERIFY(saveArtefact(*t_.window, name));
    }

    WindowUnderTest t_;
    StepTablePanel* panel_ = nullptr;
    QDockWidget* table_ = nullptr;
    QDockWidget* timing_ = nullptr;
};

}  // namespace tarvo::app

QTEST_MAIN(tarvo::app::TeachingPanelsTest)
#include "TeachingPanelsTest.moc"
