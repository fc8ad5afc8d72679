#include "ui/controls/Button.h"

#include <QTest>

// Every button picture is compiled into the program: none is looked up at run time, so none can
// be missing on a desktop without an icon theme.
class ButtonTest : public QObject
{
    Q_OBJECT
private slots:
    void picturesAreCompiledIn()
    {
        for (int icon = int(ButtonIcon::Ok); icon <= int(ButtonIcon::Help); ++icon) {
            const Button button(nullptr, QStringLiteral("Caption"), ButtonIcon(icon));
            QVERIFY2(!button.icon().availableSizes().isEmpty(), qPrintable(QString::number(icon)));
        }
        QVERIFY(Button(nullptr, QStringLiteral("Caption"), ButtonIcon::None).icon().isNull());
    }
};

QTEST_MAIN(ButtonTest)
#include "tst_Button.moc"
