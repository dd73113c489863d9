// CDovaneEdit: the base of the four editing screens (Parameters, Values, Items, Query). It owns
// the navigation row ("<<", ">>", "Close", "Help"), the `modified` flag, the save-before-leaving
// protocol (CanLeave, Reload), the colour interface of the frame's colour tool and the blink
// timer that frames the row about to be coloured. A screen puts its controls in ContentLayout().
#pragma once

#include "screens/DovaneScreenView.h"

#include <QBasicTimer>

class QPushButton;
class QVBoxLayout;

class CDovaneEdit : public CDovaneScreenView {
    Q_OBJECT

public:
    // `backCaption` / `nextCaption` label the "<<" and ">>" buttons; `backScreen` / `nextScreen`
    // are the screen commands (ID_PARAMETERS, ...) they ask the frame for, 0 for none.
    CDovaneEdit(const ScreenInfo& info, const QString& backCaption, int backScreen,
                const QString& nextCaption, int nextScreen, QWidget* parent = nullptr);

    // ---- The editing protocol ---------------------------------------------------------------
    virtual void ShowNavigationButtons(bool show);
    virtual void OnBack();
    virtual void OnNext();
    // Closes the screen: CanLeave(true), then back to the start screen.
    virtual void OnCloseScreen();
    // Opens the screen's help topic.
    virtual void OnHelpTopic();
    // Validates and saves or discards the screen's changes; false keeps the user on the screen.
    // A screen that holds no changes of its own may always be left.
    virtual bool CanLeave(bool prompt);
    // Loads the screen again from the stores, throwing unsaved edits away.
    virtual void Reload() {}

    bool IsModified() const { return modified_; }
    void SetModified(bool modified) { modified_ = modified; }

    // The full help path of the screen: the help file followed by the topic; empty without one.
    std::string HelpTopicPath() const;

    bool SupportsColours() const override { return true; }
    void OnActivateView(bool active) override;

    QPushButton* BackButton() const { return back_; }
    QPushButton* NextButton() const { return next_; }
    QPushButton* CloseButton() const { return close_; }
    QPushButton* HelpButton() const { return help_; }

protected:
    // Where the screen places its own controls, above the navigation row.
    QVBoxLayout* ContentLayout() const { return content_; }

    // The question before leaving with changes: the answer to `question` (Yes/No/Cancel, question
    // icon) when `prompt` is true, Yes without asking when it is false.
    int AskSaveChanges(bool prompt, const std::string& question) const;

    // The blink timer: OnBlinkTick runs every 400 ms between StartBlinkTimer and StopBlinkTimer.
    void StartBlinkTimer();
    void StopBlinkTimer();
    bool IsBlinkTimerRunning() const { return blinkTimer_.isActive(); }
    virtual void OnBlinkTick() {}

    void timerEvent(QTimerEvent* event) override;

private:
    QVBoxLayout* content_;
    QPushButton* back_;
    QPushButton* next_;
    QPushButton* close_;
    QPushButton* help_;
    int backScreen_;
    int nextScreen_;
    bool modified_ = false;
    QBasicTimer blinkTimer_;
};
