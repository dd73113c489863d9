// CAboutDlg: the About box: the program's icon, "TAVRIN", the version, and links to the web site
// and to support by e-mail (each with its tool tip). The link targets are configuration.
#pragma once

#include <QDialog>

class CStaticLink;

class CAboutDlg : public QDialog {
    Q_OBJECT

public:
    explicit CAboutDlg(QWidget* parent = nullptr);

    static QString WebAddress();
    // The site's name as the links show it.
    static QString WebSiteName();
    static QString SupportAddress();
    static QString VersionText();

    CStaticLink* WebLink() const { return web_; }
    CStaticLink* MailLink() const { return mail_; }

private:
    CStaticLink* web_;
    CStaticLink* mail_;
};
