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

#include "app/editor/EditorFrame.h"
#include "app/files/ProgramFiles.h"
#include "app/panels/ControlPanel.h"
#include "app/panels/CoordinatePanel.h"
#include "app/panels/OutputPanel.h"
#include "app/support/WindowUnderTest.h"
#include "app/window/MainWindow.h"
#include "app/window/Settings.h"
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
    void initTestCase() { QVERIFY(t_.enterHome()); }

    void init() { QVERIFY(t_.openWindow()); }

    void cleanup() {
        t_.window.reset();
        clearSettings();
    }

    // Run, Pause and resume from the toolbar; Stop takes the marker home and Run starts over.
    void runPauseResumeStopAndRunAgain() {
        const MainMenus& m = t_.window->menus();
        const interp::Machine& machine = t_.window->machine();
        m.button(12)->trigger();  // Stop while idle
        QTest::mouseClick(&t_.window->controlPanel().command1(), Qt::LeftButton);
        QTRY_VERIFY(machine.timer2Ticks() > 40);
        m.button(11)->trigger();  // Pause
        const auto paused = machine.timer2Ticks();
        QTest::qWait(50);
        QVERIFY(machine.paused() && machine.timer2Ticks() == paused);
        m.button(10)->trigger();  // Run
        QVERIFY(!machine.paused() && machine.advancing());
        m.button(12)->trigger();
        QVERIFY(machine.idle());
        QCOMPARE(t_.window->editorFrame().markedLine(), 0);
        const auto before = machine.timer2Ticks();
        m.button(10)->trigger();
        QTRY_VERIFY_WITH_TIMEOUT(machine.idle(), 10000);
        QVERIFY(machine.timer2Ticks() - before >= 330u && machine.timer2Ticks() - before <= 331u);
        const CoordinatePanel& c = t_.window->coordinatePanel();
        QCOMPARE(
            (QStringList{c.xcText().text(), c.ycText().text(), c.zcText().text(), c.xjText().text(),
                         outputByte(*t_.window), t_.window->outputPanel().zhukg().text()}),
            (QStringList{"-10", "-10", "60", "0", "11111000", "关"}));
        QCOMPARE(t_.window->editorFrame().markedLine(), 8);  // the closing "%" line
        QVERIFY(t_.prompts->log.isEmpty());
    }

    // Options and menus switch views; clearing the screen empties the editor; empty cannot run.
    void viewSwitchesClearScreenAndEmptyEditor() {
        t_.window->menus().mnuzhc->trigger();
        QVERIFY(t_.window->linez().visible() && !t_.window->linep().visible());
        QVERIFY(t_.window->option1(0).isChecked());
        t_.window->option1(1).click();
        QVERIFY(t_.window->linep().visible() && !t_.window->linez().visible());
        t_.window->menus().mnupan->trigger();
        QVERIFY(t_.window->liner().visible() && !t_.window->linep().visible());
        QVERIFY(t_.window->option1(1).isChecked());
        t_.window->runCommand();
        QVERIFY(t_.window->linep().visible());
        t_.window->stopCommand();
        t_.window->controlPanel().command4().click();
        QCOMPARE(t_.window->editorFrame().filetxt().toPlainText(), QString());
        QCOMPARE(t_.window->editorFrame().title(), QStringLiteral("新文件"));
        QVERIFY(t_.window->liner().visible() && !t_.window->linep().visible());
        t_.window->runCommand();
        QTRY_COMPARE(t_.prompts->log, QStringList{QStringLiteral("加载失败: 请加载NC程序")});
        QVERIFY(t_.window->machine().idle());
    }

    void closingAsksAboutUnsavedChanges() {
        t_.window->editorFrame().filetxt().appendPlainText(QStringLiteral("G01X5"));
        t_.prompts->choices = {SaveChoice::Cancel};
        QVERIFY(!t_.window->close());
        QVERIFY(t_.window->isVisible());
        t_.prompts->choices = {SaveChoice::Discard};
        QVERIFY(t_.window->close());
        QCOMPARE(t_.prompts->log, (QStringList{QStringLiteral("ask"), QStringLiteral("ask")}));
    }

    void closeStoresThePlacementExitDoesNot() {
        t_.window->move(40, 30);
        QVERIFY(t_.window->close());
        QVERIFY(t_.settings.placement().has_value());
        const Placement stored = *t_.settings.placement();

        init();
        QCOMPARE(t_.window->pos(), QPoint(40, 30));
        t_.window->move(60, 50);
        t_.window->menus().mnuFileExit->trigger();
        QVERIFY(!t_.window->isVisible());
        QCOMPARE(t_.settings.placement()->left, stored.left);

        init();
        t_.window->showMinimized();
        t_.window->move(70, 70);
        QVERIFY(t_.window->close());
        QCOMPARE(t_.settings.placement()->left, stored.left);
    }

    void editCommands() {
        QPlainTextEdit& text = t_.window->editorFrame().filetxt();
        const QString sample = text.toPlainText();
        t_.window->menus().mnueditclear->trigger();
        QVERIFY(text.toPlainText().isEmpty());
        text.undo();
        QCOMPARE(text.toPlainText(), sample);

        QApplication::clipboard()->setText(QStringLiteral("old"));
        t_.window->menus().mnuEditCut->trigger();  // nothing selected
        QCOMPARE(QApplication::clipboard()->text(), QString());
        QCOMPARE(text.toPlainText(), sample);

        QTextCursor cursor(text.document());
        cursor.movePosition(QTextCursor::NextBlock);
        cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
        text.setTextCursor(cursor);
        t_.window->menus().mnuEditCopy->trigger();
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("G90G00X10Y10"));
        QApplication::clipboard()->clear();
        t_.window->menus().mnuEditPaste->trigger();  // no text: the selection goes
        QVERIFY(!text.toPlainText().contains(QStringLiteral("G90G00X10Y10")));
    }

    void parametersTakeEffectAtRun() {
        t_.settings.setParameterTexts(QStringLiteral("5"), QStringLiteral("0"),
                                      QStringLiteral("-2.5"), QStringLiteral("2"),
                                      QStringLiteral("0.5"));
        init();
        t_.window->runCommand();
        QCOMPARE(t_.window->machine().bei(), 2);
        QCOMPARE(t_.window->machine().dlstep().toDouble(), 5.0);
        QCOMPARE(t_.window->coordinatePanel().xjText().text(), QStringLiteral("5"));
        QCOMPARE(t_.window->coordinatePanel().zjText().text(), QStringLiteral("-2.5"));
        t_.window->stopCommand();
    }

    void helpAndDesignerOpenOnce() {
        const auto windows = [] { return QApplication::topLevelWidgets().size(); };
        const auto before = windows();
        t_.window->menus().mnuhelpexplain->trigger();
        t_.window->menus().mnuhelpexplain->trigger();
        t_.window->menus().mnuHelpAbout->trigger();
        t_.window->menus().mnuHelpAbout->trigger();
        QCOMPARE(windows(), before + 2);
        QVERIFY(t_.window->isEnabled());
    }

    void droppedFileOpens() {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("dropped.nc"));
        QVERIFY(writeFile(path, "%\r\nG01X5\r\n%\r\n"));
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(path)});
        QWidget* viewport = t_.window->editorFrame().filetxt().viewport();
        QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton,
                              Qt::NoModifier);
        QApplication::sendEvent(viewport, &enter);
        QVERIFY(enter.isAccepted());
        QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(viewport, &drop);
        QCOMPARE(t_.window->editorFrame().filetxt().toPlainText(), QStringLiteral("%\nG01X5\n%\n"));
        QCOMPARE(t_.window->editorFrame().title(), QFileInfo(path).absoluteFilePath());
    }

    void visibleViewSavesAsPicture() {
        QTemporaryDir folder;
        QVERIFY(runsToEnd(*t_.window));
        t_.prompts->names = {folder.filePath(QStringLiteral("plan")),
                             folder.filePath(QStringLiteral("view.svg")),
                             QStringLiteral("/no/such/folder/view.png")};
        t_.window->menus().mnuFileSaveView->trigger();
        QImage plan(folder.filePath(QStringLiteral("plan.png")));
        QCOMPARE(plan.size(), QSize(t_.window->linep().size(), t_.window->linep().size()));
        QCOMPARE(plan.pixel(plan.width() - 2, 2), qRgb(64, 64, 64));
        t_.window->menus().mnuzhc->trigger();
        t_.window->menus().mnuFileSaveView->trigger();
        QFile svg(folder.filePath(QStringLiteral("view.svg")));
        QVERIFY(svg.open(QIODevice::ReadOnly));
        QVERIFY(svg.readAll().contains("#ffff00"));
        t_.window->menus().mnuFileSaveView->trigger();
        QVERIFY(t_.prompts->log.last().startsWith(QStringLiteral("保存失败")));
    }

    void recentFilesKeepTheLastTen() {
        QTemporaryDir folder;
        const auto path = [&folder](int i) {
            return QFileInfo(folder.filePath(QStringLiteral("p%1.nc").arg(i))).absoluteFilePath();
        };
        for (int i : {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 5}) {
            QVERIFY(writeFile(path(i), "%\n"));
            t_.window->files().openPath(path(i));
        }
        const QStringList recent = t_.settings.recentFiles();
        QCOMPARE(recent.mid(0, 2), (QStringList{path(5), path(11)}));
        QVERIFY(recent.size() == 10 && !recent.contains(path(1)));
        emit t_.window->menus().mnuRecent->aboutToShow();
        t_.window->menus().mnuRecent->actions().at(3)->trigger();
        QCOMPARE(t_.window->editorFrame().title(), recent.at(3));
    }

private:
    WindowUnderTest t_;
};

}  // namespace tarvo::app

QTEST_MAIN(tarvo::app::MainWindowTest)
#include "MainWindowTest.moc"
