#include <QCheckBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTableView>
#include <QTest>

#include "app/support/Pictures.h"
#include "app/support/WindowUnderTest.h"
#include "app/teaching/ClassSummaryWindow.h"
#include "app/teaching/ExercisePanel.h"
#include "app/teaching/MethodCompareDialog.h"
#include "app/teaching/SelectedStep.h"
#include "app/teaching/StepTablePanel.h"
#include "app/window/ParameterDialog.h"
#include "app/window/Translations.h"

namespace tarvo::app {

namespace {

// The buttons and labels shown whose text is wider than they are.
QStringList cutOff(const QWidget& window) {
    QStringList cut;
    for (const QPushButton* b : window.findChildren<QPushButton*>()) {
        const QString text = QString(b->text()).remove(QLatin1Char('&'));
        if (b->isVisible() && b->fontMetrics().horizontalAdvance(text) + 4 > b->width())
            cut << text;
    }
    for (const QLabel* l : window.findChildren<QLabel*>()) {
        if (l->isVisible() && !l->wordWrap() && l->pixmap().isNull() &&
            l->sizeHint().width() > l->width() &&
            l->sizePolicy().horizontalPolicy() != QSizePolicy::Ignored)
            cut << l->text();
    }
    return cut;
}

}  // namespace

// The window in English on a lab screen of 1366 × 768, where the captions are longer than in
// Chinese: both teaching panels after the sample run, the method comparison and an exercise.
// The pictures stay in the build folder to be looked at.
class EnglishScreenshotTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        QVERIFY(speakInWindow(words::Language::english));
        QVERIFY(t_.enterHome() && t_.openWindow());
    }

    // The window alone after the sample run: every caption whole.
    void mainWindow() {
        QVERIFY(runsToEnd(*t_.window));
        QTest::qWait(100);
        QVERIFY(saveArtefact(*t_.window, QStringLiteral("main-window-en.png")));
        QVERIFY2(cutOff(*t_.window).isEmpty(), qPrintable(cutOff(*t_.window).join('|')));
    }

    // The parameters and the class summary, every caption whole.
    void dialogs() {
        auto* parameters = t_.window->findChild<ParameterDialog*>();
        parameters->show();
        QVERIFY(QTest::qWaitForWindowExposed(parameters));
        QVERIFY(saveArtefact(*parameters, QStringLiteral("parameters-en.png")));
        QVERIFY2(cutOff(*parameters).isEmpty(), qPrintable(cutOff(*parameters).join('|')));
        parameters->hide();
        auto* summary = t_.window->findChild<ClassSummaryWindow*>();
        summary->present();
        QVERIFY(QTest::qWaitForWindowExposed(summary));
        QVERIFY(saveArtefact(*summary, QStringLiteral("class-summary-en.png")));
        QVERIFY2(cutOff(*summary).isEmpty(), qPrintable(cutOff(*summary).join('|')));
        summary->close();
    }

    // The table still shows ten rows with every column side by side.
    void bothPanels() {
        MainWindow& w = *t_.window;
        for (const char* caption :
             {"Pulse timing diagram", "Interpolation table", "Show the ideal path"}) {
            QAction* item = teachingItem(w, QString::fromLatin1(caption));
            QVERIFY2(item, caption);
            item->trigger();
        }
        QVERIFY(runsToEnd(w));
        auto* panel = w.findChild<StepTablePanel*>();
        panel->refresh();
        w.selectedStep().select(150);
        QTest::qWait(200);
        QVERIFY(saveArtefact(w, QStringLiteral("lab-screen-en.png")));
        QTableView& table = panel->view();
        QVERIFY(table.viewport()->height() / table.verticalHeader()->defaultSectionSize() >= 10);
        QVERIFY(!table.horizontalScrollBar()->isVisible());
        QVERIFY(w.frameGeometry().width() <= w.screen()->availableGeometry().width());
    }

    void methodComparison() {
        teachingItem(*t_.window, QStringLiteral("Method compariso&n..."))->trigger();
        auto* dialog = t_.window->findChild<MethodCompareDialog*>();
        QVERIFY(dialog && QTest::qWaitForWindowExposed(dialog));
        auto* compare = dialog->findChild<QPushButton*>(QStringLiteral("compare"));
        QTest::mouseClick(compare, Qt::LeftButton);
        QVERIFY(QTest::qWaitFor([compare] { return compare->isEnabled(); }, 10000));
        QTest::qWait(100);
        QVERIFY(saveArtefact(*dialog, QStringLiteral("comparison-en.png")));
        QVERIFY2(cutOff(*dialog).isEmpty(), qPrintable(cutOff(*dialog).join('|')));
        QVERIFY(dialog->frameGeometry().height() <= dialog->screen()->availableGeometry().height());
        dialog->close();
    }

    // K7M3Q by Zhang San, two iterations of its first exercise answered.
    void exercise() {
        teachingItem(*t_.window, QStringLiteral("&Start exercises..."))->trigger();
        auto* panel = t_.window->findChild<ExercisePanel*>();
        QVERIFY(panel && QTest::qWaitForWindowExposed(panel));
        panel->findChild<QLineEdit*>(QStringLiteral("studentName"))
            ->setText(QStringLiteral("Zhang San"));
        panel->findChild<QLineEdit*>(QStringLiteral("studentNumber"))
            ->setText(QStringLiteral("2026001"));
        panel->findChild<QLineEdit*>(QStringLiteral("exerciseCode"))
            ->setText(QStringLiteral("K7M3Q"));
        QTest::mouseClick(panel->findChild<QPushButton*>(QStringLiteral("startExercises")),
                          Qt::LeftButton);
        for (const char* feed : {"feed+X", "feed+X"}) {
            panel->findChild<QLineEdit*>(QStringLiteral("newDeviation"))
                ->setText(QStringLiteral("1"));
            QTest::mouseClick(panel->findChild<QPushButton*>(QString::fromLatin1(feed)),
                              Qt::LeftButton);
        }
        QTest::qWait(100);
        QVERIFY(saveArtefact(*panel, QStringLiteral("exercise-en.png")));
        QVERIFY2(cutOff(*panel).isEmpty(), qPrintable(cutOff(*panel).join('|')));
        QVERIFY(panel->frameGeometry().height() <= panel->screen()->availableGeometry().height());
    }

private:
    WindowUnderTest t_;
};

}  // namespace tarvo::app

QTEST_MAIN(tarvo::app::EnglishScreenshotTest)
#include "EnglishScreenshotTest.moc"
