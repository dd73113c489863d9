// CDovaneQueryView: the query results screen, with the query index on the left and the result
// list of the current query on the right. Its place in the frame: menu 137, title suffix
// " - [View]", help topic "::/view_screen.htm", the result tool bar beside the main one, save
// command 32904 (greyed until there is something to save).
//
// The frame asks this screen before it leaves it (ConfirmLeaveQuery, then LeaveScreen), before
// the program closes (CanCloseView) and resets it when another screen or dataset is shown
// (ResetView). While no query runs on the screen it holds nothing to confirm, keep or reset.
#pragma once

#include "screens/DovaneScreenView.h"

class CDovaneQueryView : public CDovaneScreenView {
    Q_OBJECT

public:
    explicit CDovaneQueryView(QWidget* parent = nullptr);

    // May the current query be left? False keeps the user on it.
    virtual bool ConfirmLeaveQuery() { return true; }
    // Leaving the screen: keep what the current query's run must keep.
    virtual void LeaveScreen() {}
    // The program closes: may the screen close? It stores its state when it agrees.
    virtual bool CanCloseView() { return true; }
    // Forget the current query run.
    virtual void ResetView() {}
};
