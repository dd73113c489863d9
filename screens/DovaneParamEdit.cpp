#include "screens/DovaneParamEdit.h"

#include "app/Commands.h"
#include "app/MenuResources.h"

namespace {
ScreenInfo ParamScreenInfo()
{
    return {IDR_PARAMETERS, QStringLiteral(" - [Parameters]"), "::/parameters_screen.htm",
            ScreenToolBar::None, ID_PARAMS_SAVE};
}
}  // namespace

CDovaneParamEdit::CDovaneParamEdit(QWidget* parent)
    : CDovaneEdit(ParamScreenInfo(), tr("<< Back"), 0, tr("Values >>"), ID_VALUES, parent)
{
}
