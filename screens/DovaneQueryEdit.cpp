#include "screens/DovaneQueryEdit.h"

#include "app/Commands.h"
#include "app/MenuResources.h"

namespace {
ScreenInfo QueryScreenInfo()
{
    return {IDR_QUERY, QStringLiteral(" - [Query]"), "::/query_screen.htm", ScreenToolBar::Query,
            ID_QUERY_SAVE};
}
}  // namespace

CDovaneQueryEdit::CDovaneQueryEdit(QWidget* parent)
    : CDovaneEdit(QueryScreenInfo(), tr("<< Items"), ID_ITEMS, tr("View >>"), 0, parent)
{
}
