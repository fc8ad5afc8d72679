#include "ui/controls/ListBox.h"

#include <QCollator>
#include <QLocale>
#include <QSignalSpy>
#include <QTest>

class ListBoxTest : public QObject
{
    Q_OBJECT

    static QCollator English()
    {
        QCollator collation(QLocale(QLocale::English, QLocale::UnitedStates));
        collation.setCaseSensitivity(Qt::CaseInsensitive);
        return collation;
    }

    // The items, a selected one marked with "*".
    static QStringList Items(const ListBox& box)
    {
        QStringList items;
        for (int i = 0; i < box.Count(); ++i)
            items << (box.Selected(i) ? QStringLiteral("*") : QString()) + box.Item(i);
        return items;
    }

    static QPoint Centre(ListBox& box, int row)
    {
        return box.visualItemRect(box.item(row)).center();
    }

    static void Fill(ListBox& box)
    {
        for (const char* text : {"a", "b", "c", "d"})
            box.Add(QString::fromLatin1(text));
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
        ListBox box(nullptr, English());
        QList<int> yielded;
        for (const QString& text : added)
            yielded << box.Add(text);
        QCOMPARE(yielded, positions);
        box.Delete(-1);
        box.Delete(box.Count());
        QCOMPARE(Items(box), order);
        QCOMPARE(box.Item(box.Count()), QString());
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
        ListBox box(nullptr, English(),
                    toggle ? ListBox::Selection::Toggle : ListBox::Selection::Single);
        Fill(box);
        QSignalSpy clicks(&box, &ListBox::Click);
        for (int row : clicked)
            QTest::mouseClick(box.viewport(), Qt::LeftButton,
                              shift ? Qt::ShiftModifier : Qt::NoModifier, Centre(box, row));
        QCOMPARE(Items(box), items);
        QCOMPARE(box.SelCount(), items.filter(QStringLiteral("*")).size());
        QCOMPARE(box.ItemIndex(), itemIndex);
        QCOMPARE(clicks.size(), clicked.size());
    }

    // Dragging selects no range; Space toggles the focused item and is reported, while changes
    // made by code are not.
    void dragKeysAndCode()
    {
        ListBox box(nullptr, English(), ListBox::Selection::Toggle);
        Fill(box);
        QSignalSpy clicks(&box, &ListBox::Click);
        QTest::mousePress(box.viewport(), Qt::LeftButton, {}, Centre(box, 0));
        QMouseEvent move(QEvent::MouseMove, Centre(box, 3),
                         box.viewport()->mapToGlobal(Centre(box, 3)), Qt::NoButton, Qt::LeftButton,
                         Qt::NoModifier);
        QApplication::sendEvent(box.viewport(), &move);
        QTest::mouseRelease(box.viewport(), Qt::LeftButton, {}, Centre(box, 3));
        QCOMPARE(Items(box), (QStringList{"*a", "b", "c", "d"}));

        box.SetItemIndex(1);
        box.SetSelected(3, true);
        QCOMPARE(Items(box), (QStringList{"a", "*b", "c", "*d"}));
        QCOMPARE(clicks.size(), 1);
        box.setFocus();
        QTest::keyClick(&box, Qt::Key_Down);
        QTest::keyClick(&box, Qt::Key_Space);
        QCOMPARE(Items(box), (QStringList{"a", "*b", "*c", "*d"}));
        QCOMPARE(clicks.size(), 2);
        box.SetItemIndex(-1);
        QCOMPARE(box.ItemIndex(), -1);
    }
};

QTEST_MAIN(ListBoxTest)
#include "tst_ListBox.moc"
