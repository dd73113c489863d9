#include "screens/DovaneItemEdit.h"

#include "app/Commands.h"
#include "app/MenuResources.h"

namespace {
ScreenInfo ItemScreenInfo()
{
    return {IDR_ITEMS, QStringLiteral(" - [Items]"), "::/items_screen.htm", ScreenToolBar::None,
            ID_ITEMS_SAVE};
}
}  // namespace

CDovaneItemEdit::CDovaneItemEdit(QWidget* parent)
    : CDovaneEdit(ItemScreenInfo(), tr("<< Values"), ID_VALUES, tr("Query >>"), ID_QUERY, parent)
{
}
