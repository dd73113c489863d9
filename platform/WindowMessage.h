// Registered window messages and their delivery to a window. RegisterWindowMessage gives every
// name one number for the life of the process (from 0xC000 on, the same number on every call);
// a message travels as a WindowMessage event, sent synchronously (the receiver's handler sets
// the result) or posted to the receiver's event queue. A receiver handles it in event() or an
// event filter: `if (event->type() == WindowMessage::Type()) ...`.
#pragma once

#include <QEvent>

#include <cstdint>
#include <string>

class QObject;
class QWidget;

// The number registered for `name`; 0 for an empty name.
unsigned RegisterWindowMessage(const std::string& name);

class WindowMessage : public QEvent {
public:
    WindowMessage(unsigned message, uintptr_t wParam, intptr_t lParam);

    // The event type every window message carries.
    static QEvent::Type Type();

    unsigned message;
    uintptr_t wParam;
    intptr_t lParam;
    intptr_t result = 0;  // set by the handler of a sent message
};

// Delivers the message now and returns the handler's result (0 when nobody handled it, when
// `window` is null or when the process has no Qt application object to deliver through).
intptr_t SendWindowMessage(QObject* window, unsigned message, uintptr_t wParam, intptr_t lParam);
intptr_t SendWindowMessage(QWidget* window, unsigned message, uintptr_t wParam, intptr_t lParam);
// Queues the message for the window's thread; false when `window` is null.
bool PostWindowMessage(QObject* window, unsigned message, uintptr_t wParam, intptr_t lParam);
bool PostWindowMessage(QWidget* window, unsigned message, uintptr_t wParam, intptr_t lParam);
