// CDovaneValueEdit: the Values screen, where the user keeps the list of allowed values of each
// Alphanumeric parameter. Its place in the frame: menu 148, title suffix " - [Values]", help topic
// "::/values_screen.htm", save command 2265; "<<" leads to the Parameters screen, ">>" to the
// Items screen. Values take no colours: the colour commands are off here.
#pragma once

#include "screens/DovaneEdit.h"

class CDovaneValueEdit : public CDovaneEdit {
    Q_OBJECT

public:
    explicit CDovaneValueEdit(QWidget* parent = nullptr);

    bool SupportsColours() const override { return false; }
};
