// CDovaneOptions: the Options dialog with the five per-user switches. Opening reads each switch
// (so a first run writes it with 1); OK writes all five and, when "Show Links" changed, posts
// "Restore Links column" (ID_RESTORE_LINKS) to the frame so the result screen shows or hides the
// column. Cancel writes nothing. F1 opens the help at the options topic.
#pragma once

#include <QDialog>

class QCheckBox;

class CDovaneOptions : public QDialog {
    Q_OBJECT

public:
    // `commandTarget` receives the posted command; `promptOnSave` is the frame's copy of the
    // "PromptOnSave" switch, updated on opening and on OK (both may be null).
    CDovaneOptions(QWidget* parent, QObject* commandTarget, int* promptOnSave);

    QCheckBox* PromptOnSaveBox() const { return promptOnSave_; }
    QCheckBox* LoadLastBox() const { return loadLast_; }
    QCheckBox* BeepBox() const { return beep_; }
    QCheckBox* SplashBox() const { return splash_; }
    QCheckBox* ShowLinksBox() const { return showLinks_; }

    static std::string HelpTopicPath();

    void accept() override;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    QCheckBox* promptOnSave_;
    QCheckBox* loadLast_;
    QCheckBox* beep_;
    QCheckBox* splash_;
    QCheckBox* showLinks_;
    QObject* commandTarget_;
    int* framePromptOnSave_;
    bool showLinksAtOpening_ = false;
};
