#include "ui/controls/Grid.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QVBoxLayout>

// A window with a control before and after the grid, as the windows have them.
struct GridWindow {
    explicit GridWindow(int cols, int rows, int fixed = 0)
    {
        before = new QLineEdit(&window);
        grid = new Grid(&window, cols, rows);
        grid->setFixedColumns(fixed);
        after = new QLineEdit(&window);
        auto* layout = new QVBoxLayout(&window);
        layout->addWidget(before);
        layout->addWidget(grid);
        layout->addWidget(after);
        QObject::connect(grid, &Grid::exited, [this] {
            ++exits;
            textsAtExit << grid->cell(grid->currentColumn(), grid->currentRow());
        });
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
    }

    // Where the focus is: "c,r" for a cell of the grid, or the control's name.
    QString focusAt() const
    {
        QWidget* focus = QApplication::focusWidget();
        if (focus == before)
            return QStringLiteral("before");
        if (focus == after)
            return QStringLiteral("after");
        if (focus == grid->cellEditor() || focus == grid)
            return QStringLiteral("%1,%2").arg(grid->currentColumn()).arg(grid->currentRow());
        return QStringLiteral("elsewhere");
    }

    QWidget window;
    QLineEdit* before;
    Grid* grid;
    QLineEdit* after;
    int exits = 0;
    QStringList textsAtExit;
};

