#include "store/Store.h"
#include "support/Armies.h"
#include "ui/sheet/SheetExport.h"
#include "ui/sheet/SheetPages.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace
{

// Cancel, pressed at the first chance.
class Cancelling : public SheetProgress
{
public:
    bool advance(int, int) override
    {
        ++calls;
        return false;
    }
    int calls = 0;
};

} // namespace

class SheetExportTest : public QObject
{
    Q_OBJECT

private slots:
    // A cancelled export writes nothing: a new file is not made, an old one keeps its bytes.
    void cancelledExportLeavesTheFile_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("existing");
        QTest::newRow("new PDF") << "sheet.pdf" << false;
        QTest::newRow("old PDF") << "sheet.pdf" << true;
        QTest::newRow("old HTML") << "sheet.html" << true;
    }
    void cancelledExportLeavesTheFile()
    {
        QFETCH(QString, name);
        QFETCH(bool, existing);
        QTemporaryDir folder;
        const QString path = folder.filePath(name);
        if (existing) {
            QFile old(path);
            QVERIFY(old.open(QIODevice::WriteOnly) && old.write("old sheet") == 9);
        }
        Store store;
        fillFullArmy(store);
        Cancelling progress;
        QString reason;
        QCOMPARE(exportArmySheet(store, SheetOptions(), path, &progress, &reason),
                 ExportResult::Cancelled);
        QVERIFY(progress.calls > 0);
        QCOMPARE(readBytes(path), existing ? QByteArray("old sheet") : QByteArray());
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden).size(),
                 existing ? 1 : 0);
    }
};

QTEST_MAIN(SheetExportTest)
#include "tst_SheetExport.moc"
