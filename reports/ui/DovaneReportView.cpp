#include "reports/ui/DovaneReportView.h"

#include "app/HelpWindow.h"
#include "app/MenuResources.h"

namespace {
ScreenInfo ReportViewInfo()
{
    return {IDR_REPORT, QString(), {}, ScreenToolBar::AllHidden, 0};
}
}  // namespace

CDovaneReportView::CDovaneReportView(QWidget* parent) : CDovaneScreenView(ReportViewInfo(), parent) {}

bool CDovaneReportView::event(QEvent* event)
{
    return AnswerEngineHelpRequest(event) || CDovaneScreenView::event(event);
}