class GridTest : public QObject
{
    Q_OBJECT

private slots:
    void exitSeesTypedText_data()
    {
        QTest::addColumn<int>("startCol");
        QTest::addColumn<QString>("leave");
        QTest::addColumn<QString>("focusAfter");
        QTest::newRow("click on another control") << 0 << "click"
                                                  << "after";
        QTest::newRow("tab from the last cell") << 1 << "tab"
                                                << "after";
        QTest::newRow("shift+tab from the first cell") << 0 << "backtab"
                                                       << "before";
        QTest::newRow("focus moved by the program") << 1 << "program"
                                                    << "before";
    }
    void exitSeesTypedText()
    {
        QFETCH(int, startCol);
        QFETCH(QString, leave);
        QFETCH(QString, focusAfter);
        GridWindow w(2, 1);
        w.grid->setCell(startCol, 0, QStringLiteral("old"));
        w.grid->setCurrentColumn(startCol);
        w.grid->setFocus();
        QCOMPARE(w.focusAt(), QStringLiteral("%1,0").arg(startCol));
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("Ab,c"));
        QCOMPARE(w.exits, 0);
        if (leave == QLatin1String("click"))
            QTest::mouseClick(w.after, Qt::LeftButton);
        else if (leave == QLatin1String("tab"))
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        else if (leave == QLatin1String("backtab"))
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
        else
            w.before->setFocus(Qt::OtherFocusReason);
        QCOMPARE(w.focusAt(), focusAfter);
        QCOMPARE(w.exits, 1);
        QCOMPARE(w.textsAtExit, QStringList{QStringLiteral("Ab,c")});
        QCOMPARE(w.grid->cell(startCol, 0), QStringLiteral("Ab,c"));
        // What a handler writes back into the current cell is what its editor then shows.
        w.grid->setCell(startCol, 0, QStringLiteral("Ab;c"));
        QCOMPARE(w.grid->cellEditor()->text(), QStringLiteral("Ab;c"));
    }

    void tabVisitsEditableCells_data()
    {
        QTest::addColumn<int>("cols");
        QTest::addColumn<int>("fixed");
        QTest::addColumn<QString>("start");
        QTest::addColumn<bool>("forward");
        QTest::addColumn<QStringList>("visits");
        QTest::newRow("no fixed column")
            << 3 << 0 << "0,0" << true << QStringList{"1,0", "2,0", "0,1", "1,1", "2,1", "after"};
        QTest::newRow("one fixed column")
            << 3 << 1 << "1,0" << true << QStringList{"2,0", "1,1", "2,1", "after"};
        QTest::newRow("one fixed column, backwards")
            << 3 << 1 << "2,1" << false << QStringList{"1,1", "2,0", "1,0", "before"};
        QTest::newRow("two fixed columns")
            << 3 << 2 << "2,0" << true << QStringList{"2,1", "after"};
    }
    void tabVisitsEditableCells()
    {
        QFETCH(int, cols);
        QFETCH(int, fixed);
        QFETCH(QString, start);
        QFETCH(bool, forward);
        QFETCH(QStringList, visits);
        GridWindow w(cols, 2, fixed);
        w.grid->setFocus();
        const QStringList startCell = start.split(u',');
        w.grid->setCurrentRow(startCell[1].toInt());
        w.grid->setCurrentColumn(startCell[0].toInt());
        QCOMPARE(w.focusAt(), start);
        QStringList visited;
        for (int i = 0; i < visits.size(); ++i) {
            QTest::keyClick(QApplication::focusWidget(), forward ? Qt::Key_Tab : Qt::Key_Backtab,
                            forward ? Qt::NoModifier : Qt::ShiftModifier);
            visited << w.focusAt();
            QCOMPARE(w.exits, i == visits.size() - 1 ? 1 : 0);
        }
        QCOMPARE(visited, visits);
    }

    void fixedColumnsAreNeverEdited()
    {
        GridWindow w(2, 2, 1);
        w.grid->setCell(0, 1, QStringLiteral("Lance"));
        w.grid->setFocus();
        const QRect fixedCell = w.grid->visualItemRect(w.grid->item(1, 0));
        QTest::mouseClick(w.grid->viewport(), Qt::LeftButton, {}, fixedCell.center());
        QCOMPARE(w.focusAt(), QStringLiteral("1,1"));
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("7"));
        QCOMPARE(w.grid->cell(0, 1), QStringLiteral("Lance"));
        QCOMPARE(w.grid->cell(1, 1), QStringLiteral("7"));
        w.grid->setCurrentColumn(0);
        QCOMPARE(w.grid->currentColumn(), 1);
        QCOMPARE(w.grid->cellEditor()->geometry(), w.grid->visualRect(w.grid->currentIndex()));
    }

    void cellsOutsideTheGridAreEmpty_data()
    {
        QTest::addColumn<int>("col");
        QTest::addColumn<int>("row");
        QTest::newRow("column before") << -1 << 0;
        QTest::newRow("row before") << 0 << -1;
        QTest::newRow("column after") << 2 << 0;
        QTest::newRow("row after") << 0 << 1;
        QTest::newRow("far away") << 99999 << 99999;
    }
    void cellsOutsideTheGridAreEmpty()
    {
        QFETCH(int, col);
        QFETCH(int, row);
        GridWindow w(2, 1);
        w.grid->setCell(0, 0, QStringLiteral("a"));
        w.grid->setCell(1, 0, QStringLiteral("b"));
        w.grid->setCell(col, row, QStringLiteral("x"));
        QCOMPARE(w.grid->cell(col, row), QString());
        QCOMPARE(w.grid->cell(0, 0) + w.grid->cell(1, 0), QStringLiteral("ab"));
    }

    void gridWithoutRows()
    {
        GridWindow w(2, 3, 1);
        w.grid->changeRowCount(0);
        QCOMPARE(w.grid->currentRow(), -1);
        QCOMPARE(w.grid->currentColumn(), -1);
        QCOMPARE(w.grid->cell(1, 0), QString());
        QVERIFY(!w.grid->cellEditor()->isVisible());
        w.grid->setFocus();
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("9"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(w.focusAt(), QStringLiteral("after"));
        w.grid->changeRowCount(2);
        QCOMPARE(w.grid->currentColumn(), 1);
        QCOMPARE(w.grid->currentRow(), 0);
        QCOMPARE(w.grid->cell(1, 0), QString());
        QVERIFY(w.grid->cellEditor()->isVisible());
    }

    // The step windows enable their buttons from the key events, so each must see the text the
    // key made.
    void keyEventsSeeTheCell()
    {
        GridWindow w(2, 1);
        w.grid->setFocus();
        QStringList seen;
        connect(w.grid, &Grid::keyPressed, [&] { seen << "down:" + w.grid->cell(0, 0); });
        connect(w.grid, &Grid::textTyped,
                [&](const QString& text) { seen << "press " + text + ":" + w.grid->cell(0, 0); });
        connect(w.grid, &Grid::keyReleased, [&] { seen << "up:" + w.grid->cell(0, 0); });
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Q);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backspace);
        QCOMPARE(seen, (QStringList{"down:", "press q:q", "up:q", "down:q", "press \b:", "up:"}));
    }

    void readOnlyGridSelectsRows()
    {
        GridWindow w(2, 3);
        w.grid->setReadOnly(true);
        w.grid->setSelectsRows(true);
        w.grid->setCell(1, 1, QStringLiteral("Vanguard"));
        w.grid->setFocus();
        QVERIFY(!w.grid->cellEditor()->isVisible());
        QTest::keyClick(w.grid, Qt::Key_Down);
        QTest::keyClicks(w.grid, QStringLiteral("zz"));
        QCOMPARE(w.grid->currentRow(), 1);
        QCOMPARE(w.grid->cell(1, 1), QStringLiteral("Vanguard"));
        QCOMPARE(w.grid->selectionModel()->selectedIndexes().size(), 2);
    }
};

QTEST_MAIN(GridTest)
#include "tst_Grid.moc"
