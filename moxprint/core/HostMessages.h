// The twelve messages the engine sends to its host window. Their numbers are registered by
// name once per process (registering again gives the same numbers); a document opened with
// MOX_OPEN_FIXED_MESSAGES, or a process where registration gave 0, uses the fixed numbers
// 3330 .. 3341 in the same order.
#pragma once

#include <cstdint>

enum class MoxMessage : unsigned {
    DestroyWindow = 0,
    Print,
    AutoPageBreak,
    PrintNewPage,
    PrintDevData,
    Help,
    CloseWindow,
    ObjectClicked,
    UDOPaint,
    BeforeMail,
    AfterMail,
    CanClose,
};
constexpr unsigned kMoxMessageCount = 12;
constexpr unsigned kFirstFixedMessage = 3330;

// ")/$%!Mox" + the event name.
const char* MessageName(MoxMessage message);
unsigned FixedMessageNumber(MoxMessage message);
// Registers the twelve names (again: same numbers) and returns the number in use for
// documents without fixed numbers.
unsigned RegisteredMessageNumber(MoxMessage message);
void RegisterHostMessages();
// A fixed number mapped to the registered one; any other number unchanged.
unsigned MapFixedMessage(unsigned number);
