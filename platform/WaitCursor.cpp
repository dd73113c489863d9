#include "platform/WaitCursor.h"

#include <QCursor>
#include <QGuiApplication>

namespace {
int g_depth = 0;
}

WaitCursor::WaitCursor()
{
    ++g_depth;
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
        QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
        shown_ = true;
    }
}

WaitCursor::~WaitCursor()
{
    --g_depth;
    if (shown_)
        QGuiApplication::restoreOverrideCursor();
}

int WaitCursor::Depth() { return g_depth; }
