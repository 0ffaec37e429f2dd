#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include "app/support/WindowUnderTest.h"
#include "app/window/ParameterDialog.h"
#include "app/window/Settings.h"
#include "interp/Messages.h"

using tarvo::app::clearSettings;
using tarvo::app::ParameterDialog;
using tarvo::app::Settings;
using tarvo::app::useScratchHome;

namespace {

// The section as read and written by hand, bypassing Settings.
QVariant raw(const QString& key) {
    return QSettings(QStringLiteral("Tarvo"), QStringLiteral("Tarvo")).value("Settings/" + key);
}
void storeRaw(const QString& key, const QString& text) {
    QSettings(QStringLiteral("Tarvo"), QStringLiteral("Tarvo")).setValue("Settings/" + key, text);
}
QStringList rawTexts(const QStringList& keys) {
    QStringList texts;
    for (const QString& key : keys) texts << raw(key).toString();
    return texts;
}
const QStringList keys{"g54x", "g54y", "g54z", "bei", "dl"};  // the stored names

QList<double> values(const tarvo::interp::Parameters& p) {
    return {p.g54x.value.toDouble(), p.g54y.value.toDouble(), p.g54z.value.toDouble(),
            double(p.bei), p.dl.value.toDouble()};
}

QList<QLineEdit*> fields(ParameterDialog& d) {
    return {&d.g54xt(), &d.g54yt(), &d.g54zt(), &d.beit(), &d.dlt()};
}
QStringList shown(ParameterDialog& d) {
    QStringList texts;
    for (const QLineEdit* f : fields(d)) texts << f->text();
    return texts;
}
void type(ParameterDialog& d, const QStringList& texts) {
    for (qsizetype i = 0; i < texts.size(); ++i) {
        fields(d)[i]->clear();
        QTest::keyClicks(fields(d)[i], texts[i]);
    }
}
void clickOk(ParameterDialog& d) {
    QTest::mouseClick(d.findChild<QPushButton*>(), Qt::LeftButton);
}
const QLabel& problem(ParameterDialog& d) {
    return *d.findChild<QLabel*>("problem");
}
QString message(int field, const QString& typed) {
    using namespace tarvo::interp::messages;
    // A number the origin cannot hold exactly has a message of its own.
    const std::string_view origin = typed == u"1e400" ? originUnrepresentable : badOrigin;
    const std::string_view text[] = {origin, origin, origin, badMagnification, badPulseEquivalent};
    return QString::fromUtf8(text[field].data(), static_cast<qsizetype>(text[field].size()));
}

}  // namespace

// The settings store and the parameter dialog that edits it.
class SettingsTest : public QObject {
    Q_OBJECT

    QTemporaryDir home_;
    Settings settings_;

private slots:
    void initTestCase() { QVERIFY(useScratchHome(home_)); }

    void init() { clearSettings(); }

    // Each key accepts or refuses its texts, stored by hand or typed; other keys stay untouched.
    void textIsCheckedPerKey_data() {
        QTest::addColumn<int>("field");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<double>("value");
        const auto row = [](int field, const char* text, bool valid, double value) {
            QTest::addRow("%s '%s'", qPrintable(keys[field]), text)
                << field << QString(text) << valid << value;
        };
        const std::pair<const char*, int> magnifications[] = {
            {"1", 1}, {"1000", 1000}, {"2.5", 2}, {"3.5", 4}, {"2.5001", 3}, {"1000.5", 1000}};
        for (const int axis : {0, 1, 2}) {
            for (const char* bad : {"abc", "", "5mm", "inf", "nan", "1e400"}) {
                row(axis, bad, false, 0);
            }
            row(axis, "-12.5", true, -12.5);
        }
        for (const char* bad : {"abc", "", "0", "-1", "1001", "40000", "0.5", "1001.5"}) {
            row(3, bad, false, 1);
        }
        for (const auto& [text, bei] : magnifications) row(3, text, true, bei);
        for (const char* bad : {"abc", "", "0", "-1", "0.0009", "100.1", "inf"}) {
            row(4, bad, false, 1);
        }
        row(4, "0.001", true, 0.001);
        row(4, "100", true, 100);
    }
    void textIsCheckedPerKey() {
        QFETCH(int, field);
        QFETCH(QString, text);
        QFETCH(bool, valid);
        QFETCH(double, value);
        const QStringList before{"1", "2", "3", "4", "0.5"};
        settings_.setParameterTexts(before[0], before[1], before[2], before[3], before[4]);
        storeRaw(keys[field], text);
        QCOMPARE(settings_.parameterText(keys[field]), valid ? text : field < 3 ? "0" : "1");
        QList<double> converted{1, 2, 3, 4, 0.5};
        converted[field] = value;
        QCOMPARE(values(settings_.parameters()), converted);

        storeRaw(keys[field], before[field]);
        ParameterDialog d(settings_);
        d.load();
        QSignalSpy accepted(&d, &ParameterDialog::originAccepted);
        d.show();
        QStringList typed = before;
        typed[field] = text;
        type(d, typed);
        clickOk(d);
        QCOMPARE(rawTexts(keys), valid ? typed : before);
        QCOMPARE(accepted.count(), valid ? 1 : 0);
        QCOMPARE(d.isVisible(), !valid);
        QCOMPARE(problem(d).isVisible(), !valid);
        QCOMPARE(problem(d).text(), valid ? QString() : message(field, text));
        if (valid) return;
        QCOMPARE(fields(d)[field]->selectedText(), text);
        d.load();  // the next opening starts afresh
        QVERIFY(!problem(d).isVisible());
        QCOMPARE(shown(d), before);
    }

