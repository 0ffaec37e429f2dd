#include <QApplication>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QTest>

#include "app/window/Translations.h"

namespace tarvo::app {

// Standard buttons read in Chinese like the rest of the window.
class TranslationsTest : public QObject {
    Q_OBJECT

private slots:
    void standardButtonsReadInChinese() {
        QVERIFY(installChineseTranslations(*QApplication::instance()));
        QDialogButtonBox box(QDialogButtonBox::Ok | QDialogButtonBox::Cancel |
                             QDialogButtonBox::Save);
        QCOMPARE(box.button(QDialogButtonBox::Ok)->text(), QStringLiteral("确定"));
        QCOMPARE(box.button(QDialogButtonBox::Cancel)->text(), QStringLiteral("取消"));
        QCOMPARE(box.button(QDialogButtonBox::Save)->text(), QStringLiteral("保存"));
    }
};

}  // namespace tarvo::app

QTEST_MAIN(tarvo::app::TranslationsTest)
#include "TranslationsTest.moc"
