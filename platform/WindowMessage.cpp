#include "platform/WindowMessage.h"

#include <QCoreApplication>
#include <QWidget>

#include <map>
#include <mutex>

namespace {

constexpr unsigned kFirstRegisteredMessage = 0xC000;

struct MessageRegistry {
    std::mutex mutex;
    std::map<std::string, unsigned> numbers;
};

MessageRegistry& Registry()
{
    static MessageRegistry registry;
    return registry;
}

}  // namespace

unsigned RegisterWindowMessage(const std::string& name)
{
    if (name.empty())
        return 0;
    MessageRegistry& registry = Registry();
    std::lock_guard lock(registry.mutex);
    auto [entry, added] = registry.numbers.try_emplace(
        name, kFirstRegisteredMessage + unsigned(registry.numbers.size()));
    return entry->second;
}

WindowMessage::WindowMessage(unsigned message, uintptr_t wParam, intptr_t lParam)
    : QEvent(Type()), message(message), wParam(wParam), lParam(lParam)
{
}

QEvent::Type WindowMessage::Type()
{
    static const auto type = QEvent::Type(QEvent::registerEventType());
    return type;
}

intptr_t SendWindowMessage(QObject* window, unsigned message, uintptr_t wParam, intptr_t lParam)
{
    if (!window || !QCoreApplication::instance())
        return 0;
    WindowMessage event(message, wParam, lParam);
    QCoreApplication::sendEvent(window, &event);
    return event.result;
}

intptr_t SendWindowMessage(QWidget* window, unsigned message, uintptr_t wParam, intptr_t lParam)
{
    return SendWindowMessage(static_cast<QObject*>(window), message, wParam, lParam);
}

bool PostWindowMessage(QObject* window, unsigned message, uintptr_t wParam, intptr_t lParam)
{
    if (!window)
        return false;
    QCoreApplication::postEvent(window, new WindowMessage(message, wParam, lParam));
    return true;
}

bool PostWindowMessage(QWidget* window, unsigned message, uintptr_t wParam, intptr_t lParam)
{
    return PostWindowMessage(static_cast<QObject*>(window), message, wParam, lParam);
}
