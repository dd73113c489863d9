// Opening a web address, a mail address ("mailto:...") or a file with the desktop's own handler.
// Every such request goes through ShellOpen(), so that tests can answer it (ScriptedShellOpen).
#pragma once

#include <deque>
#include <string>
#include <vector>

// Opens `target` (UTF-8): a URL with a scheme is opened as it stands, anything else is taken as
// a local file path. Returns whether the desktop accepted it.
bool ShellOpen(const std::string& target);

// Replaces the desktop for as long as it lives: records every target and answers with the
// prepared results in order, then with success.
class ScriptedShellOpen {
public:
    ScriptedShellOpen();
    ~ScriptedShellOpen();
    ScriptedShellOpen(const ScriptedShellOpen&) = delete;
    ScriptedShellOpen& operator=(const ScriptedShellOpen&) = delete;

    void Answer(bool opened) { answers_.push_back(opened); }
    const std::vector<std::string>& Targets() const { return targets_; }

    // Used by ShellOpen.
    static ScriptedShellOpen* Active();
    bool Respond(const std::string& target);

private:
    std::vector<std::string> targets_;
    std::deque<bool> answers_;
    ScriptedShellOpen* previous_ = nullptr;
};
