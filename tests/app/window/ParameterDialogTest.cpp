#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include "app/ParameterDialog.h"
#include "app/Settings.h"
#include "interp/Messages.h"

using tarvo::app::ParameterDialog;
using tarvo::app::Settings;

namespace {

QString message(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QStringList storedTexts() {
    QSettings store(QStringLiteral("Tarvo"), QStringLiteral("Tarvo"));
    QStringList texts;
    for (const QStringView key : tarvo::app::parameterKeys) {
        texts << store.value(QStringLiteral("Settings/") + key.toString()).toString();
    }
    return texts;
}

}  // namespace

class ParameterDialogTest : public QObject {
    Q_OBJECT

    QTemporaryDir home_;
    Settings settings_;

    QList<QLineEdit*> fields(ParameterDialog& d) {
        return {&d.g54xt(), &d.g54yt(), &d.g54zt(), &d.beit(), &d.dlt()};
    }

    QStringList shown(ParameterDialog& d) {
        QStringList texts;
        for (const QLineEdit* f : fields(d)) texts << f->text();
        return texts;
    }

    void type(ParameterDialog& d, const QStringList& texts) {
        const auto edits = fields(d);
        for (qsizetype i = 0; i < edits.size(); ++i) {
            edits[i]->clear();
            QTest::keyClicks(edits[i], texts[i]);
        }
    }

    void clickOk(ParameterDialog& d) {
        auto* ok = d.findChild<QPushButton*>();
        QVERIFY(ok);
        QCOMPARE(ok->text(), "确定");
        QTest::mouseClick(ok, Qt::LeftButton);
    }

    const QLabel& problem(ParameterDialog& d) { return *d.findChild<QLabel*>("problem"); }

private slots:
    void initTestCase() {
        QStandardPaths::setTestModeEnabled(true);
        QVERIFY(home_.isValid());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, home_.path());
    }

    void init() { QSettings(QStringLiteral("Tarvo"), QStringLiteral("Tarvo")).clear(); }

    void looksLikeTheDesignedDialog() {
        ParameterDialog d(settings_);
        QCOMPARE(d.windowTitle(), "参数设置");
        QCOMPARE(d.palette().color(QPalette::Window), QColor(224, 224, 224));
        QStringList captions;
        for (const QLabel* label : d.findChildren<QLabel*>()) captions << label->text();
        for (const char* caption : {"XC：", "YC：", "ZC：", "放大倍数", "脉冲当量(mm)"}) {
            QVERIFY2(captions.contains(caption), caption);
        }
        d.show();
        QVERIFY(QTest::qWaitForWindowExposed(&d));
        QVERIFY(d.g54xt().x() < d.beit().x());
        QVERIFY(d.g54xt().y() < d.g54yt().y() && d.g54yt().y() < d.g54zt().y());
        QVERIFY(d.beit().y() < d.dlt().y());
        QVERIFY(d.findChild<QPushButton*>()->y() > d.dlt().y());
    }

    void firstStartShowsDefaults() {
        ParameterDialog d(settings_);
        d.load();
        QCOMPARE(shown(d), QStringList({"0", "0", "0", "1", "1"}));
    }

    void loadShowsStoredTexts() {
        settings_.setParameterTexts("1.50", "-2", "3e1", "2.5", "0.010");
        ParameterDialog d(settings_);
        d.load();
        QCOMPARE(shown(d), QStringList({"1.50", "-2", "3e1", "2.5", "0.010"}));
    }

    void okStoresTextsAsTypedAndEmitsTheOrigin() {
        ParameterDialog d(settings_);
        d.load();
        QSignalSpy accepted(&d, &ParameterDialog::originAccepted);
        d.show();
        type(d, {"5", "0", "0", "2", "1.50"});
        clickOk(d);
        QCOMPARE(accepted.count(), 1);
        QCOMPARE(accepted.first(), QVariantList({5.0, 0.0, 0.0}));
        QCOMPARE(storedTexts(), QStringList({"5", "0", "0", "2", "1.50"}));
        QCOMPARE(d.result(), QDialog::Accepted);
        QVERIFY(!d.isVisible());
    }

