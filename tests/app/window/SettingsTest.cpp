#include "app/support/TableFile.h"
#include "app/support/WindowUnderTest.h"
#include "app/window/WindowPlacement.h"
#include "motion/Methods.h"

namespace tarvo::app {

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

// What the settings read for a key, as the table of stored texts writes it.
QByteArray readBack(const QByteArray& key) {
    const motion::MethodChoice method = Settings().method();
    for (const motion::MethodEntry& m : motion::methods()) {
        if (key == "Method" && m.interpolation == method.interpolation)
            return QByteArray(m.key.data(), qsizetype(m.key.size()));
    }
    if (key == "RegisterBits") return QByteArray::number(method.bits);
    return Settings().placement() ? "placed" : "none";
}

QRect rect(const QByteArray& field) {
    const QList<QByteArray> n = field.split(' ');
    return n.size() == 4 ? QRect(n[0].toInt(), n[1].toInt(), n[2].toInt(), n[3].toInt()) : QRect();
}

}  // namespace

// What the settings store makes of the texts it finds, and the window's place kept from one
// start to the next on a classroom's 1366 × 768 screen.
class SettingsTest : public QObject {
    Q_OBJECT

public:
    static void initMain() { onASmallScreen(); }

private slots:
    void initTestCase() { QVERIFY(t_.enterHome()); }

    void init() { clearSettings(); }

    void cleanup() { t_.window.reset(); }

    // Each method is stored under its key, which settings written before kept; the DDA's
    // width from automatic to 32 bits; the placement with its fractions of a twip.
    void valuesRoundTrip() {
        for (const motion::MethodEntry& method : motion::methods()) {
            Settings().saveMethod({method.interpolation});
            QCOMPARE(rawTexts({"Method"}), QStringList{QString::fromLatin1(method.key)});
            QVERIFY(Settings().method().interpolation == method.interpolation);
        }
        for (const int bits : {0, 1, 8, 32}) {
            const motion::MethodChoice choice{motion::Interpolation::Integration, true, bits};
            Settings().saveMethod(choice);
            QCOMPARE(rawTexts({"RegisterBits"}), QStringList{QString::number(bits)});
            QVERIFY(Settings().method() == choice);
        }
        Settings().savePlacement({1000, 1234.5f, 7000.5f, 6500.25f});
        QCOMPARE(rawTexts({"MainLeft", "MainTop", "MainWidth", "MainHeight"}),
                 QStringList({"1000", "1234.5", "7000.5", "6500.25"}));
        const auto p = Settings().placement();
        QVERIFY(p && p->left == 1000 && p->top == 1234.5f && p->width == 7000.5f &&
                p->height == 6500.25f);
        QSettings(QStringLiteral("Tarvo"), QStringLiteral("Tarvo")).remove("Settings/MainTop");
        QVERIFY(!Settings().placement());
    }

    void badStoredTextsReadAsDefaults_data() { QVERIFY(addRows("stored-settings.tsv")); }
    void badStoredTextsReadAsDefaults() {
        QFETCH(TableRow, row);
        Settings().saveMethod({motion::Interpolation::Integration, true, 8});
        Settings().savePlacement({1000, 1000, 6500, 6500});
        storeRaw(QString::fromUtf8(row["key"]), QString::fromUtf8(row["stored"]));
        QCOMPARE(readBack(row["key"]), row["reads"]);
    }

    void storedPlacesFitTheScreen_data() { QVERIFY(addRows("stored-placements.tsv")); }
    void storedPlacesFitTheScreen() {
        QFETCH(TableRow, row);
        const QList<QByteArray> frame = row["frame"].split(' ');
        QCOMPARE(fittedToScreen(rect(row["stored"]), rect(row["screen"]),
                                QSize(frame.value(0).toInt(), frame.value(1).toInt())),
                 rect(row["fitted"]));
    }

    // With nothing kept, the designed size stands in the middle of the screen. A size kept on a
    // large monitor (2400 × 1400 pixels at 300, 200) opens as the whole small screen and is kept
    // so; a place that fits comes back and is kept to the fraction of a twip.
    void placesKeptFitTheSmallScreen() {
        QVERIFY(t_.openWindow());
        const QRect designed(t_.window->pos(), t_.window->size());
        QVERIFY(QRect(0, 0, 1366, 768).contains(designed));
        QVERIFY(std::abs(designed.center().x() - 683) <= 1 &&
                std::abs(designed.center().y() - 384) <= 1);

        t_.settings.savePlacement({4500, 3000, 36000, 21000});
        QVERIFY(t_.openWindow());
        QCOMPARE(QRect(t_.window->pos(), t_.window->size()), QRect(0, 0, 1366, 768));
        QVERIFY(t_.window->close());
        const Placement fitted = *t_.settings.placement();
        QCOMPARE(QRectF(fitted.left, fitted.top, fitted.width, fitted.height),
                 QRectF(0, 0, 20490, 11520));

        t_.settings.savePlacement({1500.5f, 1500, 15000, 9000});
        QVERIFY(t_.openWindow());
        QCOMPARE(QRect(t_.window->pos(), t_.window->size()), QRect(100, 100, 1000, 600));
        QVERIFY(t_.window->close());
        QCOMPARE(t_.settings.placement()->left, 1500.5f);
    }

private:
    WindowUnderTest t_;
};

}  // namespace tarvo::app

QTEST_MAIN(tarvo::app::SettingsTest)
#include "SettingsTest.moc"
