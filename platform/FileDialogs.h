// File open and save dialogs: every file name the user picks goes through these functions, so
// that tests can answer them (ScriptedFileDialogs) and see what was asked. Filters use Qt's form,
// "Tavrin Files (*.tvd)", several separated by ";;".
#pragma once

#include <deque>
#include <string>
#include <vector>

class QWidget;

struct FileDialogRequest {
    enum class Kind { Open, Save };
    Kind kind = Kind::Open;
    std::string caption;
    std::string filter;
    std::string directory;      // where the dialog starts; empty: the current folder
    std::string defaultSuffix;  // Save: appended to a name typed without extension ("tvd")
};

// The file to open, UTF-8; empty when the user cancelled.
std::string GetOpenFileName(QWidget* owner, const std::string& caption, const std::string& filter,
                            const std::string& directory = {});

// The file to save to, UTF-8; empty when the user cancelled. The dialog asks before it returns
// the name of an existing file unless `confirmOverwrite` is false (the caller then decides).
std::string GetSaveFileName(QWidget* owner, const std::string& caption, const std::string& filter,
                            const std::string& directory = {}, const std::string& defaultSuffix = {},
                            bool confirmOverwrite = true);

// Replaces the real dialogs for as long as it lives: records every request and answers with the
// prepared names in order, then with cancel (an empty name). One at a time; nesting restores the
// outer one.
class ScriptedFileDialogs {
public:
    ScriptedFileDialogs();
    ~ScriptedFileDialogs();
    ScriptedFileDialogs(const ScriptedFileDialogs&) = delete;
    ScriptedFileDialogs& operator=(const ScriptedFileDialogs&) = delete;

    void Answer(const std::string& path) { answers_.push_back(path); }
    void Cancel() { answers_.push_back(std::string()); }
    const std::vector<FileDialogRequest>& Requests() const { return requests_; }

    // Used by the dialog functions.
    static ScriptedFileDialogs* Active();
    std::string Respond(const FileDialogRequest& request);

private:
    std::vector<FileDialogRequest> requests_;
    std::deque<std::string> answers_;
    ScriptedFileDialogs* previous_ = nullptr;
};
