#include "screens/DovaneValueEdit.h"

#include "app/Commands.h"
#include "app/MenuResources.h"

namespace {
ScreenInfo ValueScreenInfo()
{
    return {IDR_VALUES, QStringLiteral(" - [Values]"), "::/values_screen.htm", ScreenToolBar::None,
            ID_VALUES_SAVE};
}
}  // namespace

CDovaneValueEdit::CDovaneValueEdit(QWidget* parent)
    : CDovaneEdit(ValueScreenInfo(), tr("<< Parameters"), ID_PARAMETERS, tr("Items >>"), ID_ITEMS,
                  parent)
{
}