    // Every field at and beyond its limits: a valid text is stored as typed
    // and converted by the settings; an invalid one is refused with its
    // message, the dialog stays open and nothing is stored.
    void limits_data() {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<double>("value");
        const int bei = 3, dl = 4;
        QTest::newRow("bei 1") << bei << "1" << true << 1.0;
        QTest::newRow("bei 1000") << bei << "1000" << true << 1000.0;
        QTest::newRow("bei 2.5 rounds to 2") << bei << "2.5" << true << 2.0;
        QTest::newRow("bei 3.5 rounds to 4") << bei << "3.5" << true << 4.0;
        QTest::newRow("bei 0") << bei << "0" << false << 0.0;
        QTest::newRow("bei 1001") << bei << "1001" << false << 0.0;
        QTest::newRow("bei 40000") << bei << "40000" << false << 0.0;
        QTest::newRow("bei abc") << bei << "abc" << false << 0.0;
        QTest::newRow("dl 0.001") << dl << "0.001" << true << 0.001;
        QTest::newRow("dl 100") << dl << "100" << true << 100.0;
        QTest::newRow("dl 0.0009") << dl << "0.0009" << false << 0.0;
        QTest::newRow("dl 100.1") << dl << "100.1" << false << 0.0;
        QTest::newRow("dl 0") << dl << "0" << false << 0.0;
        QTest::newRow("dl -1") << dl << "-1" << false << 0.0;
        QTest::newRow("dl abc") << dl << "abc" << false << 0.0;
        QTest::newRow("dl empty") << dl << "" << false << 0.0;
        for (const int axis : {0, 1, 2}) {
            const QByteArray name = QByteArray("origin ") + char('X' + axis);
            QTest::newRow(name + " -12.5") << axis << "-12.5" << true << -12.5;
            QTest::newRow(name + " abc") << axis << "abc" << false << 0.0;
            QTest::newRow(name + " empty") << axis << "" << false << 0.0;
        }
    }

    void limits() {
        QFETCH(int, index);
        QFETCH(QString, text);
        QFETCH(bool, valid);
        QFETCH(double, value);
        settings_.setParameterTexts("7", "8", "9", "10", "0.5");
        const QStringList before = storedTexts();
        ParameterDialog d(settings_);
        d.load();
        QSignalSpy accepted(&d, &ParameterDialog::originAccepted);
        d.show();
        QStringList typed = before;
        typed[index] = text;
        type(d, typed);
        clickOk(d);
        if (valid) {
            QCOMPARE(storedTexts(), typed);
            const auto p = settings_.parameters();
            const double converted[] = {p.g54x, p.g54y, p.g54z, double(p.bei), p.dl};
            QCOMPARE(converted[index], value);
            QCOMPARE(accepted.count(), 1);
            QVERIFY(!d.isVisible());
            return;
        }
        const std::string_view expected[] = {
            tarvo::interp::messages::badOrigin, tarvo::interp::messages::badOrigin,
            tarvo::interp::messages::badOrigin, tarvo::interp::messages::badMagnification,
            tarvo::interp::messages::badPulseEquivalent};
        QCOMPARE(problem(d).text(), message(expected[index]));
        QVERIFY(problem(d).isVisible());
        QCOMPARE(storedTexts(), before);
        QCOMPARE(accepted.count(), 0);
        QVERIFY(d.isVisible());
        QCOMPARE(fields(d)[index]->selectedText(), text);
    }

    void theFirstInvalidFieldIsNamed() {
        ParameterDialog d(settings_);
        d.load();
        d.show();
        type(d, {"0", "0", "0", "0", "0"});
        clickOk(d);
        QCOMPARE(problem(d).text(), message(tarvo::interp::messages::badMagnification));
        d.beit().setText("1");
        clickOk(d);
        QCOMPARE(problem(d).text(), message(tarvo::interp::messages::badPulseEquivalent));
    }

    void loadClearsARefusal() {
        ParameterDialog d(settings_);
        d.load();
        d.show();
        d.dlt().setText("abc");
        clickOk(d);
        QVERIFY(problem(d).isVisible());
        d.load();
        QVERIFY(!problem(d).isVisible());
        QCOMPARE(d.dlt().text(), "1");
    }

    void closingOtherwiseKeepsNothing_data() {
        QTest::addColumn<bool>("escape");
        QTest::newRow("close box") << false;
        QTest::newRow("escape") << true;
    }

    void closingOtherwiseKeepsNothing() {
        QFETCH(bool, escape);
        settings_.setParameterTexts("1", "2", "3", "4", "0.5");
        ParameterDialog d(settings_);
        d.load();
        QSignalSpy accepted(&d, &ParameterDialog::originAccepted);
        d.show();
        type(d, {"5", "6", "7", "8", "0.25"});
        if (escape) {
            QTest::keyClick(&d.g54xt(), Qt::Key_Escape);
        } else {
            QVERIFY(d.close());
        }
        QVERIFY(!d.isVisible());
        QCOMPARE(d.result(), QDialog::Rejected);
        QCOMPARE(accepted.count(), 0);
        QCOMPARE(storedTexts(), QStringList({"1", "2", "3", "4", "0.5"}));
        d.load();
        QCOMPARE(shown(d), QStringList({"1", "2", "3", "4", "0.5"}));
    }
};

QTEST_MAIN(ParameterDialogTest)
#include "ParameterDialogTest.moc"
