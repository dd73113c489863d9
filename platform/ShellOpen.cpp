#include "platform/ShellOpen.h"

#include <QDesktopServices>
#include <QUrl>

namespace {

ScriptedShellOpen* g_scripted = nullptr;

QUrl TargetUrl(const std::string& target)
{
    const QString text = QString::fromStdString(target);
    const QUrl url(text, QUrl::TolerantMode);
    // A single letter before ":" is no scheme worth trusting; plain paths are files.
    if (url.isValid() && url.scheme().size() > 1)
        return url;
    return QUrl::fromLocalFile(text);
}

}  // namespace

bool ShellOpen(const std::string& target)
{
    if (g_scripted)
        return g_scripted->Respond(target);
    if (target.empty())
        return false;
    return QDesktopServices::openUrl(TargetUrl(target));
}

ScriptedShellOpen::ScriptedShellOpen() : previous_(g_scripted) { g_scripted = this; }

ScriptedShellOpen::~ScriptedShellOpen() { g_scripted = previous_; }

ScriptedShellOpen* ScriptedShellOpen::Active() { return g_scripted; }

bool ScriptedShellOpen::Respond(const std::string& target)
{
    targets_.push_back(target);
    if (answers_.empty())
        return true;
    const bool answer = answers_.front();
    answers_.pop_front();
    return answer;
}
