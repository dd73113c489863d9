#include "widgets/StaticLink.h"

#include "platform/ShellOpen.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>

CStaticLink::CStaticLink(const QString& text, QWidget* parent) : QLabel(text, parent)
{
    QFont underlined = font();
    underlined.setUnderline(true);
    setFont(underlined);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::TabFocus);
    setAutoFillBackground(false);
    ApplyColour();
}

QString CStaticLink::ShellTarget(const QString& target)
{
    const qsizetype at = target.indexOf(QLatin1Char('@'));
    if (at > 0 && !target.contains(QLatin1String("mailto:")))
        return QStringLiteral("mailto:") + target;
    return target;
}

bool CStaticLink::Open()
{
    if (!ShellOpen(ShellTarget(Target()).toStdString())) {
        QApplication::beep();
        return false;
    }
    visited_ = true;
    ApplyColour();
    update();
    return true;
}

void CStaticLink::mousePressEvent(QMouseEvent* event)
{
    pressed_ = event->button() == Qt::LeftButton;
    event->accept();
}

void CStaticLink::mouseReleaseEvent(QMouseEvent* event)
{
    const bool click = pressed_ && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    pressed_ = false;
    event->accept();
    if (click)
        Open();
}

void CStaticLink::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Space || event->key() == Qt::Key_Return ||
        event->key() == Qt::Key_Enter) {
        Open();
        return;
    }
    QLabel::keyPressEvent(event);
}

void CStaticLink::ApplyColour()
{
    QPalette colours = palette();
    colours.setColor(QPalette::WindowText, visited_ ? VisitedColour() : UnvisitedColour());
    setPalette(colours);
}
