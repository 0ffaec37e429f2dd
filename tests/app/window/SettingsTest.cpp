#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include "app/Settings.h"

using tarvo::app::Placement;
using tarvo::app::Settings;

namespace {

// The section as written by hand, bypassing Settings.
void storeRaw(const QString& key, const QString& text) {
    QSettings store(QStringLiteral("Tarvo"), QStringLiteral("Tarvo"));
    store.setValue(QStringLiteral("Settings/") + key, text);
}

QVariant raw(const QString& key) {
    return QSettings(QStringLiteral("Tarvo"), QStringLiteral("Tarvo"))
        .value(QStringLiteral("Settings/") + key);
}

double field(const tarvo::interp::Parameters& p, const QString& key) {
    if (key == u"g54x") return p.g54x;
    if (key == u"g54y") return p.g54y;
    if (key == u"g54z") return p.g54z;
    if (key == u"bei") return p.bei;
    return p.dl;
}

}  // namespace

class SettingsTest : public QObject {
    Q_OBJECT

    QTemporaryDir home_;

private slots:
    void initTestCase() {
        QStandardPaths::setTestModeEnabled(true);
        QVERIFY(home_.isValid());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, home_.path());
    }

    void init() { QSettings(QStringLiteral("Tarvo"), QStringLiteral("Tarvo")).clear(); }

    void firstStartReadsDefaults() {
        const Settings settings;
        const QStringList expected{"0", "0", "0", "1", "1"};
        for (std::size_t i = 0; i < tarvo::app::parameterKeys.size(); ++i) {
            QCOMPARE(settings.parameterText(tarvo::app::parameterKeys[i].toString()),
                     expected[static_cast<qsizetype>(i)]);
        }
        const auto p = settings.parameters();
        QCOMPARE(p.g54x, 0.0);
        QCOMPARE(p.g54y, 0.0);
        QCOMPARE(p.g54z, 0.0);
        QCOMPARE(p.bei, 1);
        QCOMPARE(p.dl, 1.0);
    }

    void textsAreStoredAsTyped() {
        Settings settings;
        settings.setParameterTexts("5", "-2.25", "1e1", " 2.5", "1.50");
        QCOMPARE(raw("dl").typeId(), QMetaType::QString);
        QCOMPARE(raw("dl").toString(), "1.50");
        QCOMPARE(raw("bei").toString(), " 2.5");
        QCOMPARE(settings.parameterText("dl"), "1.50");
        QCOMPARE(settings.parameterText("g54z"), "1e1");
        const auto p = Settings().parameters();
        QCOMPARE(p.g54x, 5.0);
        QCOMPARE(p.g54y, -2.25);
        QCOMPARE(p.g54z, 10.0);
        QCOMPARE(p.bei, 2);
        QCOMPARE(p.dl, 1.5);
    }

    // A stored text reads as itself when valid, else as the key's default;
    // the other keys are never disturbed.
    void storedTextIsCheckedPerKey_data() {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("read");
        for (const char* key : {"g54x", "g54y", "g54z"}) {
            const QByteArray k(key);
            QTest::newRow(k + " garbage") << key << "abc"
                                          << "0";
            QTest::newRow(k + " empty") << key << ""
                                        << "0";
            QTest::newRow(k + " number then garbage") << key << "5mm"
                                                      << "0";
            QTest::newRow(k + " infinite") << key << "inf"
                                           << "0";
            QTest::newRow(k + " not a number") << key << "nan"
                                               << "0";
            QTest::newRow(k + " overflowing") << key << "1e400"
                                              << "0";
            QTest::newRow(k + " negative") << key << "-12.5"
                                           << "-12.5";
        }
        QTest::newRow("bei garbage") << "bei"
                                     << "x2"
                                     << "1";
        QTest::newRow("bei empty") << "bei"
                                   << ""
                                   << "1";
        QTest::newRow("bei zero") << "bei"
                                  << "0"
                                  << "1";
        QTest::newRow("bei negative") << "bei"
                                      << "-1"
                                      << "1";
        QTest::newRow("bei above range") << "bei"
                                         << "1001"
                                         << "1";
        QTest::newRow("bei beyond 16 bits") << "bei"
                                            << "40000"
                                            << "1";
        QTest::newRow("bei highest") << "bei"
                                     << "1000"
                                     << "1000";
        QTest::newRow("dl garbage") << "dl"
                                    << "abc"
                                    << "1";
        QTest::newRow("dl empty") << "dl"
                                  << ""
                                  << "1";
        QTest::newRow("dl zero") << "dl"
                                 << "0"
                                 << "1";
        QTest::newRow("dl negative") << "dl"
                                     << "-1"
                                     << "1";
        QTest::newRow("dl below range") << "dl"
                                        << "0.0009"
                                        << "1";
        QTest::newRow("dl above range") << "dl"
                                        << "100.1"
                                        << "1";
        QTest::newRow("dl infinite") << "dl"
                                     << "inf"
                                     << "1";
        QTest::newRow("dl lowest") << "dl"
                                   << "0.001"
                                   << "0.001";
        QTest::newRow("dl highest") << "dl"
                                    << "100"
                                    << "100";
    }

    void storedTextIsCheckedPerKey() {
        QFETCH(QString, key);
        QFETCH(QString, stored);
        QFETCH(QString, read);
        Settings settings;
        settings.setParameterTexts("1", "2", "3", "4", "0.5");
        storeRaw(key, stored);
        QCOMPARE(settings.parameterText(key), read);
        const auto p = settings.parameters();
        QCOMPARE(field(p, key), read.toDouble());
        const tarvo::interp::Parameters others{1, 2, 3, 4, 0.5};
        for (const QStringView other : tarvo::app::parameterKeys) {
            if (other != key) QCOMPARE(field(p, other.toString()), field(others, other.toString()));
        }
    }

    void magnificationRoundsHalvesToEven_data() {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<int>("bei");
        QTest::newRow("2.5 down") << "2.5" << 2;
        QTest::newRow("3.5 up") << "3.5" << 4;
        QTest::newRow("1.5 up") << "1.5" << 2;
        QTest::newRow("2.4999 down") << "2.4999" << 2;
        QTest::newRow("2.5001 up") << "2.5001" << 3;
        QTest::newRow("999.5 up") << "999.5" << 1000;
        QTest::newRow("1000.5 down into range") << "1000.5" << 1000;
        QTest::newRow("0.5 down to 0: default") << "0.5" << 1;
        QTest::newRow("1001.5 up out of range: default") << "1001.5" << 1;
    }

    void magnificationRoundsHalvesToEven() {
        QFETCH(QString, stored);
        QFETCH(int, bei);
        storeRaw("bei", stored);
        QCOMPARE(Settings().parameters().bei, bei);
    }

    void placementIsAbsentAtFirstStart() { QVERIFY(!Settings().placement()); }

    void placementRoundTripsWithFractions() {
        Settings().savePlacement({1000, 1234.5f, 7000.5f, 6500.25f});
        QCOMPARE(raw("MainLeft").toString(), "1000");
        QCOMPARE(raw("MainTop").toString(), "1234.5");
        QCOMPARE(raw("MainWidth").toString(), "7000.5");
        QCOMPARE(raw("MainHeight").toString(), "6500.25");
        const auto placement = Settings().placement();
        QVERIFY(placement);
        QCOMPARE(placement->left, 1000.0f);
        QCOMPARE(placement->top, 1234.5f);
        QCOMPARE(placement->width, 7000.5f);
        QCOMPARE(placement->height, 6500.25f);
    }

    void placementIsNothingUnlessAllFourAreNumbers_data() {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("stored");
        QTest::newRow("left garbage") << "MainLeft"
                                      << "left";
        QTest::newRow("top empty") << "MainTop"
                                   << "";
        QTest::newRow("width infinite") << "MainWidth"
                                        << "inf";
        QTest::newRow("height overflowing a float") << "MainHeight"
                                                    << "1e39";
    }

    void placementIsNothingUnlessAllFourAreNumbers() {
        QFETCH(QString, key);
        QFETCH(QString, stored);
        Settings().savePlacement({1000, 1000, 6500, 6500});
        storeRaw(key, stored);
        QVERIFY(!Settings().placement());
    }

    void placementIsNothingWhenOneKeyIsAbsent() {
        Settings().savePlacement({1000, 1000, 6500, 6500});
        QSettings(QStringLiteral("Tarvo"), QStringLiteral("Tarvo")).remove("Settings/MainHeight");
        QVERIFY(!Settings().placement());
    }
};

QTEST_MAIN(SettingsTest)
#include "SettingsTest.moc"
