// CDovaneParamEdit: the Parameters screen, where the user defines the dataset's parameters (name,
// type, precision, order). Its place in the frame: menu 146, title suffix " - [Parameters]",
// help topic "::/parameters_screen.htm", save command 2263; ">>" leads to the Values screen and
// the "<< Back" button stays hidden.
#pragma once

#include "screens/DovaneEdit.h"

class CDovaneParamEdit : public CDovaneEdit {
    Q_OBJECT

public:
    explicit CDovaneParamEdit(QWidget* parent = nullptr);
};
