#include "widgets/DragDropListCtrl.h"

#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTest>

namespace {

// A list of rows "A", "B", "C", "D" with a second column and the row's first index as data.
void Fill(CDragDropListCtrl& list)
{
    list.clear();
    list.setColumnCount(2);
    const char* names[] = {"A", "B", "C", "D"};
    for (int i = 0; i < 4; ++i) {
        auto* row = new QTreeWidgetItem(&list);
        row->setText(0, names[i]);
        row->setText(1, QString::number(i * 10));
        row->setData(0, Qt::UserRole, i);
    }
}

QString Order(const CDragDropListCtrl& list)
{
    QString order;
    for (int i = 0; i < list.topLevelItemCount(); ++i)
        order += list.topLevelItem(i)->text(0);
    return order;
}

}  // namespace

TEST(DragDropListCtrl, DropRowMovesTheSourceBeforeTheTarget)
{
    const struct {
        int source;
        int target;
        const char* order;
        int newIndex;
        bool moved;
        const char* why;
    } cases[] = {
        {1, 0, "BACD", 0, true, "Up: the target is the row above"},
        {0, 2, "BACD", 1, true, "Down: the target is two rows down"},
        {3, -1, "ABCD", 3, true, "the last row to the end stays, but the target differs"},
        {0, -1, "BCDA", 3, true, "no target: to the end"},
        {2, 2, "ABCD", 2, false, "the target equal to the source moves nothing"},
        {5, 0, "ABCD", -1, false, "no such source row"},
    };
    for (const auto& c : cases) {
        CDragDropListCtrl list;
        Fill(list);
        QSignalSpy moved(&list, &CDragDropListCtrl::rowMoved);
        list.SetDragSource(c.source);
        list.SetDropTarget(c.target);
        EXPECT_EQ(list.DropRow(), c.newIndex) << c.why;
        EXPECT_EQ(Order(list), c.order) << c.why;
        EXPECT_EQ(moved.size(), c.moved ? 1 : 0) << c.why;
        if (c.moved && !moved.isEmpty()) {
            EXPECT_EQ(moved[0][0].toInt(), c.source) << c.why;
            EXPECT_EQ(moved[0][1].toInt(), c.newIndex) << c.why;
            EXPECT_EQ(list.currentItem(), list.topLevelItem(c.newIndex)) << c.why;
        }
        EXPECT_EQ(list.DragSource(), -1) << c.why;
        EXPECT_EQ(list.DropTarget(), -1) << c.why;
    }
}

TEST(DragDropListCtrl, AMovedRowKeepsEveryColumnAndItsData)
{
    CDragDropListCtrl list;
    Fill(list);
    list.SetDragSource(0);
    list.SetDropTarget(3);
    list.DropRow();
    QTreeWidgetItem* moved = list.topLevelItem(2);
    EXPECT_EQ(moved->text(0), "A");
    EXPECT_EQ(moved->text(1), "0");
    EXPECT_EQ(moved->data(0, Qt::UserRole).toInt(), 0);
}

class DragDropListMouse : public ::testing::Test {
protected:
    void SetUp() override
    {
        Fill(list_);
        list_.resize(200, 200);
        list_.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&list_));
    }
    QPoint RowCentre(int row) const
    {
        return list_.visualItemRect(list_.topLevelItem(row)).center();
    }
    // Presses on `from`, drags over `over` and releases at `release` (viewport coordinates).
    void Drag(const QPoint& from, const QPoint& over, const QPoint& release)
    {
        QWidget* viewport = list_.viewport();
        QTest::mousePress(viewport, Qt::LeftButton, {}, from);
        QMouseEvent move(QEvent::MouseMove, over, viewport->mapToGlobal(over), Qt::NoButton,
                         Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(viewport, &move);
        EXPECT_TRUE(list_.IsDragging());
        QTest::mouseRelease(viewport, Qt::LeftButton, {}, release);
    }
    CDragDropListCtrl list_;
};

TEST_F(DragDropListMouse, DraggingARowDownPutsItAfterTheRowUnderThePointer)
{
    QSignalSpy moved(&list_, &CDragDropListCtrl::rowMoved);
    Drag(RowCentre(0), RowCentre(2), RowCentre(2));
    EXPECT_EQ(Order(list_), "BCAD");
    EXPECT_EQ(moved.size(), 1);
    EXPECT_FALSE(list_.IsDragging());
}

TEST_F(DragDropListMouse, DraggingARowUpPutsItBeforeTheRowUnderThePointer)
{
    Drag(RowCentre(3), RowCentre(1), RowCentre(1));
    EXPECT_EQ(Order(list_), "ADBC");
}

TEST_F(DragDropListMouse, ReleasingOutsideTheListMovesNothing)
{
    QSignalSpy moved(&list_, &CDragDropListCtrl::rowMoved);
    Drag(RowCentre(0), RowCentre(2), QPoint(-50, -50));
    EXPECT_EQ(Order(list_), "ABCD");
    EXPECT_EQ(moved.size(), 0);
}
