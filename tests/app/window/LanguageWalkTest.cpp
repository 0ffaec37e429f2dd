#include "app/support/TeachingWindows.h"
#include "app/teaching/ClassSummaryWindow.h"
#include "app/teaching/WorksheetDialog.h"
#include "app/window/ParameterDialog.h"
#include "app/window/RegisterBitsDialog.h"
#include "app/window/Translations.h"
#include "support/TableFile.h"

namespace tarvo::app {

namespace {

// Han characters, CJK punctuation and full-width forms: none belongs in an English text.
const QRegularExpression chinese(QStringLiteral(
    "[\\x{2E80}-\\x{9FFF}\\x{3000}-\\x{303F}\\x{F900}-\\x{FAFF}\\x{FF00}-\\x{FFEF}]"));
// A word of letters alone; G01, SR1, X10 and the like carry digits and are the machine's, and
// a single letter names an axis or a point.
const QRegularExpression word(QStringLiteral("(?<![A-Za-z0-9])[A-Za-z]{2,}(?![A-Za-z0-9])"));
// The words a Chinese text keeps in Latin letters.
QSet<QString> latinInChinese() {
    QSet<QString> words;
    for (const test::TableRow& row : test::loadTable("app/latin-in-chinese.tsv")) {
        words << QString::fromStdString(row.fields.at("word"));
    }
    return words;
}

// The texts a user can read now: windows shown with their widgets, the menus, the tables'
// captions and first rows. The program in the editor and what the user typed are not the
// window's texts; the language menu names each language in its own words.
QStringList shownTexts(const QMenuBar& bar) {
    QStringList texts;
    const auto add = [&texts](const QString& text) {
        if (!text.isEmpty()) texts << text;
    };
    for (QWidget* w : QApplication::allWidgets()) {
        if (!w->isVisible()) continue;
        if (w->isWindow()) add(w->windowTitle());
        add(w->toolTip());
        if (auto* label = qobject_cast<QLabel*>(w)) add(label->text());
        if (auto* button = qobject_cast<QAbstractButton*>(w)) add(button->text());
        if (auto* box = qobject_cast<QGroupBox*>(w)) add(box->title());
        if (auto* line = qobject_cast<QLineEdit*>(w)) add(line->placeholderText());
        if (auto* dock = qobject_cast<QDockWidget*>(w)) add(dock->windowTitle());
        if (auto* combo = qobject_cast<QComboBox*>(w)) {
            for (int i = 0; i < combo->count(); ++i) add(combo->itemText(i));
        }
        if (auto* bar = qobject_cast<QToolBar*>(w)) {
            for (const QAction* a : bar->actions()) add(a->toolTip());
        }
        auto* view = qobject_cast<QTableView*>(w);
        if (!view || !view->model()) continue;
        const QAbstractItemModel& model = *view->model();
        for (int c = 0; c < model.columnCount(); ++c) {
            add(model.headerData(c, Qt::Horizontal, Qt::DisplayRole).toString());
            for (int r = 0; r < std::min(model.rowCount(), 12); ++r) {
                add(model.data(model.index(r, c), Qt::DisplayRole).toString());
            }
        }
    }
    std::function<void(const QMenu&)> walk = [&](const QMenu& menu) {
        add(menu.title());
        for (const QAction* a : menu.actions()) {
            if (a->text() == QStringLiteral("中文")) continue;
            add(a->text());
            if (a->menu()) walk(*a->menu());
        }
    };
    for (const QAction* a : bar.actions()) {
        if (a->menu()) walk(*a->menu());
    }
    return texts;
}

QString listed(const QStringList& texts) {
    return texts.mid(0, 40).join(QStringLiteral("\n"));
}

}  // namespace

// Every window, dialog and menu open at once, walked in English and in Chinese: no Chinese in
// English, and in Chinese no English word but those the machine and the textbook write in
// Latin letters. Switching goes through 视图 → 语言, as the user does.
class LanguageWalkTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        QVERIFY(speakInWindow(words::Language::english));
        QVERIFY(t_.enterHome() && t_.openWindow());
        openEverything();
    }

    void englishHasNoChinese() {
        QStringList found;
        for (const QString& text : shownTexts(*t_.window->menuBar())) {
            if (text.contains(chinese)) found << text;
        }
        found.removeDuplicates();
        QVERIFY2(found.isEmpty(), qPrintable(listed(found)));
    }

    void chineseHasNoEnglishWords() {
        t_.window->menus().speakChinese->trigger();
        QCOMPARE(t_.settings.language(), words::Language::chinese);
        const QSet<QString> keeps = latinInChinese();
        QVERIFY(keeps.contains(QStringLiteral("DDA")));
        QStringList found;
        for (const QString& text : shownTexts(*t_.window->menuBar())) {
            for (const auto& m : word.globalMatch(text)) {
                if (!keeps.contains(m.captured())) found << m.captured() + " in " + text;
            }
        }
        found.removeDuplicates();
        QVERIFY2(found.isEmpty(), qPrintable(listed(found)));
    }

    void englishAgainAfterTheSwitch() {
        t_.window->menus().speakEnglish->trigger();
        QCOMPARE(t_.settings.language(), words::Language::english);
        englishHasNoChinese();
    }

private:
    // The sample run, both panels, and every window of the teaching menu and the help menu,
    // each showing what it shows in use; the modal dialogs shown without their loop.
    void openEverything() {
        MainWindow& w = *t_.window;
        for (const char* panel : {"Pulse timing diagram", "Interpolation table"}) {
            QAction* item = teachingItem(w, QString::fromLatin1(panel));
            QVERIFY2(item, panel);
            item->trigger();
        }
        QVERIFY(runsToEnd(w));
        w.menus().showHelp->trigger();
        w.menus().showDesigner->trigger();
        w.findChild<ParameterDialog*>()->show();
        w.findChild<RegisterBitsDialog*>()->show();
        for (WorksheetDialog* dialog : w.findChildren<WorksheetDialog*>()) dialog->present({});
        w.findChild<ClassSummaryWindow*>()->present();
        auto* comparison = w.findChild<MethodCompareDialog*>();
        comparison->present();
        QVERIFY(compares(*comparison));
        auto* exercises = w.findChild<ExercisePanel*>();
        exercises->present();
        startExercises(*exercises, QStringLiteral("A. B."), QString(), QStringLiteral("K7M3Q"));
        QTest::qWait(50);
    }

    WindowUnderTest t_;
};

}  // namespace tarvo::app

QTEST_MAIN(tarvo::app::LanguageWalkTest)
#include "LanguageWalkTest.moc"
