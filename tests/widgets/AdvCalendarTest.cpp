#include "widgets/AdvCalendar.h"

#include <gtest/gtest.h>

#include <QCalendarWidget>
#include <QTest>
#include <QTimer>

TEST(AdvCalendar, OpensOnTodayByDefaultAndOnAGivenDateOtherwise)
{
    CAdvCalendar today;
    EXPECT_EQ(today.SelectedDate(), QDate::currentDate());
    EXPECT_EQ(today.Calendar()->monthShown(), QDate::currentDate().month());

    CAdvCalendar given(nullptr, QDate(2021, 3, 4));
    EXPECT_EQ(given.SelectedDate(), QDate(2021, 3, 4));
    EXPECT_EQ(given.Calendar()->yearShown(), 2021);
    EXPECT_EQ(given.Calendar()->monthShown(), 3);
}

TEST(AdvCalendar, EnterOnADayChoosesItAndEscapeCancels)
{
    CAdvCalendar calendar(nullptr, QDate(2021, 3, 4));
    QTimer::singleShot(0, [&calendar] {
        // One day on with the arrow key, then Enter.
        QTest::keyClick(calendar.Calendar()->focusWidget(), Qt::Key_Right);
        QTest::keyClick(calendar.Calendar()->focusWidget(), Qt::Key_Return);
    });
    EXPECT_EQ(calendar.exec(), QDialog::Accepted);
    EXPECT_EQ(calendar.SelectedDate(), QDate(2021, 3, 5));

    CAdvCalendar cancelled;
    QTimer::singleShot(0, [&cancelled] { QTest::keyClick(&cancelled, Qt::Key_Escape); });
    EXPECT_EQ(cancelled.exec(), QDialog::Rejected);
}
