#include "ui/controls/Slider.h"

#include <QSignalSpy>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QTest>

// Finds the handle so that a test can drag it as a user does.
struct HandleProbe : Slider {
    HandleProbe() : Slider(nullptr, 1, 32) {}
    QRect handle() const
    {
        QStyleOptionSlider option;
        initStyleOption(&option);
        return style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, this);
    }
};

class SliderTest : public QObject
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
        Slider bar(nullptr, 1, 32);
        bar.setPosition(start);
        QSignalSpy change(&bar, &Slider::movedByUser);
        QTest::keyClick(&bar, Qt::Key(key));
        QCOMPARE(bar.value(), position);
        QCOMPARE(change.count(), changes);
    }

    void mouseDragChangesIt()
    {
        HandleProbe bar;
        bar.resize(300, 40);
        bar.show();
        QVERIFY(QTest::qWaitForWindowExposed(&bar));
        QList<int> seen;
        connect(&bar, &Slider::movedByUser, [&] { seen << bar.value(); });
        const QPoint handle = bar.handle().center();
        QTest::mousePress(&bar, Qt::LeftButton, {}, handle);
        QTest::mouseMove(&bar, QPoint(bar.width() - 2, handle.y()));
        QTest::mouseRelease(&bar, Qt::LeftButton, {}, QPoint(bar.width() - 2, handle.y()));
        QCOMPARE(bar.value(), 32);
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
        Slider bar(nullptr, 1, 32);
        bar.setPosition(3);
        QSignalSpy change(&bar, &Slider::movedByUser);
        bar.setPosition(set);
        QCOMPARE(bar.value(), position);
        bar.setBounds(1, 4);
        QCOMPARE(bar.value(), qMin(position, 4));
        QCOMPARE(change.count(), 0);
    }
};

QTEST_MAIN(SliderTest)
#include "tst_Slider.moc"
