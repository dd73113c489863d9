// CDovaneMainScreenView: the start screen, shown after start-up and after each dataset is opened.
// It is an empty page (the program's mark, faint, in its middle) under the main menu (126) and
// the main tool bar, with no title suffix, no help topic and the save button hidden.
#pragma once

#include "screens/DovaneScreenView.h"

class CDovaneMainScreenView : public CDovaneScreenView {
    Q_OBJECT

public:
    explicit CDovaneMainScreenView(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};
