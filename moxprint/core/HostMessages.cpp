#include "moxprint/core/HostMessages.h"

#include "platform/WindowMessage.h"

#include <array>

namespace {

constexpr std::array<const char*, kMoxMessageCount> kNames{
    ")/$%!MoxDestroyWindow", ")/$%!MoxPrint",      ")/$%!MoxAutoPageBreak",
    ")/$%!MoxPrintNewPage",  ")/$%!MoxPrintDevData", ")/$%!MoxHelp",
    ")/$%!MoxCloseWindow",   ")/$%!MoxObjectClicked", ")/$%!MoxUDOPaint",
    ")/$%!MoxBeforeMail",    ")/$%!MoxAfterMail",   ")/$%!MoxCanClose",
};

}  // namespace

const char* MessageName(MoxMessage message) { return kNames[unsigned(message)]; }

unsigned FixedMessageNumber(MoxMessage message) { return kFirstFixedMessage + unsigned(message); }

unsigned RegisteredMessageNumber(MoxMessage message)
{
    const unsigned number = RegisterWindowMessage(MessageName(message));
    return number != 0 ? number : FixedMessageNumber(message);
}

void RegisterHostMessages()
{
    for (unsigned i = 0; i < kMoxMessageCount; ++i)
        RegisteredMessageNumber(MoxMessage(i));
}

unsigned MapFixedMessage(unsigned number)
{
    if (number < kFirstFixedMessage || number >= kFirstFixedMessage + kMoxMessageCount)
        return number;
    return RegisteredMessageNumber(MoxMessage(number - kFirstFixedMessage));
}
