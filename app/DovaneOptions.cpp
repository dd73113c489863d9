#include "app/DovaneOptions.h"

#include "app/Commands.h"
#include "app/HelpWindow.h"
#include "platform/Settings.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QKeyEvent>
#include <QVBoxLayout>

namespace {

void Load(QCheckBox* box, const char* setting) { box->setChecked(ReadUiSetting(setting) != 0); }

void Store(const QCheckBox* box, const char* setting)
{
    WriteUiSetting(setting, box->isChecked() ? 1 : 0);
}

}  // namespace

CDovaneOptions::CDovaneOptions(QWidget* parent, QObject* commandTarget, int* promptOnSave)
    : QDialog(parent),
      promptOnSave_(new QCheckBox(tr("Prompt before saving"), this)),
      loadLast_(new QCheckBox(tr("Load last dataset on startup"), this)),
      beep_(new QCheckBox(tr("Play sound if a note is attached to item"), this)),
      splash_(new QCheckBox(tr("Show Splash screen on startup "), this)),
      showLinks_(new QCheckBox(tr("Show \"Links\" column in View"), this)),
      commandTarget_(commandTarget),
      framePromptOnSave_(promptOnSave)
{
    setWindowTitle(tr("Options"));
    Load(promptOnSave_, kPromptOnSaveSetting);
    if (framePromptOnSave_)
        *framePromptOnSave_ = promptOnSave_->isChecked() ? 1 : 0;
    Load(loadLast_, kLoadLastSetting);
    Load(beep_, kBeepSetting);
    Load(splash_, kShowSplashSetting);
    Load(showLinks_, kShowLinksSetting);
    showLinksAtOpening_ = showLinks_->isChecked();

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &CDovaneOptions::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    for (QCheckBox* box : {promptOnSave_, loadLast_, beep_, splash_, showLinks_})
        layout->addWidget(box);
    layout->addSpacing(8);
    layout->addWidget(buttons);
}

std::string CDovaneOptions::HelpTopicPath() { return HelpFilePath() + "::/navigation.htm#options"; }

void CDovaneOptions::accept()
{
    Store(loadLast_, kLoadLastSetting);
    Store(promptOnSave_, kPromptOnSaveSetting);
    if (framePromptOnSave_)
        *framePromptOnSave_ = promptOnSave_->isChecked() ? 1 : 0;
    Store(beep_, kBeepSetting);
    Store(splash_, kShowSplashSetting);
    Store(showLinks_, kShowLinksSetting);
    if (showLinks_->isChecked() != showLinksAtOpening_ && commandTarget_)
        PostCommand(commandTarget_, ID_RESTORE_LINKS);
    QDialog::accept();
}

void CDovaneOptions::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_F1) {
        OpenHelp(HelpTopicPath(), true);
        return;
    }
    QDialog::keyPressEvent(event);
}
