// CDovaneReportView: the report viewer screen, in which an opened report file (".mox") is shown.
// Its place in the frame: menu 103 (File and Help only), no title suffix, no help topic, every
// tool bar hidden, no save command.
#pragma once

#include "screens/DovaneScreenView.h"

class CDovaneReportView : public CDovaneScreenView {
    Q_OBJECT

public:
    explicit CDovaneReportView(QWidget* parent = nullptr);

protected:
    // The report's preview asks the host for help here.
    bool event(QEvent* event) override;
};
