// CSampleButton: the splash window's picture, drawn as a flat button that fills its place with
// one image. It takes no focus and does nothing when clicked.
#pragma once

#include <QAbstractButton>
#include <QPixmap>

class CSampleButton : public QAbstractButton {
    Q_OBJECT

public:
    explicit CSampleButton(const QPixmap& picture, QWidget* parent = nullptr);

    QSize sizeHint() const override { return picture_.size(); }
    const QPixmap& Picture() const { return picture_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap picture_;
};
