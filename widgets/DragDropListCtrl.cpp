#include "widgets/DragDropListCtrl.h"

#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

CDragDropListCtrl::CDragDropListCtrl(QWidget* parent) : QTreeWidget(parent)
{
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setUniformRowHeights(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setAllColumnsShowFocus(true);
    setDragDropMode(QAbstractItemView::NoDragDrop);  // rows are moved by this class itself
}

int CDragDropListCtrl::DropRow()
{
    const int source = dragSource_;
    int target = dropTarget_;
    dragSource_ = dropTarget_ = -1;
    const int count = topLevelItemCount();
    if (source < 0 || source >= count)
        return -1;
    if (target < 0 || target > count)
        target = count;
    QTreeWidgetItem* row = takeTopLevelItem(source);
    const int destination = target > source ? target - 1 : target;
    insertTopLevelItem(destination, row);
    if (target != source) {
        setCurrentItem(row);
        emit rowMoved(source, destination);
    }
    return destination;
}

int CDragDropListCtrl::RowAt(const QPoint& at) const
{
    QTreeWidgetItem* item = itemAt(at);
    return item ? indexOfTopLevelItem(item) : -1;
}

void CDragDropListCtrl::mousePressEvent(QMouseEvent* event)
{
    QTreeWidget::mousePressEvent(event);
    if (event->button() == Qt::LeftButton) {
        pressedRow_ = RowAt(event->position().toPoint());
        pressPoint_ = event->position().toPoint();
    }
}

void CDragDropListCtrl::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint at = event->position().toPoint();
    if (dragging_) {
        TrackDrag(at);
        return;
    }
    if ((event->buttons() & Qt::LeftButton) && pressedRow_ >= 0 &&
        (at - pressPoint_).manhattanLength() >= QApplication::startDragDistance()) {
        BeginDrag(at);
        return;
    }
    QTreeWidget::mouseMoveEvent(event);
}

void CDragDropListCtrl::mouseReleaseEvent(QMouseEvent* event)
{
    if (!dragging_ || event->button() != Qt::LeftButton) {
        QTreeWidget::mouseReleaseEvent(event);
        return;
    }
    const bool overList = viewport()->rect().contains(event->position().toPoint());
    EndDrag();
    if (overList)
        DropRow();
    else
        dragSource_ = dropTarget_ = -1;
}

void CDragDropListCtrl::keyPressEvent(QKeyEvent* event)
{
    if (dragging_ && event->key() == Qt::Key_Escape) {
        EndDrag();
        dragSource_ = dropTarget_ = -1;
        return;
    }
    QTreeWidget::keyPressEvent(event);
}

void CDragDropListCtrl::BeginDrag(const QPoint& at)
{
    dragging_ = true;
    dragSource_ = pressedRow_;
    dropTarget_ = -1;
    QTreeWidgetItem* row = topLevelItem(dragSource_);
    setCurrentItem(row);
    // The picture of the row that follows the pointer: the row as drawn, over the window colour.
    const QRect rowRect = visualItemRect(row).united(
        QRect(0, visualItemRect(row).top(), viewport()->width(), visualItemRect(row).height()));
    dragImage_ = viewport()->grab(rowRect);
    viewport()->setCursor(Qt::DragMoveCursor);
    TrackDrag(at);
}

void CDragDropListCtrl::TrackDrag(const QPoint& at)
{
    pointer_ = at;
    const int row = RowAt(at);
    if (row < 0)
        dropTarget_ = at.y() < 0 ? 0 : -1;  // above the list: the top; below the rows: the end
    else if (row <= dragSource_)
        dropTarget_ = row;      // moving up: before the row under the pointer
    else
        dropTarget_ = row + 1;  // moving down: after it
    viewport()->update();
}

void CDragDropListCtrl::EndDrag()
{
    dragging_ = false;
    pressedRow_ = -1;
    dragImage_ = QPixmap();
    viewport()->unsetCursor();
    viewport()->update();
}

int CDragDropListCtrl::InsertionLineY() const
{
    const int count = topLevelItemCount();
    if (count == 0)
        return 0;
    if (dropTarget_ < 0 || dropTarget_ >= count)
        return visualItemRect(topLevelItem(count - 1)).bottom();
    return visualItemRect(topLevelItem(dropTarget_)).top();
}

void CDragDropListCtrl::paintEvent(QPaintEvent* event)
{
    QTreeWidget::paintEvent(event);
    if (!dragging_)
        return;
    QPainter painter(viewport());
    painter.setPen(Qt::black);
    const int y = InsertionLineY();
    painter.drawLine(0, y, viewport()->width(), y);
    if (!dragImage_.isNull()) {
        painter.setOpacity(0.6);
        painter.drawPixmap(pointer_ + QPoint(8, 4), dragImage_);
    }
}
