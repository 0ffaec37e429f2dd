#include <QProcess>
#include <QTest>

#include "support/TerminalColumns.h"

namespace tarvo::app {

// `tarvo --help` as a user runs it, in the language of the system (no language chosen yet):
// every line fits a terminal of 80 columns, the program named as it is installed.
class WindowHelpTest : public QObject {
    Q_OBJECT

private slots:
    void fitsEightyColumns_data() {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("said");
        QTest::newRow("zh") << QStringLiteral("zh_CN.UTF-8")
                            << QStringLiteral("启动时打开的数控程序。");
        QTest::newRow("en") << QStringLiteral("en_US.UTF-8")
                            << QStringLiteral("An NC program to open at start.");
    }

    void fitsEightyColumns() {
        QFETCH(QString, locale);
        QFETCH(QString, said);
        QProcess tarvo;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.remove(QStringLiteral("LC_ALL"));
        environment.remove(QStringLiteral("LC_MESSAGES"));
        environment.insert(QStringLiteral("LANG"), locale);
        tarvo.setProcessEnvironment(environment);
        tarvo.start(QStringLiteral(TARVO_WINDOW), {QStringLiteral("--help")});
        QVERIFY(tarvo.waitForFinished(10000));
        const QString help = QString::fromUtf8(tarvo.readAllStandardOutput())
                                 .replace(QStringLiteral(TARVO_WINDOW), QStringLiteral("tarvo"));
        QVERIFY2(help.contains(said), qPrintable(help));
        const std::vector<std::string> wide = test::linesWiderThan(help.toStdString(), 80);
        QVERIFY2(wide.empty(), wide.empty() ? "" : wide.front().c_str());
    }
};

}  // namespace tarvo::app

QTEST_MAIN(tarvo::app::WindowHelpTest)
#include "WindowHelpTest.moc"
