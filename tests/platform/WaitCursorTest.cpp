#include "platform/WaitCursor.h"

#include <gtest/gtest.h>

#include <QCursor>
#include <QGuiApplication>

TEST(WaitCursor, ShowsBusyCursorWhileAliveAndRestoresIt)
{
    ASSERT_EQ(QGuiApplication::overrideCursor(), nullptr);
    {
        WaitCursor outer;
        {
            WaitCursor inner;
            EXPECT_EQ(WaitCursor::Depth(), 2);
            ASSERT_NE(QGuiApplication::overrideCursor(), nullptr);
            EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
        }
        EXPECT_NE(QGuiApplication::overrideCursor(), nullptr);
    }
    EXPECT_EQ(WaitCursor::Depth(), 0);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}
