#include "app/DovaneMainScreenView.h"

#include "app/Commands.h"
#include "app/MenuResources.h"

#include <QIcon>
#include <QPainter>

namespace {
ScreenInfo StartScreenInfo()
{
    return {IDR_MAINFRAME, QString(), {}, ScreenToolBar::None, ID_SAVE_HIDDEN};
}
}  // namespace

CDovaneMainScreenView::CDovaneMainScreenView(QWidget* parent)
    : CDovaneScreenView(StartScreenInfo(), parent)
{
}

void CDovaneMainScreenView::paintEvent(QPaintEvent*)
{
    // The program's mark, faint, in the middle of the empty page.
    QPainter painter(this);
    painter.setOpacity(0.18);
    const QPixmap mark = QIcon(QStringLiteral(":/images/tavrin.svg")).pixmap(96, 96);
    const QPoint at((width() - mark.width()) / 2, (height() - mark.height()) / 2 - 24);
    painter.drawPixmap(at, mark);
    QFont title = font();
    title.setBold(true);
    title.setPointSizeF(title.pointSizeF() * 2);
    title.setLetterSpacing(QFont::AbsoluteSpacing, 4);
    painter.setFont(title);
    painter.drawText(QRect(0, at.y() + mark.height() + 8, width(), 40), Qt::AlignHCenter,
                     QStringLiteral("TAVRIN"));
}
