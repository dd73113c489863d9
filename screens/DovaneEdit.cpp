#include "screens/DovaneEdit.h"

#include "app/HelpWindow.h"
#include "app/MainFrame.h"
#include "platform/MessageBox.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QTimerEvent>
#include <QVBoxLayout>

namespace {
constexpr int kBlinkPeriodMs = 400;
}

CDovaneEdit::CDovaneEdit(const ScreenInfo& info, const QString& backCaption, int backScreen,
                         const QString& nextCaption, int nextScreen, QWidget* parent)
    : CDovaneScreenView(info, parent),
      content_(new QVBoxLayout),
      back_(new QPushButton(backCaption, this)),
      next_(new QPushButton(nextCaption, this)),
      close_(new QPushButton(tr("Close"), this)),
      help_(new QPushButton(tr("Help"), this)),
      backScreen_(backScreen),
      nextScreen_(nextScreen)
{
    back_->setObjectName("back");
    next_->setObjectName("next");
    close_->setObjectName("close");
    help_->setObjectName("help");
    connect(back_, &QPushButton::clicked, this, [this] { OnBack(); });
    connect(next_, &QPushButton::clicked, this, [this] { OnNext(); });
    connect(close_, &QPushButton::clicked, this, [this] { OnCloseScreen(); });
    connect(help_, &QPushButton::clicked, this, [this] { OnHelpTopic(); });

    auto* navigation = new QHBoxLayout;
    navigation->addWidget(back_);
    navigation->addWidget(next_);
    navigation->addStretch(1);
    navigation->addWidget(close_);
    navigation->addWidget(help_);

    // The screen's own controls fill the page; the navigation row stays at its bottom.
    auto* page = new QWidget(this);
    page->setLayout(content_);
    page->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(page, 1);
    layout->addLayout(navigation);
}

void CDovaneEdit::ShowNavigationButtons(bool show)
{
    back_->setVisible(show && backScreen_ != 0);
    next_->setVisible(show);
    close_->setVisible(show);
    help_->setVisible(show);
}

void CDovaneEdit::OnBack()
{
    if (CMainFrame* frame = Frame(); frame && backScreen_ != 0)
        frame->OnCommand(backScreen_);
}

void CDovaneEdit::OnNext()
{
    if (CMainFrame* frame = Frame(); frame && nextScreen_ != 0)
        frame->OnCommand(nextScreen_);
}

void CDovaneEdit::OnCloseScreen()
{
    if (!CanLeave(true))
        return;
    if (CMainFrame* frame = Frame())
        frame->BackToStartScreen();
}

void CDovaneEdit::OnHelpTopic()
{
    const std::string topic = HelpTopicPath();
    if (!topic.empty())
        OpenHelp(topic);
}

bool CDovaneEdit::CanLeave(bool) { return true; }

std::string CDovaneEdit::HelpTopicPath() const
{
    if (Info().helpTopic.empty())
        return {};
    return HelpFilePath() + Info().helpTopic;
}

void CDovaneEdit::OnActivateView(bool active)
{
    CDovaneScreenView::OnActivateView(active);
    if (active)
        ShowNavigationButtons(true);
}

int CDovaneEdit::AskSaveChanges(bool prompt, const std::string& question) const
{
    if (!prompt)
        return IDYES;
    return MessageBox(question, {}, MB_YESNOCANCEL | MB_ICONQUESTION);
}

void CDovaneEdit::StartBlinkTimer() { blinkTimer_.start(kBlinkPeriodMs, this); }

void CDovaneEdit::StopBlinkTimer() { blinkTimer_.stop(); }

void CDovaneEdit::timerEvent(QTimerEvent* event)
{
    if (event->timerId() == blinkTimer_.timerId()) {
        OnBlinkTick();
        return;
    }
    CDovaneScreenView::timerEvent(event);
}
