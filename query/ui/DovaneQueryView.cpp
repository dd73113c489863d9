#include "query/ui/DovaneQueryView.h"

#include "app/Commands.h"
#include "app/MenuResources.h"

namespace {
ScreenInfo QueryViewInfo()
{
    return {IDR_RESULTS, QStringLiteral(" - [View]"), "::/view_screen.htm", ScreenToolBar::Result,
            ID_VIEW_SAVE};
}
}  // namespace

CDovaneQueryView::CDovaneQueryView(QWidget* parent) : CDovaneScreenView(QueryViewInfo(), parent) {}
