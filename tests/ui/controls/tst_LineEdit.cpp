#include "ui/controls/LineEdit.h"

#include <QTest>

class LineEditTest : public QObject
{
    Q_OBJECT
private slots:
    // A read-only edit is told apart from an open one by its background; made editable again it
    // looks like any other edit.
    void readOnlyEditLooksReadOnly()
    {
        LineEdit open;
        LineEdit edit(nullptr, QStringLiteral("Bolter"));
        const QColor openBase = open.palette().color(QPalette::Base);
        edit.setReadOnly(true);
        QCOMPARE(edit.palette().color(QPalette::Base), edit.palette().color(QPalette::Window));
        QVERIFY(edit.palette().color(QPalette::Base) != openBase);
        edit.setReadOnly(false);
        QCOMPARE(edit.palette().color(QPalette::Base), openBase);
    }
};

QTEST_MAIN(LineEditTest)
#include "tst_LineEdit.moc"
