#include "app/SampleButton.h"

#include <QPainter>

CSampleButton::CSampleButton(const QPixmap& picture, QWidget* parent)
    : QAbstractButton(parent), picture_(picture)
{
    setFocusPolicy(Qt::NoFocus);
    setFixedSize(picture_.size());
}

void CSampleButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawPixmap(0, 0, picture_);
}
