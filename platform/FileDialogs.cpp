#include "platform/FileDialogs.h"

#include <QFileDialog>

namespace {

ScriptedFileDialogs* g_scripted = nullptr;

std::string RunDialog(const FileDialogRequest& request, QWidget* owner, bool confirmOverwrite)
{
    QFileDialog dialog(owner, QString::fromStdString(request.caption),
                       QString::fromStdString(request.directory),
                       QString::fromStdString(request.filter));
    const bool save = request.kind == FileDialogRequest::Kind::Save;
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    if (!request.defaultSuffix.empty())
        dialog.setDefaultSuffix(QString::fromStdString(request.defaultSuffix));
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !confirmOverwrite);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().front().toStdString();
}

}  // namespace

std::string GetOpenFileName(QWidget* owner, const std::string& caption, const std::string& filter,
                            const std::string& directory)
{
    const FileDialogRequest request{FileDialogRequest::Kind::Open, caption, filter, directory, {}};
    if (g_scripted)
        return g_scripted->Respond(request);
    return RunDialog(request, owner, false);
}

std::string GetSaveFileName(QWidget* owner, const std::string& caption, const std::string& filter,
                            const std::string& directory, const std::string& defaultSuffix,
                            bool confirmOverwrite)
{
    const FileDialogRequest request{FileDialogRequest::Kind::Save, caption, filter, directory,
                                    defaultSuffix};
    if (g_scripted)
        return g_scripted->Respond(request);
    return RunDialog(request, owner, confirmOverwrite);
}

ScriptedFileDialogs::ScriptedFileDialogs() : previous_(g_scripted) { g_scripted = this; }

ScriptedFileDialogs::~ScriptedFileDialogs() { g_scripted = previous_; }

ScriptedFileDialogs* ScriptedFileDialogs::Active() { return g_scripted; }

std::string ScriptedFileDialogs::Respond(const FileDialogRequest& request)
{
    requests_.push_back(request);
    if (answers_.empty())
        return {};
    std::string answer = answers_.front();
    answers_.pop_front();
    return answer;
}
