#include "app/DovaneSplash.h"

#include "app/AboutDlg.h"
#include "app/SampleButton.h"
#include "widgets/StaticLink.h"

#include <QCheckBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QSvgRenderer>
#include <QVBoxLayout>

namespace {
const QColor kBackground(192, 192, 192);
}

QPixmap CDovaneSplash::Picture()
{
    QPixmap picture(kPictureWidth, kPictureHeight);
    picture.fill(kBackground);
    QSvgRenderer image(QStringLiteral(":/images/splash.svg"));
    QPainter painter(&picture);
    image.render(&painter, QRectF(0, 0, kPictureWidth, kPictureHeight));
    return picture;
}

CDovaneSplash::CDovaneSplash(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowStaysOnTopHint | Qt::FramelessWindowHint),
      picture_(new CSampleButton(Picture(), this)),
      continue_(new QPushButton(tr("Continue..."), this)),
      doNotShow_(new QCheckBox(tr("Do not show again"), this)),
      link_(new CStaticLink(CAboutDlg::WebSiteName(), this))
{
    setModal(false);
    setWindowTitle(QStringLiteral("Tavrin"));
    QPalette grey = palette();
    grey.setColor(QPalette::Window, kBackground);
    grey.setColor(QPalette::Button, kBackground);
    grey.setColor(QPalette::Disabled, QPalette::WindowText, QColor(96, 96, 96));
    setPalette(grey);
    setAutoFillBackground(true);

    continue_->setObjectName("continue");
    continue_->setDefault(true);
    // Switching the splash off is done in the Options dialog.
    doNotShow_->setEnabled(false);
    link_->SetTarget(CAboutDlg::WebAddress());
    link_->setToolTip(tr("Visit Brennick web site"));
    connect(continue_, &QPushButton::clicked, this, &CDovaneSplash::continueClicked);

    auto* row = new QHBoxLayout;
    row->setContentsMargins(8, 6, 8, 8);
    row->addWidget(link_);
    row->addStretch(1);
    row->addWidget(doNotShow_);
    row->addSpacing(6);
    row->addWidget(continue_);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(picture_);
    layout->addLayout(row);
    setFixedSize(sizeHint());

    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect place(QPoint(), size());
        place.moveCenter(screen->availableGeometry().center());
        move(place.topLeft());
    }
}
