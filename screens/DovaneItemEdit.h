// CDovaneItemEdit: the Items screen, which shows and edits one item of the dataset at a time.
// Its place in the frame: menu 139, title suffix " - [Items]", help topic "::/items_screen.htm",
// save command 2259; "<<" leads to the Values screen, ">>" to the Query editor.
//
// The frame reads two facts of this screen: whether automatic stepping runs (the colour commands
// are off meanwhile) and whether the screen was opened from a query result (every screen switch
// clears that).
#pragma once

#include "screens/DovaneEdit.h"

class CDovaneItemEdit : public CDovaneEdit {
    Q_OBJECT

public:
    explicit CDovaneItemEdit(QWidget* parent = nullptr);

    bool IsAutoRunning() const { return autoRunning_; }
    bool IsOpenedFromQuery() const { return openedFromQuery_; }
    void SetOpenedFromQuery(bool opened) { openedFromQuery_ = opened; }

protected:
    bool autoRunning_ = false;
    bool openedFromQuery_ = false;
};
