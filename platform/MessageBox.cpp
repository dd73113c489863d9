#include "platform/MessageBox.h"

#include <QApplication>
#include <QMessageBox>

#include <algorithm>
#include <cstdio>

namespace {

ScriptedMessages* g_scripted = nullptr;

QMessageBox::StandardButtons ButtonsOf(unsigned style)
{
    switch (style & 0x0F) {
    case MB_OKCANCEL: return QMessageBox::Ok | QMessageBox::Cancel;
    case MB_ABORTRETRYIGNORE: return QMessageBox::Abort | QMessageBox::Retry | QMessageBox::Ignore;
    case MB_YESNOCANCEL: return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case MB_YESNO: return QMessageBox::Yes | QMessageBox::No;
    case MB_RETRYCANCEL: return QMessageBox::Retry | QMessageBox::Cancel;
    default: return QMessageBox::Ok;
    }
}

QMessageBox::Icon IconOf(unsigned style)
{
    switch (style & 0xF0) {
    case MB_ICONERROR: return QMessageBox::Critical;
    case MB_ICONQUESTION: return QMessageBox::Question;
    case MB_ICONWARNING: return QMessageBox::Warning;
    case MB_ICONINFORMATION: return QMessageBox::Information;
    default: return QMessageBox::NoIcon;
    }
}

int AnswerOf(int button)
{
    switch (button) {
    case QMessageBox::Ok: return IDOK;
    case QMessageBox::Yes: return IDYES;
    case QMessageBox::No: return IDNO;
    case QMessageBox::Abort: return IDABORT;
    case QMessageBox::Retry: return IDRETRY;
    case QMessageBox::Ignore: return IDIGNORE;
    default: return IDCANCEL;
    }
}

int ShowDialog(const ShownMessage& message, QWidget* owner)
{
    QMessageBox box(IconOf(message.style),
                    message.caption.empty() ? QApplication::applicationName()
                                            : QString::fromStdString(message.caption),
                    QString::fromStdString(message.text), ButtonsOf(message.style), owner);
    return AnswerOf(box.exec());
}

}  // namespace

int DefaultAnswer(unsigned style)
{
    switch (style & 0x0F) {
    case MB_OKCANCEL: return IDOK;
    case MB_ABORTRETRYIGNORE: return IDABORT;
    case MB_YESNOCANCEL:
    case MB_YESNO: return IDYES;
    case MB_RETRYCANCEL: return IDRETRY;
    default: return IDOK;
    }
}

int MessageBox(const std::string& text, const std::string& caption, unsigned style, QWidget* owner)
{
    const ShownMessage message{text, caption, style};
    if (g_scripted)
        return g_scripted->Respond(message);
    if (!qobject_cast<QApplication*>(QCoreApplication::instance())) {
        if (caption.empty())
            std::fprintf(stderr, "%s\n", text.c_str());
        else
            std::fprintf(stderr, "%s: %s\n", caption.c_str(), text.c_str());
        return DefaultAnswer(style);
    }
    return ShowDialog(message, owner);
}

ScriptedMessages::ScriptedMessages() : previous_(g_scripted) { g_scripted = this; }

ScriptedMessages::~ScriptedMessages() { g_scripted = previous_; }

int ScriptedMessages::Respond(const ShownMessage& message)
{
    shown_.push_back(message);
    if (answers_.empty())
        return DefaultAnswer(message.style);
    const int answer = answers_.front();
    answers_.pop_front();
    return answer;
}

std::vector<std::string> ScriptedMessages::Texts() const
{
    std::vector<std::string> texts;
    for (const ShownMessage& message : shown_)
        texts.push_back(message.text);
    return texts;
}

bool ScriptedMessages::WasShown(const std::string& text) const
{
    return std::any_of(shown_.begin(), shown_.end(),
                       [&](const ShownMessage& message) { return message.text == text; });
}
