#include "app/editor/EditorFrame.h"
#include "app/editor/ProgramEditor.h"
#include "app/support/WindowUnderTest.h"
#include "app/teaching/SelectedStep.h"
#include "app/window/Translations.h"

namespace tarvo::app {

// 视图 → 语言 switches at once and loses nothing: the program, the run and the step selected
// stay, the choice is kept, and what the last run marked on the program is said again.
class LanguageSwitchTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        QVERIFY(speakInWindow(words::Language::chinese));
        QVERIFY(t_.enterHome() && t_.openWindow());
    }

    // Nothing is kept until the user chooses; a kept value that is no language reads as none.
    void theChoiceIsKept() {
        QCOMPARE(t_.settings.language(), std::nullopt);
        QVERIFY(t_.window->menus().speakChinese->isChecked());
        t_.window->menus().speakEnglish->trigger();
        QCOMPARE(t_.settings.language(), words::Language::english);
        QVERIFY(t_.window->menus().speakEnglish->isChecked());
        QCOMPARE(t_.window->menus().editMenu->title(), QStringLiteral("&Edit"));
        QSettings(QStringLiteral("Tarvo"), QStringLiteral("Tarvo"))
            .setValue(QStringLiteral("Settings/Language"), QStringLiteral("fr"));
        QCOMPARE(t_.settings.language(), std::nullopt);
        t_.window->menus().speakChinese->trigger();
        QCOMPARE(t_.settings.language(), words::Language::chinese);
        QCOMPARE(t_.window->menus().editMenu->title(), QStringLiteral("编辑(&E)"));
    }

    // An edited program held after a few steps, a step selected: all of it as it was.
    void nothingIsLost() {
        MainWindow& w = *t_.window;
        ProgramEditor& editor = w.editorFrame().filetxt();
        editor.appendPlainText(QStringLiteral("(edited)"));
        for (int i = 0; i < 5; ++i) w.menus().stepIteration->trigger();
        w.selectedStep().select(2);
        const auto held = [&] {
            return std::tuple(editor.toPlainText(), editor.document()->isModified(),
                              w.machine().paused(), w.machine().runSteps(),
                              w.selectedStep().serial());
        };
        const auto before = held();
        QVERIFY(std::get<1>(before) && std::get<2>(before));
        w.menus().speakEnglish->trigger();
        QVERIFY(held() == before);
        QCOMPARE(w.editorFrame().title(), QStringLiteral("New file"));
        w.menus().stepIteration->trigger();
        QCOMPARE(w.machine().runSteps(), std::get<3>(before) + 1);
    }

    // The full circle's warning and the error that stops the run, said again in English as an
    // English run says them, and in Chinese again byte for byte as they were.
    void marksAreSaidAgain() {
        MainWindow& w = *t_.window;
        ProgramEditor& editor = w.editorFrame().filetxt();
        editor.setPlainText(QStringLiteral("%\nG00X5Y0\nG02X5Y0I-5J0\nG01X7\nG04\n%\n"));
        QVERIFY(runsToEnd(w));
        const QString warning = editor.warningAt(2), error = editor.errorMessage();
        QCOMPARE(editor.errorLine(), 4);
        QVERIFY(!warning.isEmpty() && !error.isEmpty());
        w.menus().speakEnglish->trigger();
        const QString saidWarning = editor.warningAt(2), saidError = editor.errorMessage();
        QCOMPARE(editor.errorLine(), 4);
        QVERIFY(runsToEnd(w));
        QCOMPARE(saidWarning, editor.warningAt(2));
        QCOMPARE(saidError, editor.errorMessage());
        w.menus().speakChinese->trigger();
        QCOMPARE(editor.warningAt(2), warning);
        QCOMPARE(editor.errorMessage(), error);
        QCOMPARE(editor.warningLines(), QList<qint64>{2});
    }

private:
    WindowUnderTest t_;
};

}  // namespace tarvo::app

QTEST_MAIN(tarvo::app::LanguageSwitchTest)
#include "LanguageSwitchTest.moc"
