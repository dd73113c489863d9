#include "widgets/ColourPopup.h"

#include "platform/ColourDialog.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QToolTip>

namespace {

constexpr int kCell = 20;    // one colour cell, pixels
constexpr int kMargin = 4;   // around the grid and between grid and "More colours..."
constexpr int kMoreHeight = 24;

QColor ToQColor(COLORREF colour)
{
    return QColor(GetRValue(colour), GetGValue(colour), GetBValue(colour));
}

}  // namespace

const std::vector<CColourPopup::Entry>& CColourPopup::Palette()
{
    static const std::vector<Entry> palette{
        {RGB(0, 0, 0), "Black"},           {RGB(153, 51, 0), "Brown"},
        {RGB(51, 51, 0), "Olive Green"},   {RGB(0, 51, 0), "Dark Green"},
        {RGB(0, 51, 102), "Dark Teal"},    {RGB(0, 0, 128), "Dark Blue"},
        {RGB(51, 51, 153), "Indigo"},      {RGB(51, 51, 51), "Gray-80%"},
        {RGB(128, 0, 0), "Dark Red"},      {RGB(255, 102, 0), "Orange"},
        {RGB(128, 128, 0), "Dark Yellow"}, {RGB(0, 128, 0), "Green"},
        {RGB(0, 128, 128), "Teal"},        {RGB(0, 0, 255), "Blue"},
        {RGB(102, 102, 153), "Blue-Gray"}, {RGB(128, 128, 128), "Gray-50%"},
        {RGB(255, 0, 0), "Red"},           {RGB(255, 153, 0), "Light Orange"},
        {RGB(153, 204, 0), "Lime"},        {RGB(51, 153, 102), "Sea Green"},
        {RGB(51, 204, 204), "Aqua"},       {RGB(51, 102, 255), "Light Blue"},
        {RGB(128, 0, 128), "Violet"},      {RGB(153, 153, 153), "Gray-40%"},
        {RGB(255, 0, 255), "Pink"},        {RGB(255, 204, 0), "Gold"},
        {RGB(255, 255, 0), "Yellow"},      {RGB(0, 255, 0), "Bright Green"},
        {RGB(0, 255, 255), "Turquoise"},   {RGB(0, 204, 255), "Sky Blue"},
        {RGB(153, 51, 102), "Plum"},       {RGB(192, 192, 192), "Gray-25%"},
        {RGB(255, 153, 204), "Rose"},      {RGB(255, 204, 153), "Tan"},
        {RGB(255, 255, 153), "Light Yellow"}, {RGB(204, 255, 204), "Light Green"},
        {RGB(204, 255, 255), "Light Turquoise"}, {RGB(153, 204, 255), "Pale Blue"},
        {RGB(204, 153, 255), "Lavender"},  {RGB(255, 255, 255), "White"},
    };
    return palette;
}

CColourPopup::CColourPopup(const QPoint& topLeft, COLORREF initial, QWidget* parent)
    : QWidget(parent, Qt::Popup), initial_(initial)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    const auto& palette = Palette();
    for (size_t i = 0; i < palette.size(); ++i)
        if (palette[i].colour == initial)
            initialEntry_ = int(i);
    current_ = initialEntry_;

    const int rows = int((palette.size() + kColumns - 1) / kColumns);
    setFixedSize(2 * kMargin + kColumns * kCell, 3 * kMargin + rows * kCell + kMoreHeight);

    QRect place(topLeft, size());
    if (QScreen* screen = QGuiApplication::screenAt(topLeft)) {
        const QRect area = screen->availableGeometry();
        place.moveRight(std::min(place.right(), area.right()));
        place.moveBottom(std::min(place.bottom(), area.bottom()));
        place.moveLeft(std::max(place.left(), area.left()));
        place.moveTop(std::max(place.top(), area.top()));
    }
    move(place.topLeft());
}

QRect CColourPopup::CellRect(int index) const
{
    return QRect(kMargin + (index % kColumns) * kCell, kMargin + (index / kColumns) * kCell,
                 kCell, kCell);
}

