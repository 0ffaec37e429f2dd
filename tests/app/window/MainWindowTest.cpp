#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDropEvent>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

#include "WindowUnderTest.h"
#include "app/ControlPanel.h"
#include "app/CoordinatePanel.h"
#include "app/EditorFrame.h"
#include "app/MainWindow.h"
#include "app/OutputPanel.h"
#include "app/ProgramFiles.h"
#include "app/Settings.h"
#include "interp/Machine.h"

namespace tarvo::app {

namespace {

QString outputByte(MainWindow& w) {
    QString bits;
    for (int i = 0; i < 8; ++i) bits += w.outputPanel().outdata(i).text();
    return bits;
}

}  // namespace

// The real main window, driven offscreen by its own 1 ms clock.
class MainWindowTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(useScratchHome(home_)); }

    void init() { QVERIFY(openFreshWindow(settings_, prompts_, window_)); }

    void cleanup() {
        window_.reset();
        clearSettings();
    }

    // Run from its button; the toolbar's Pause holds everything and Run resumes;
    // Stop takes the marker home and Run starts over (maybe one reset tick first).
    void runPauseResumeStopAndRunAgain() {
        const MainMenus& m = window_->menus();
        const interp::Machine& machine = window_->machine();
        m.button(12)->trigger();  // Stop while idle
        QTest::mouseClick(&window_->controlPanel().command1(), Qt::LeftButton);
        QTRY_VERIFY(machine.timer2Ticks() > 40);
        m.button(11)->trigger();  // Pause
        const auto paused = machine.timer2Ticks();
        const auto at = std::pair(machine.interpreter().txtpos, machine.interpolator().xcur);
        QTest::qWait(50);
        QVERIFY(machine.paused() && machine.timer2Ticks() == paused);
        m.button(10)->trigger();  // Run
        QVERIFY(!machine.paused() && machine.advancing());
        QCOMPARE(std::pair(machine.interpreter().txtpos, machine.interpolator().xcur), at);
        m.button(12)->trigger();
        QVERIFY(machine.idle());
        QCOMPARE(window_->editorFrame().markedLine(), 0);
        const auto before = machine.timer2Ticks();
        m.button(10)->trigger();
        QTRY_VERIFY_WITH_TIMEOUT(machine.idle(), 10000);
        QVERIFY(machine.timer2Ticks() - before >= 330u && machine.timer2Ticks() - before <= 331u);
        const CoordinatePanel& c = window_->coordinatePanel();
        QCOMPARE(
            (QStringList{c.xcText().text(), c.ycText().text(), c.zcText().text(), c.xjText().text(),
                         outputByte(*window_), window_->outputPanel().zhukg().text()}),
            (QStringList{"-10", "-10", "60", "0", "11111000", "关"}));
        QCOMPARE(window_->editorFrame().markedLine(), 8);  // the closing "%" line
        QVERIFY(prompts_->log.isEmpty());
    }

    void editCommandsFollowTheEditorsFocus() {
        const MainMenus& m = window_->menus();
        window_->activateWindow();
        window_->editorFrame().filetxt().setFocus(Qt::MouseFocusReason);
        QTRY_VERIFY(m.mnuedit->menuAction()->isVisible());
        window_->controlPanel().command5().setFocus(Qt::MouseFocusReason);
        QTRY_VERIFY(!m.mnuedit->menuAction()->isVisible());
        for (int position = 4; position <= 7; ++position) QVERIFY(!m.button(position)->isVisible());
        QVERIFY(m.button(8)->isVisible());
        window_->editorFrame().filetxt().setFocus(Qt::MouseFocusReason);
        QTRY_VERIFY(m.mnuedit->menuAction()->isVisible());
        for (int position = 4; position <= 7; ++position) QVERIFY(m.button(position)->isVisible());
    }

    // The options and menus switch views, Run shows the plan; clearing the
    // screen empties the editor and shows the cut, and an empty editor cannot run.
    void viewSwitchesClearScreenAndEmptyEditor() {
        window_->menus().mnuzhc->trigger();
        QVERIFY(window_->linez().visible() && !window_->linep().visible());
        QVERIFY(window_->option1(0).isChecked());
        window_->option1(1).click();
        QVERIFY(window_->linep().visible() && !window_->linez().visible());
        window_->menus().mnupan->trigger();
        QVERIFY(window_->liner().visible() && !window_->linep().visible());
        QVERIFY(window_->option1(1).isChecked());
        window_->runCommand();
        QVERIFY(window_->linep().visible());
        window_->stopCommand();
        window_->controlPanel().command4().click();
        QCOMPARE(window_->editorFrame().filetxt().toPlainText(), QString());
        QCOMPARE(window_->editorFrame().title(), QStringLiteral("新文件"));
        QVERIFY(window_->liner().visible() && !window_->linep().visible());
        QVERIFY(window_->option1(1).isChecked());
        window_->runCommand();
        QTRY_COMPARE(prompts_->log, QStringList{QStringLiteral("加载失败: 请加载NC程序")});
        QVERIFY(window_->machine().idle());
    }

    void closingAsksAboutUnsavedChanges() {
        window_->editorFrame().filetxt().appendPlainText(QStringLiteral("G01X5"));
        prompts_->choices = {SaveChoice::Cancel};
        QVERIFY(!window_->close());
        QVERIFY(window_->isVisible());
        prompts_->choices = {SaveChoice::Discard};
        QVERIFY(window_->close());
        QCOMPARE(prompts_->log, (QStringList{QStringLiteral("ask"), QStringLiteral("ask")}));
    }

    void closeStoresThePlacementExitDoesNot() {
        window_->move(40, 30);
        QVERIFY(window_->close());
        QVERIFY(settings_.placement().has_value());
        const Placement stored = *settings_.placement();

        init();
        QCOMPARE(window_->pos(), QPoint(40, 30));
        window_->move(60, 50);
        window_->menus().mnuFileExit->trigger();
        QVERIFY(!window_->isVisible());
        QCOMPARE(settings_.placement()->left, stored.left);

        init();
        window_->showMinimized();
        window_->move(70, 70);
        QVERIFY(window_->close());
        QCOMPARE(settings_.placement()->left, stored.left);
    }

    void editCommands() {
        QPlainTextEdit& text = window_->editorFrame().filetxt();
        const QString sample = text.toPlainText();
        window_->menus().mnueditclear->trigger();
        QVERIFY(text.toPlainText().isEmpty());
        text.undo();
        QCOMPARE(text.toPlainText(), sample);

        QApplication::clipboard()->setText(QStringLiteral("old"));
        window_->menus().mnuEditCut->trigger();  // nothing selected
        QCOMPARE(QApplication::clipboard()->text(), QString());
        QCOMPARE(text.toPlainText(), sample);

        QTextCursor cursor(text.document());
        cursor.movePosition(QTextCursor::NextBlock);
        cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
        text.setTextCursor(cursor);
        window_->menus().mnuEditCopy->trigger();
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("G90G00X10Y10"));
        QApplication::clipboard()->clear();
        window_->menus().mnuEditPaste->trigger();  // no text: the selection goes
        QVERIFY(!text.toPlainText().contains(QStringLiteral("G90G00X10Y10")));
    }

    void parametersTakeEffectAtRun() {
        settings_.setParameterTexts(QStringLiteral("5"), QStringLiteral("0"),
                                    QStringLiteral("-2.5"), QStringLiteral("2"),
                                    QStringLiteral("0.5"));
        init();
        window_->runCommand();
        QCOMPARE(window_->machine().bei(), 2);
        QCOMPARE(window_->machine().dlstep(), 5.0);
        QCOMPARE(window_->coordinatePanel().xjText().text(), QStringLiteral("5"));
        QCOMPARE(window_->coordinatePanel().zjText().text(), QStringLiteral("-2.5"));
        window_->stopCommand();
    }

    void helpAndDesignerOpenOnce() {
        const auto windows = [] { return QApplication::topLevelWidgets().size(); };
        const auto before = windows();
        window_->menus().mnuhelpexplain->trigger();
        window_->menus().mnuhelpexplain->trigger();
        window_->menus().mnuHelpAbout->trigger();
        window_->menus().mnuHelpAbout->trigger();
        QCOMPARE(windows(), before + 2);
        QVERIFY(window_->isEnabled());
    }

    void droppedFileOpens() {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("dropped.nc"));
        QVERIFY(writeFile(path, "%\r\nG01X5\r\n%\r\n"));
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(path)});
        QWidget* viewport = window_->editorFrame().filetxt().viewport();
        QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton,
                              Qt::NoModifier);
        QApplication::sendEvent(viewport, &enter);
        QVERIFY(enter.isAccepted());
        QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(viewport, &drop);
        QCOMPARE(window_->editorFrame().filetxt().toPlainText(), QStringLiteral("%\nG01X5\n%\n"));
        QCOMPARE(window_->editorFrame().title(), QFileInfo(path).absoluteFilePath());
    }

    void visibleViewSavesAsPicture() {
        QTemporaryDir folder;
        QVERIFY(runsToEnd(*window_));
        prompts_->names = {folder.filePath(QStringLiteral("plan")),
                           folder.filePath(QStringLiteral("view.svg")),
                           QStringLiteral("/no/such/folder/view.png")};
        window_->menus().mnuFileSaveView->trigger();
        QImage plan(folder.filePath(QStringLiteral("plan.png")));
        QCOMPARE(plan.size(), QSize(window_->linep().size(), window_->linep().size()));
        QCOMPARE(plan.pixel(plan.width() - 2, 2), qRgb(64, 64, 64));
        window_->menus().mnuzhc->trigger();
        window_->menus().mnuFileSaveView->trigger();
        QFile svg(folder.filePath(QStringLiteral("view.svg")));
        QVERIFY(svg.open(QIODevice::ReadOnly));
        QVERIFY(svg.readAll().contains("#ffff00"));
        window_->menus().mnuFileSaveView->trigger();
        QVERIFY(prompts_->log.last().startsWith(QStringLiteral("保存失败")));
    }

    void recentFilesKeepTheLastTen() {
        QTemporaryDir folder;
        for (int i = 0; i < 12; ++i) {
            const QString path = folder.filePath(QStringLiteral("p%1.nc").arg(i));
            QVERIFY(writeFile(path, "%\n"));
            window_->files().openPath(path);
        }
        window_->files().openPath(folder.filePath(QStringLiteral("p5.nc")));
        const QStringList recent = settings_.recentFiles();
        QCOMPARE(recent.size(), 10);
        QCOMPARE(recent.first(),
                 QFileInfo(folder.filePath(QStringLiteral("p5.nc"))).absoluteFilePath());
        QCOMPARE(recent.at(1),
                 QFileInfo(folder.filePath(QStringLiteral("p11.nc"))).absoluteFilePath());
        QVERIFY(!recent.contains(
            QFileInfo(folder.filePath(QStringLiteral("p1.nc"))).absoluteFilePath()));
        emit window_->menus().mnuRecent->aboutToShow();
        const auto entries = window_->menus().mnuRecent->actions();
        QCOMPARE(entries.size(), 10);
        entries.at(3)->trigger();
        QCOMPARE(window_->editorFrame().title(), recent.at(3));
    }

private:
    QTemporaryDir home_;  // the settings store, never the user's own
    Settings settings_;
    std::unique_ptr<ScriptedPrompts> prompts_;
    std::unique_ptr<MainWindow> window_;
};

}  // namespace tarvo::app

QTEST_MAIN(tarvo::app::MainWindowTest)
#include "MainWindowTest.moc"
