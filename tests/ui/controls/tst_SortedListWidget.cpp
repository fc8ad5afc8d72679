#include "ui/controls/SortedListWidget.h"

#include <QLocale>
#include <QSignalSpy>
#include <QTest>

class SortedListWidgetTest : public QObject
{
    Q_OBJECT

    static Collation english()
    {
        return Collation(QLocale(QLocale::English, QLocale::UnitedStates));
    }

    // The items, a selected one marked with "*".
    static QStringList itemTexts(const SortedListWidget& box)
    {
        QStringList items;
        for (int i = 0; i < box.count(); ++i)
            items << (box.isSelected(i) ? QStringLiteral("*") : QString()) + box.itemText(i);
        return items;
    }

    static QPoint centre(SortedListWidget& box, int row)
    {
        return box.visualRect(box.model()->index(row, 0)).center();
    }

    static void fill(SortedListWidget& box)
    {
        for (const char* text : {"a", "b", "c", "d"})
            box.addSorted(QString::fromLatin1(text));
        box.show();
        QVERIFY(QTest::qWaitForWindowExposed(&box));
    }

private slots:
    void addsAtSortedPlace_data()
    {
        QTest::addColumn<QStringList>("added");
        QTest::addColumn<QList<int>>("positions");
        QTest::addColumn<QStringList>("order");
        QTest::newRow("without regard to case")
            << QStringList{"rifle", "Bolter", "axe", "Cannon"} << QList<int>{0, 0, 0, 2}
            << QStringList{"axe", "Bolter", "Cannon", "rifle"};
        QTest::newRow("case variants kept, later after earlier")
            << QStringList{"Las", "las", "Knife", "LAS"} << QList<int>{0, 1, 0, 3}
            << QStringList{"Knife", "Las", "las", "LAS"};
        QTest::newRow("accents by the locale")
            << QStringList{"Frog", "Dog", QStringLiteral("Émile")} << QList<int>{0, 0, 1}
            << QStringList{"Dog", QStringLiteral("Émile"), "Frog"};
    }
    void addsAtSortedPlace()
    {
        QFETCH(QStringList, added);
        QFETCH(QList<int>, positions);
        QFETCH(QStringList, order);
        SortedListWidget box(nullptr, english());
        QList<int> yielded;
        for (const QString& text : added)
            yielded << box.addSorted(text);
        QCOMPARE(yielded, positions);
        box.removeAt(-1);
        box.removeAt(box.count());
        QCOMPARE(itemTexts(box), order);
        QCOMPARE(box.itemText(box.count()), QString());

        // Filled in one pass, the list holds the same order and nothing from before.
        SortedListWidget filled(nullptr, english());
        filled.addSorted(QStringLiteral("earlier"));
        filled.setSelected(0, true);
        filled.setSortedItems(added);
        QCOMPARE(itemTexts(filled), order);
    }

    // Rows clicked in turn and the items afterwards; every click is reported.
    void clicksSelect_data()
    {
        QTest::addColumn<bool>("toggle");
        QTest::addColumn<QList<int>>("clicked");
        QTest::addColumn<bool>("shift");
        QTest::addColumn<QStringList>("items");
        QTest::addColumn<int>("itemIndex");
        QTest::newRow("toggle two")
            << true << QList<int>{3, 1} << false << QStringList{"a", "*b", "c", "*d"} << 1;
        QTest::newRow("toggle off again")
            << true << QList<int>{3, 1, 3} << false << QStringList{"a", "*b", "c", "d"} << 1;
        QTest::newRow("shift makes no range")
            << true << QList<int>{0, 3} << true << QStringList{"*a", "b", "c", "*d"} << 0;
        QTest::newRow("single keeps one")
            << false << QList<int>{3, 1} << false << QStringList{"a", "*b", "c", "d"} << 1;
    }
    void clicksSelect()
    {
        QFETCH(bool, toggle);
        QFETCH(QList<int>, clicked);
        QFETCH(bool, shift);
        QFETCH(QStringList, items);
        QFETCH(int, itemIndex);
        SortedListWidget box(nullptr, english(),
                             toggle ? SortedListWidget::Selection::Toggle
                                    : SortedListWidget::Selection::Single);
        fill(box);
        QSignalSpy clicks(&box, &SortedListWidget::userSelected);
        for (int row : clicked)
            QTest::mouseClick(box.viewport(), Qt::LeftButton,
                              shift ? Qt::ShiftModifier : Qt::NoModifier, centre(box, row));
        QCOMPARE(itemTexts(box), items);
        QCOMPARE(box.selectedCount(), items.filter(QStringLiteral("*")).size());
        QCOMPARE(box.firstSelected(), itemIndex);
        QCOMPARE(clicks.size(), clicked.size());
    }

    // Dragging selects no range; Space toggles the focused item and is reported, while changes
    // made by code are not.
    void dragKeysAndCode()
    {
        SortedListWidget box(nullptr, english(), SortedListWidget::Selection::Toggle);
        fill(box);
        QSignalSpy clicks(&box, &SortedListWidget::userSelected);
        QTest::mousePress(box.viewport(), Qt::LeftButton, {}, centre(box, 0));
        QMouseEvent move(QEvent::MouseMove, centre(box, 3),
                         box.viewport()->mapToGlobal(centre(box, 3)), Qt::NoButton, Qt::LeftButton,
                         Qt::NoModifier);
        QApplication::sendEvent(box.viewport(), &move);
        QTest::mouseRelease(box.viewport(), Qt::LeftButton, {}, centre(box, 3));
        QCOMPARE(itemTexts(box), (QStringList{"*a", "b", "c", "d"}));

        box.selectOnly(1);
        box.setSelected(3, true);
        QCOMPARE(itemTexts(box), (QStringList{"a", "*b", "c", "*d"}));
        QCOMPARE(clicks.size(), 1);
        box.setFocus();
        QTest::keyClick(&box, Qt::Key_Down);
        QTest::keyClick(&box, Qt::Key_Space);
        QCOMPARE(itemTexts(box), (QStringList{"a", "*b", "*c", "*d"}));
        QCOMPARE(clicks.size(), 2);
        box.selectOnly(-1);
        QCOMPARE(box.firstSelected(), -1);
    }
};

QTEST_MAIN(SortedListWidgetTest)
#include "tst_SortedListWidget.moc"
