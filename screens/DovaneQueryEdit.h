// CDovaneQueryEdit: the Query editor, where the user builds queries (conditions, shown
// parameters, sort order) and runs them. Its place in the frame: menu 149, title suffix
// " - [Query]", help topic "::/query_screen.htm", the query tool bar beside the main one, save
// command 2262; "<<" leads to the Items screen. The frame forwards the query commands of its menu
// and tool bar (new, delete, save, run, close) to this screen's OnCommand.
#pragma once

#include "screens/DovaneEdit.h"

class CDovaneQueryEdit : public CDovaneEdit {
    Q_OBJECT

public:
    explicit CDovaneQueryEdit(QWidget* parent = nullptr);
};
