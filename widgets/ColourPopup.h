// CColourPopup: a pop-up palette of 40 colours with a "More colours..." entry that opens the
// colour dialog. It opens at a screen position with an initial colour, reports the chosen colour
// (colourChosen) or a cancel (cancelled) exactly once, and closes itself. The pointer, the arrow
// keys, Enter and Escape work it; a click outside cancels.
#pragma once

#include "store/SharedTypes.h"

#include <QWidget>

#include <vector>

class CColourPopup : public QWidget {
    Q_OBJECT

public:
    struct Entry {
        COLORREF colour;
        const char* name;
    };
    // The palette, row by row, kColumns entries a row.
    static const std::vector<Entry>& Palette();
    static constexpr int kColumns = 8;

    // Creates the pop-up with its top left corner at `topLeft` (screen coordinates; moved to stay
    // on the screen). The entry of `initial` is marked when the palette holds it. Call show().
    CColourPopup(const QPoint& topLeft, COLORREF initial, QWidget* parent = nullptr);

    // The entry under the pointer or the keyboard: a palette index, kMoreEntry, or -1.
    int CurrentEntry() const { return current_; }
    static constexpr int kMoreEntry = -2;

signals:
    void colourChosen(COLORREF colour);
    void cancelled();
    // The entry under the pointer or the keyboard changed to a palette colour.
    void colourHovered(COLORREF colour);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    QRect CellRect(int index) const;
    QRect MoreRect() const;
    int EntryAt(const QPoint& point) const;
    void SetCurrent(int entry);
    void MoveCurrent(int dx, int dy);
    void Choose(int entry);
    void Finish(bool chosen, COLORREF colour);

    COLORREF initial_;
    int initialEntry_ = -1;
    int current_ = -1;
    bool finished_ = false;
};
