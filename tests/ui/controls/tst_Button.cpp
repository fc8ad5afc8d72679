#include "ui/controls/Button.h"

#include <QImage>
#include <QTest>

// Every button picture is compiled into the program: none is looked up or decoded at run time,
// so none can be missing on a desktop without an icon theme, and each shows its picture file's
// pixels exactly.
class ButtonTest : public QObject
{
    Q_OBJECT
private slots:
    void picturesAreCompiledInAsDrawn_data()
    {
        QTest::addColumn<ButtonIcon>("icon");
        QTest::addColumn<QString>("file");
        const char* const files[] = {"ok",   "cancel", "close",  "new",      "save", "load",
                                     "edit", "add",    "delete", "previous", "next", "help"};
        for (int icon = int(ButtonIcon::Ok); icon <= int(ButtonIcon::Help); ++icon) {
            const char* file = files[icon - int(ButtonIcon::Ok)];
            QTest::newRow(file) << ButtonIcon(icon) << QString::fromLatin1(file);
        }
    }
    void picturesAreCompiledInAsDrawn()
    {
        QFETCH(ButtonIcon, icon);
        QFETCH(QString, file);
        const QImage drawn(QStringLiteral(QUARRIMAK_BUTTON_ICONS "/%1.png").arg(file));
        QVERIFY(!drawn.isNull());
        const Button button(nullptr, QStringLiteral("Caption"), icon);
        QCOMPARE(button.icon().availableSizes(), QList<QSize>{drawn.size()});
        const QImage shown = button.icon().pixmap(drawn.size()).toImage();
        QCOMPARE(shown.convertToFormat(QImage::Format_ARGB32_Premultiplied),
                 drawn.convertToFormat(QImage::Format_ARGB32_Premultiplied));
    }

    void noPictureIsNone()
    {
        QVERIFY(Button(nullptr, QStringLiteral("Caption"), ButtonIcon::None).icon().isNull());
    }
};

QTEST_MAIN(ButtonTest)
#include "tst_Button.moc"
