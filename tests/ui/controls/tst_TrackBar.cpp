#include "ui/controls/TrackBar.h"

#include <QSignalSpy>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QTest>

// Finds the handle so that a test can drag it as a user does.
struct HandleProbe : TrackBar {
    HandleProbe() : TrackBar(nullptr, 1, 32) {}
    QRect Handle() const
    {
        QStyleOptionSlider option;
        initStyleOption(&option);
        return style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, this);
    }
};

class TrackBarTest : public QObject
{
    Q_OBJECT

private slots:
    void userMovesChangeIt_data()
    {
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("position");
        QTest::addColumn<int>("changes");
        QTest::newRow("right") << 5 << int(Qt::Key_Right) << 6 << 1;
        QTest::newRow("left") << 5 << int(Qt::Key_Left) << 4 << 1;
        QTest::newRow("end") << 5 << int(Qt::Key_End) << 32 << 1;
        QTest::newRow("left at the start stays") << 1 << int(Qt::Key_Left) << 1 << 0;
        QTest::newRow("right at the end stays") << 32 << int(Qt::Key_Right) << 32 << 0;
    }
    void userMovesChangeIt()
    {
        QFETCH(int, start);
        QFETCH(int, key);
        QFETCH(int, position);
        QFETCH(int, changes);
        TrackBar bar(nullptr, 1, 32);
        bar.SetPosition(start);
        QSignalSpy change(&bar, &TrackBar::Change);
        QTest::keyClick(&bar, Qt::Key(key));
        QCOMPARE(bar.Position(), position);
        QCOMPARE(change.count(), changes);
    }

    void mouseDragChangesIt()
    {
        HandleProbe bar;
        bar.resize(300, 40);
        bar.show();
        QVERIFY(QTest::qWaitForWindowExposed(&bar));
        QList<int> seen;
        connect(&bar, &TrackBar::Change, [&] { seen << bar.Position(); });
        const QPoint handle = bar.Handle().center();
        QTest::mousePress(&bar, Qt::LeftButton, {}, handle);
        QTest::mouseMove(&bar, QPoint(bar.width() - 2, handle.y()));
        QTest::mouseRelease(&bar, Qt::LeftButton, {}, QPoint(bar.width() - 2, handle.y()));
        QCOMPARE(bar.Position(), 32);
        QVERIFY(!seen.isEmpty());
        QCOMPARE(seen.last(), 32);
    }

    void programSetsWithoutChange_data()
    {
        QTest::addColumn<int>("set");
        QTest::addColumn<int>("position");
        QTest::newRow("inside") << 7 << 7;
        QTest::newRow("above the range") << 40 << 32;
        QTest::newRow("below the range") << 0 << 1;
        QTest::newRow("negative") << -5 << 1;
    }
    void programSetsWithoutChange()
    {
        QFETCH(int, set);
        QFETCH(int, position);
        TrackBar bar(nullptr, 1, 32);
        bar.SetPosition(3);
        QSignalSpy change(&bar, &TrackBar::Change);
        bar.SetPosition(set);
        QCOMPARE(bar.Position(), position);
        bar.SetRange(1, 4);
        QCOMPARE(bar.Position(), qMin(position, 4));
        QCOMPARE(change.count(), 0);
    }
};

QTEST_MAIN(TrackBarTest)
#include "tst_TrackBar.moc"
