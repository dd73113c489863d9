#include "app/HelpWindow.h"

#include "moxprint.h"
#include "platform/WindowMessage.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPointer>
#include <QSplitter>
#include <QTextBrowser>
#include <QToolBar>
#include <QVBoxLayout>

namespace {

constexpr const char* kContentsPage = "index.htm";

// The pages of the contents pane, in reading order.
const struct {
    const char* page;
    const char* title;
} kContents[] = {
    {"index.htm", "Contents"},
    {"navigation.htm", "Getting around"},
    {"parameters_screen.htm", "Parameters screen"},
    {"values_screen.htm", "Values screen"},
    {"items_screen.htm", "Items screen"},
    {"query_screen.htm", "Query editor"},
    {"view_screen.htm", "Query results"},
    {"view_howto.htm", "Viewing a report"},
};

QPointer<CHelpWindow> g_window;

QUrl PageUrl(const QString& page, const QString& anchor = {})
{
    QUrl url(QStringLiteral("qrc:/help/") + page);
    if (!anchor.isEmpty())
        url.setFragment(anchor);
    return url;
}

}  // namespace

std::string HelpFilePath()
{
    const QFileInfo program(QCoreApplication::applicationFilePath());
    return (program.path() + QLatin1Char('/') + program.completeBaseName() +
            QStringLiteral(".chm"))
        .toStdString();
}

QUrl HelpTopicUrl(const std::string& helpPath)
{
    const QString path = QString::fromStdString(helpPath);
    const qsizetype marker = path.indexOf(QLatin1String("::"));
    if (marker < 0)
        return PageUrl(kContentsPage);
    QString topic = path.mid(marker + 2);
    while (topic.startsWith(QLatin1Char('/')))
        topic.remove(0, 1);
    QString anchor;
    if (const qsizetype hash = topic.indexOf(QLatin1Char('#')); hash >= 0) {
        anchor = topic.mid(hash + 1);
        topic.truncate(hash);
    }
    // Only plain page names of the built-in help; anything else shows the contents.
    if (topic.isEmpty() || topic.contains(QLatin1Char('/')) || topic.contains(QLatin1String("..")) ||
        !QFile::exists(QStringLiteral(":/help/") + topic))
        return PageUrl(kContentsPage);
    return PageUrl(topic, anchor);
}

void OpenHelp(const std::string& helpPath, bool showContents)
{
    CHelpWindow::Instance()->ShowTopic(HelpTopicUrl(helpPath), showContents);
}

CHelpWindow* CHelpWindow::Instance()
{
    if (!g_window)
        g_window = new CHelpWindow;
    return g_window;
}

CHelpWindow* CHelpWindow::Existing() { return g_window; }

CHelpWindow::CHelpWindow()
    : QWidget(nullptr, Qt::Window), browser_(new QTextBrowser), contents_(new QListWidget)
{
    setWindowTitle(tr("Tavrin Help"));
    setAttribute(Qt::WA_QuitOnClose, false);
    resize(760, 560);

    for (const auto& entry : kContents) {
        auto* row = new QListWidgetItem(tr(entry.title), contents_);
        row->setData(Qt::UserRole, PageUrl(QString::fromLatin1(entry.page)));
    }
    connect(contents_, &QListWidget::itemClicked, this, [this](QListWidgetItem* row) {
        browser_->setSource(row->data(Qt::UserRole).toUrl());
    });
    contents_->setMaximumWidth(200);

    browser_->setOpenExternalLinks(true);
    auto* bar = new QToolBar(this);
    QAction* back = bar->addAction(QIcon::fromTheme("go-previous"), tr("Back"), browser_,
                                   &QTextBrowser::backward);
    QAction* forward = bar->addAction(QIcon::fromTheme("go-next"), tr("Forward"), browser_,
                                      &QTextBrowser::forward);
    bar->addAction(QIcon::fromTheme("go-home"), tr("Contents"), this,
                   [this] { ShowTopic(PageUrl(kContentsPage), true); });
    back->setEnabled(false);
    forward->setEnabled(false);
    connect(browser_, &QTextBrowser::backwardAvailable, back, &QAction::setEnabled);
    connect(browser_, &QTextBrowser::forwardAvailable, forward, &QAction::setEnabled);

    auto* splitter = new QSplitter(this);
    splitter->addWidget(contents_);
    splitter->addWidget(browser_);
    splitter->setStretchFactor(1, 1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(bar);
    layout->addWidget(splitter);
    contents_->hide();
}

void CHelpWindow::ShowTopic(const QUrl& topic, bool showContents)
{
    browser_->setSource(topic);
    if (showContents)
        contents_->show();
    if (isMinimized())
        showNormal();
    else
        show();
    raise();
    activateWindow();
}

QUrl CHelpWindow::CurrentTopic() const { return browser_->source(); }

bool CHelpWindow::IsContentsShown() const { return !contents_->isHidden(); }

bool AnswerEngineHelpRequest(QEvent* event)
{
    if (event->type() != WindowMessage::Type())
        return false;
    auto* message = static_cast<WindowMessage*>(event);
    static const unsigned registered = RegisterWindowMessage(")/$%!MoxHelp");
    if (message->message != registered && message->message != MOX_MSG_HELP)
        return false;
    OpenHelp(HelpFilePath() + "::/view_howto.htm");
    message->result = 1;
    return true;
}
