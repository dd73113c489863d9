#include "reports/ui/DovaneReportView.h"

#include "app/MenuResources.h"

namespace {
ScreenInfo ReportViewInfo()
{
    return {IDR_REPORT, QString(), {}, ScreenToolBar::AllHidden, 0};
}
}  // namespace

CDovaneReportView::CDovaneReportView(QWidget* parent) : CDovaneScreenView(ReportViewInfo(), parent) {}
