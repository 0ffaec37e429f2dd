#include <utility>

#include "app/support/WindowUnderTest.h"
#include "app/window/Settings.h"
#include "motion/Methods.h"

using tarvo::app::clearSettings;
using tarvo::app::Settings;
using tarvo::app::useScratchHome;

namespace {

// The section as read and written by hand, bypassing Settings.
void storeRaw(const QString& key, const QString& text) {
    QSettings(QStringLiteral("Tarvo"), QStringLiteral("Tarvo")).setValue("Settings/" + key, text);
}
QStringList rawTexts(const QStringList& keys) {
    QStringList texts;
    for (const QString& key : keys) {
        texts << QSettings(QStringLiteral("Tarvo"), QStringLiteral("Tarvo"))
                     .value("Settings/" + key)
                     .toString();
    }
    return texts;
}

}  // namespace

// What the settings store makes of the texts it finds.
class SettingsTest : public QObject {
    Q_OBJECT

    QTemporaryDir home_;

private slots:
    void initTestCase() { QVERIFY(useScratchHome(home_)); }

    void init() { clearSettings(); }

    // A stored parameter that does not convert, or is out of range, reads as its default (the
    // dialog shows it so: the main window's test).
    void badStoredParametersReadAsDefaults() {
        Settings().setParameterTexts(QStringLiteral("1e400"), QStringLiteral("5mm"), QString(),
                                     QStringLiteral("1001"), QStringLiteral("inf"));
        const tarvo::interp::Parameters p = Settings().parameters();
        QCOMPARE((QList<double>{p.g54x.value.toDouble(), p.g54y.value.toDouble(),
                                p.g54z.value.toDouble(), double(p.bei), p.dl.value.toDouble()}),
                 (QList<double>{0, 0, 0, 1, 1}));
    }

    // The DDA registers' width round-trips from automatic to 32 bits; a stored text that is not
    // a width from 1 to 32 reads as automatic.
    void registerBitsRoundTripAndBadOnesReadAsAutomatic() {
        QCOMPARE(Settings().method().bits, 0);
        for (const int bits : {0, 1, 8, 32}) {
            tarvo::motion::MethodChoice choice{tarvo::motion::Interpolation::Integration, true,
                                               bits};
            Settings().saveMethod(choice);
            QCOMPARE(rawTexts({"RegisterBits"}), QStringList{QString::number(bits)});
            QVERIFY(Settings().method() == choice);
        }
        for (const char* text : {"33", "-1", "8.5", "eight", ""}) {
            storeRaw(QStringLiteral("RegisterBits"), QString::fromLatin1(text));
            QVERIFY2(Settings().method().bits == 0, text);
        }
    }

    // Each method is stored under its key, which settings written before kept, and reads back;
    // a key written otherwise, even in capitals or with a space, reads as the machine's own.
    void methodKeysRoundTripAndUnknownOnesReadAsTheMachines() {
        for (const tarvo::motion::MethodEntry& method : tarvo::motion::methods()) {
            const QString key = QString::fromLatin1(method.key);
            Settings().saveMethod({method.interpolation});
            QCOMPARE(rawTexts({"Method"}), QStringList{key});
            clearSettings();
            storeRaw(QStringLiteral("Method"), key);
            QVERIFY(Settings().method().interpolation == method.interpolation);
        }
        for (const char* text : {"DDA", "dda ", "Comparison", "integration", "2", ""}) {
            storeRaw(QStringLiteral("Method"), QString::fromLatin1(text));
            QVERIFY2(Settings().method().interpolation == tarvo::motion::Interpolation::Machine,
                     text);
        }
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
