// CDragDropListCtrl: a report-style list (rows of columns) whose rows the user can drag to a new
// place with the mouse. While a row is dragged a picture of it follows the pointer and a
// one-pixel black line marks where it will go. The drop routine is public, so that "Up" and
// "Down" buttons of the owner move rows the same way. Positions are row indexes; the drop target
// is the row before which the moved row is inserted (-1: at the end).
#pragma once

#include <QPixmap>
#include <QTreeWidget>

class CDragDropListCtrl : public QTreeWidget {
    Q_OBJECT

public:
    explicit CDragDropListCtrl(QWidget* parent = nullptr);

    int DragSource() const { return dragSource_; }
    int DropTarget() const { return dropTarget_; }
    void SetDragSource(int row) { dragSource_ = row; }
    void SetDropTarget(int row) { dropTarget_ = row; }
    bool IsDragging() const { return dragging_; }

    // Moves the drag source row (its texts, state and data) before the drop target row, or to
    // the end when the target is -1 or past the last row. When the target differs from the
    // source, the moved row becomes current and rowMoved is emitted. Returns the row's new index,
    // or -1 when there was no valid source. Source and target are reset to -1.
    int DropRow();

signals:
    // A row moved from index `from` to index `to` (indexes before and after the move).
    void rowMoved(int from, int to);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void BeginDrag(const QPoint& at);
    void TrackDrag(const QPoint& at);
    void EndDrag();
    int RowAt(const QPoint& at) const;
    int InsertionLineY() const;

    int dragSource_ = -1;
    int dropTarget_ = -1;
    bool dragging_ = false;
    int pressedRow_ = -1;
    QPoint pressPoint_;
    QPoint pointer_;
    QPixmap dragImage_;
};