QRect CColourPopup::MoreRect() const
{
    return QRect(kMargin, height() - kMargin - kMoreHeight, width() - 2 * kMargin, kMoreHeight);
}

int CColourPopup::EntryAt(const QPoint& point) const
{
    if (MoreRect().contains(point))
        return kMoreEntry;
    for (int i = 0; i < int(Palette().size()); ++i)
        if (CellRect(i).contains(point))
            return i;
    return -1;
}

void CColourPopup::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    const auto& entries = Palette();
    for (int i = 0; i < int(entries.size()); ++i) {
        const QRect cell = CellRect(i);
        if (i == current_ || i == initialEntry_) {
            painter.setPen(i == current_ ? palette().color(QPalette::Highlight)
                                         : palette().color(QPalette::Dark));
            painter.drawRect(cell.adjusted(0, 0, -1, -1));
        }
        const QRect swatch = cell.adjusted(3, 3, -3, -3);
        painter.fillRect(swatch, ToQColor(entries[i].colour));
        painter.setPen(palette().color(QPalette::Shadow));
        painter.drawRect(swatch.adjusted(0, 0, -1, -1));
    }
    const QRect more = MoreRect();
    if (current_ == kMoreEntry) {
        painter.fillRect(more, palette().highlight());
        painter.setPen(palette().color(QPalette::HighlightedText));
    } else {
        painter.setPen(palette().color(QPalette::WindowText));
    }
    painter.drawText(more, Qt::AlignCenter, tr("More colours..."));
}

void CColourPopup::SetCurrent(int entry)
{
    if (entry == current_)
        return;
    current_ = entry;
    update();
    if (entry >= 0) {
        setToolTip(QString::fromLatin1(Palette()[entry].name));
        emit colourHovered(Palette()[entry].colour);
    } else {
        setToolTip(QString());
    }
}

void CColourPopup::MoveCurrent(int dx, int dy)
{
    const int count = int(Palette().size());
    if (current_ == kMoreEntry) {
        SetCurrent(dy < 0 ? count - kColumns : 0);
        return;
    }
    if (current_ < 0) {
        SetCurrent(0);
        return;
    }
    int next = current_ + dx + dy * kColumns;
    if (dx != 0)
        next = (next + count) % count;
    if (next >= count)
        next = kMoreEntry;
    else if (next < 0)
        next = kMoreEntry;
    SetCurrent(next);
}

void CColourPopup::mouseMoveEvent(QMouseEvent* event)
{
    SetCurrent(EntryAt(event->position().toPoint()));
}

void CColourPopup::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    const int entry = EntryAt(event->position().toPoint());
    if (entry != -1)
        Choose(entry);
}

void CColourPopup::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Left: MoveCurrent(-1, 0); break;
    case Qt::Key_Right: MoveCurrent(1, 0); break;
    case Qt::Key_Up: MoveCurrent(0, -1); break;
    case Qt::Key_Down: MoveCurrent(0, 1); break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        if (current_ != -1)
            Choose(current_);
        break;
    case Qt::Key_Escape: Finish(false, 0); break;
    default: QWidget::keyPressEvent(event); break;
    }
}

void CColourPopup::Choose(int entry)
{
    if (entry >= 0) {
        Finish(true, Palette()[entry].colour);
        return;
    }
    // The dialog is modal over the program: the pop-up goes first so it does not take the input
    // (hiding is not closing, so this is no cancel).
    hide();
    uint32_t colour = initial_;
    const bool chosen = ChooseColour(colour, parentWidget());
    Finish(chosen, colour);
}

void CColourPopup::Finish(bool chosen, COLORREF colour)
{
    if (finished_)
        return;
    finished_ = true;
    if (chosen)
        emit colourChosen(colour);
    else
        emit cancelled();
    close();
}

void CColourPopup::closeEvent(QCloseEvent* event)
{
    // A click outside closes a pop-up by itself: that is a cancel.
    if (!finished_) {
        finished_ = true;
        emit cancelled();
    }
    QWidget::closeEvent(event);
}