    // Defaults at first; OK stores the texts as typed and tells the origin, closing keeps nothing.
    void onlyOkKeepsTheTexts_data() {
        QTest::addColumn<QString>("how");
        for (const char* how : {"ok", "close box", "escape"}) QTest::newRow(how) << QString(how);
    }
    void onlyOkKeepsTheTexts() {
        QFETCH(QString, how);
        const QStringList defaults{"0", "0", "0", "1", "1"};
        const QStringList typed{"5", "-2.25", "1e1", " 2.5", "1.50"};
        ParameterDialog d(settings_);
        d.load();
        QCOMPARE(shown(d), defaults);
        QSignalSpy accepted(&d, &ParameterDialog::originAccepted);
        d.show();
        type(d, typed);
        if (how == "ok") clickOk(d);
        if (how == "escape") QTest::keyClick(&d.g54xt(), Qt::Key_Escape);
        if (how == "close box") QVERIFY(d.close());
        const bool ok = how == "ok";
        QVERIFY(!d.isVisible());
        QCOMPARE(d.result(), ok ? QDialog::Accepted : QDialog::Rejected);
        QCOMPARE(accepted, (ok ? QList<QVariantList>{{5.0, -2.25, 10.0}} : QList<QVariantList>()));
        QCOMPARE(rawTexts(keys), ok ? typed : QStringList(5, QString()));
        QCOMPARE(raw("bei").typeId(), ok ? QMetaType::QString : QMetaType::UnknownType);
        QCOMPARE(values(Settings().parameters()),
                 ok ? QList<double>({5, -2.25, 10, 2, 1.5}) : QList<double>({0, 0, 0, 1, 1}));
        d.load();
        QCOMPARE(shown(d), ok ? typed : defaults);
    }

    // The placement round-trips with fractions, and is nothing unless all four are numbers.
    void placementRoundTripsOnlyWhole() {
        QVERIFY(!Settings().placement());
        Settings().savePlacement({1000, 1234.5f, 7000.5f, 6500.25f});
        QCOMPARE(rawTexts({"MainLeft", "MainTop", "MainWidth", "MainHeight"}),
                 QStringList({"1000", "1234.5", "7000.5", "6500.25"}));
        const auto p = Settings().placement();
        QVERIFY(p);
        QCOMPARE(QList<float>({p->left, p->top, p->width, p->height}),
                 QList<float>({1000, 1234.5f, 7000.5f, 6500.25f}));
        for (const auto& [key, text] : {std::pair{"MainLeft", "left"},
                                        {"MainTop", ""},
                                        {"MainWidth", "inf"},
                                        {"MainHeight", "1e39"}}) {
            Settings().savePlacement({1000, 1000, 6500, 6500});
            storeRaw(key, text);
            QVERIFY2(!Settings().placement(), key);
        }
        QSettings(QStringLiteral("Tarvo"), QStringLiteral("Tarvo")).remove("Settings/MainTop");
        QVERIFY(!Settings().placement());
    }
};

QTEST_MAIN(SettingsTest)
#include "SettingsTest.moc"
