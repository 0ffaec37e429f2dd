#include "app/support/Pictures.h"
#include "app/support/TeachingWindows.h"
#include "app/teaching/ClassSummaryWindow.h"
#include "app/window/ParameterDialog.h"
#include "app/window/Translations.h"

namespace tarvo::app {

namespace {

// Leaves the window's picture and finds every caption whole, and the window within the screen.
void lookAt(QWidget& window, const QString& fileName) {
    QVERIFY(saveArtefact(window, fileName));
    QVERIFY2(cutOff(window).isEmpty(), qPrintable(cutOff(window).join('|')));
    QVERIFY(window.frameGeometry().height() <= window.screen()->availableGeometry().height());
}

}  // namespace

// The window in English on a lab screen of 1366 × 768, where the captions are longer than in
// Chinese: the window, its dialogs, both teaching panels after the sample run, the method
// comparison and an exercise. The pictures stay in the build folder to be looked at.
class EnglishScreenshotTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        QVERIFY(speakInWindow(words::Language::english));
        QVERIFY(t_.enterHome() && t_.openWindow());
    }

    void mainWindow() {
        QVERIFY(runsToEnd(*t_.window));
        QTest::qWait(100);
        lookAt(*t_.window, QStringLiteral("main-window-en.png"));
    }

    void dialogs() {
        auto* parameters = t_.window->findChild<ParameterDialog*>();
        parameters->show();
        QVERIFY(QTest::qWaitForWindowExposed(parameters));
        lookAt(*parameters, QStringLiteral("parameters-en.png"));
        parameters->hide();
        auto* summary = openFromTeachingMenu<ClassSummaryWindow>(
            *t_.window, QStringLiteral("Class summar&y..."));
        QVERIFY(summary);
        lookAt(*summary, QStringLiteral("class-summary-en.png"));
        summary->close();
    }

    // The table still shows ten rows with every column side by side.
    void bothPanels() {
        StepTablePanel* table =
            showTheLabScreen(*t_.window, {QStringLiteral("Pulse timing diagram"),
                                          QStringLiteral("Interpolation table"),
                                          QStringLiteral("Show the ideal path")});
        QVERIFY(table);
        QVERIFY(saveArtefact(*t_.window, QStringLiteral("lab-screen-en.png")));
        QVERIFY(tenRowsWithEveryColumn(table->view()));
        QVERIFY(t_.window->frameGeometry().width() <=
                t_.window->screen()->availableGeometry().width());
    }

    void methodComparison() {
        auto* dialog = openFromTeachingMenu<MethodCompareDialog>(
            *t_.window, QStringLiteral("Method compariso&n..."));
        QVERIFY(dialog && compares(*dialog));
        QTest::qWait(100);
        lookAt(*dialog, QStringLiteral("comparison-en.png"));
        dialog->close();
    }

    // K7M3Q by Zhang San, two iterations of its first exercise answered.
    void exercise() {
        auto* panel =
            openFromTeachingMenu<ExercisePanel>(*t_.window, QStringLiteral("&Start exercises..."));
        QVERIFY(panel);
        startExercises(*panel, QStringLiteral("Zhang San"), QStringLiteral("2026001"),
                       QStringLiteral("K7M3Q"));
        for (int i = 0; i < 2; ++i) {
            named<QLineEdit>(*panel, "newDeviation").setText(QStringLiteral("1"));
            press(*panel, "feed+X");
        }
        QTest::qWait(100);
        lookAt(*panel, QStringLiteral("exercise-en.png"));
    }

private:
    WindowUnderTest t_;
};

}  // namespace tarvo::app

QTEST_MAIN(tarvo::app::EnglishScreenshotTest)
#include "EnglishScreenshotTest.moc"
