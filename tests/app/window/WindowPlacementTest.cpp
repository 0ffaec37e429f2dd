#include "app/support/TableFile.h"
#include "app/support/WindowUnderTest.h"
#include "app/window/WindowPlacement.h"

namespace tarvo::app {

namespace {

QRect rect(const QByteArray& field) {
    const QList<QByteArray> n = field.split(' ');
    return n.size() == 4 ? QRect(n[0].toInt(), n[1].toInt(), n[2].toInt(), n[3].toInt()) : QRect();
}

QSize size(const QByteArray& field) {
    const QList<QByteArray> n = field.split(' ');
    return n.size() == 2 ? QSize(n[0].toInt(), n[1].toInt()) : QSize(-1, -1);
}

}  // namespace

// The window's place kept from one start to the next, on a classroom's 1366 × 768 screen.
class WindowPlacementTest : public QObject {
    Q_OBJECT

public:
    static void initMain() { onASmallScreen(); }

private slots:
    void initTestCase() { QVERIFY(t_.enterHome()); }

    void init() { clearSettings(); }

    void cleanup() { t_.window.reset(); }

    void storedPlacesFitTheScreen_data() { QVERIFY(addRows("stored-placements.tsv")); }
    void storedPlacesFitTheScreen() {
        QFETCH(TableRow, row);
        QCOMPARE(fittedToScreen(rect(row["stored"]), rect(row["screen"]), size(row["frame"])),
                 rect(row["fitted"]));
    }

    // A size kept on a large monitor (2400 × 1400 pixels at 300, 200) opens as the whole small
    // screen and is kept so; a place that fits comes back and is kept to the fraction of a twip.
    void aLargeMonitorsSizeOpensFittedAndIsKeptFitted() {
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

    // With nothing kept, the designed size stands in the middle of the screen.
    void theDesignedSizeOpensInTheMiddle() {
        QVERIFY(t_.openWindow());
        const QRect placed(t_.window->pos(), t_.window->size());
        QVERIFY(QRect(0, 0, 1366, 768).contains(placed));
        QVERIFY(std::abs(placed.center().x() - 683) <= 1 &&
                std::abs(placed.center().y() - 384) <= 1);
    }

private:
    WindowUnderTest t_;
};

}  // namespace tarvo::app

QTEST_MAIN(tarvo::app::WindowPlacementTest)
#include "WindowPlacementTest.moc"
