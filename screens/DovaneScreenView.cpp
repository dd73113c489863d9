#include "screens/DovaneScreenView.h"

#include "app/MainFrame.h"

CDovaneScreenView::CDovaneScreenView(const ScreenInfo& info, QWidget* parent)
    : QWidget(parent), info_(info)
{
}

void CDovaneScreenView::OnActivateView(bool active)
{
    CMainFrame* frame = Frame();
    if (!frame)
        return;
    if (active) {
        frame->LoadScreenMenu(info_.menu);
        frame->SetScreenTitle(info_.titleSuffix);
    } else {
        frame->SetScreenTitle(QString());
    }
}

bool CDovaneScreenView::OnCommand(int) { return false; }

std::optional<CommandUi> CDovaneScreenView::CommandState(int) const { return std::nullopt; }

void CDovaneScreenView::SetRowColour(COLORREF, bool) {}

CMainFrame* CDovaneScreenView::Frame() const { return qobject_cast<CMainFrame*>(window()); }
