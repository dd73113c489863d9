// The help viewer: the program's help topics are HTML pages built in as resources (":/help") and
// shown in one help window. Callers address a topic as the help file path followed by
// "::/topic.htm" and an optional "#anchor"; the help file's place is the executable's path with
// the extension ".chm", so that the topic names stay those the screens use.
#pragma once

#include <QEvent>
#include <QUrl>
#include <QWidget>

#include <string>

class QTextBrowser;
class QListWidget;

// The help file path: the executable's path with its extension replaced by ".chm".
std::string HelpFilePath();

// The page that a help path names: "...chm::/topic.htm#anchor" is qrc:/help/topic.htm#anchor; a
// path without a topic, or with one the help does not hold, is the contents page.
QUrl HelpTopicUrl(const std::string& helpPath);

// Shows the help window at the topic of `helpPath` (brought to the front; it has no owner).
// With `showContents` the contents pane is shown beside the topic.
void OpenHelp(const std::string& helpPath, bool showContents = false);

// The print engine's help request, sent to its host window when the preview's help button is
// pressed: the registered message ")/$%!MoxHelp" or, for documents opened with fixed message
// numbers, its fixed number. Opens the topic "::/view_howto.htm" and answers 1; false for any
// other event. Host windows call it from event().
bool AnswerEngineHelpRequest(QEvent* event);

class CHelpWindow : public QWidget {
    Q_OBJECT

public:
    // The one help window, created on first use.
    static CHelpWindow* Instance();
    // The help window when it exists, else null.
    static CHelpWindow* Existing();

    void ShowTopic(const QUrl& topic, bool showContents);
    QUrl CurrentTopic() const;
    bool IsContentsShown() const;

private:
    CHelpWindow();

    QTextBrowser* browser_;
    QListWidget* contents_;
};
