// CDovaneSplash: the window shown at start-up over the main window (while "Show splash screen"
// is on): the program's picture (420 x 355 pixels), a "Continue..." button, a disabled "Do not
// show again" check box (the Options dialog switches the splash off) and the web-site link, on a
// grey (192, 192, 192) background. It stays on top, centres itself and is modeless; the
// application closes it on the first key press or right or middle click anywhere (see
// CDovaneApp), and "Continue..." closes it.
#pragma once

#include <QDialog>

class QCheckBox;
class QPushButton;
class CSampleButton;
class CStaticLink;

class CDovaneSplash : public QDialog {
    Q_OBJECT

public:
    explicit CDovaneSplash(QWidget* parent = nullptr);

    static constexpr int kPictureWidth = 420;
    static constexpr int kPictureHeight = 355;
    // The picture, drawn from the program's own image.
    static QPixmap Picture();

    QPushButton* ContinueButton() const { return continue_; }
    QCheckBox* DoNotShowAgain() const { return doNotShow_; }

signals:
    // "Continue..." was pressed: the owner closes the window.
    void continueClicked();

private:
    CSampleButton* picture_;
    QPushButton* continue_;
    QCheckBox* doNotShow_;
    CStaticLink* link_;
};
