#include "app/AboutDlg.h"

#include "widgets/StaticLink.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QIcon>
#include <QLabel>

QString CAboutDlg::WebAddress() { return QStringLiteral("https://www.brennick.example/tavrin"); }

QString CAboutDlg::WebSiteName() { return QStringLiteral("www.brennick.example"); }

QString CAboutDlg::SupportAddress() { return QStringLiteral("support@brennick.example"); }

QString CAboutDlg::VersionText()
{
    return tr("Version %1").arg(QCoreApplication::applicationVersion());
}

CAboutDlg::CAboutDlg(QWidget* parent)
    : QDialog(parent), web_(new CStaticLink(QString(), this)),
      mail_(new CStaticLink(SupportAddress(), this))
{
    web_->setText(WebSiteName());
    web_->SetTarget(WebAddress());
    setWindowTitle(tr("About Tavrin"));
    auto* icon = new QLabel(this);
    icon->setPixmap(QIcon(QStringLiteral(":/images/tavrin.svg")).pixmap(48, 48));
    auto* name = new QLabel(QStringLiteral("TAVRIN"), this);
    QFont bold = name->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.5);
    name->setFont(bold);
    auto* version = new QLabel(VersionText(), this);
    web_->setToolTip(tr("Visit Brennick web site"));
    mail_->setToolTip(tr("E-mail support"));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* layout = new QGridLayout(this);
    layout->addWidget(icon, 0, 0, 4, 1, Qt::AlignTop);
    layout->addWidget(name, 0, 1);
    layout->addWidget(version, 1, 1);
    layout->addWidget(web_, 2, 1);
    layout->addWidget(mail_, 3, 1);
    layout->addWidget(buttons, 4, 0, 1, 2);
    layout->setColumnMinimumWidth(1, 260);
}
