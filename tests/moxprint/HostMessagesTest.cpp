// Messages from the engine to its host window: the process-wide registry of message numbers,
// synchronous and queued delivery, and the auto page break message of a document.
#include "moxprint.h"
#include "moxprint/core/HostMessages.h"
#include "moxprint/core/MoxDocument.h"
#include "platform/WindowMessage.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QWidget>

#include <vector>

namespace {

// A host window that records every window message and answers with a prepared result.
class RecordingHost : public QWidget {
public:
    bool event(QEvent* event) override
    {
        if (event->type() != WindowMessage::Type())
            return QWidget::event(event);
        auto* message = static_cast<WindowMessage*>(event);
        received.push_back(*message);
        message->result = answer;
        return true;
    }

    std::vector<WindowMessage> received;
    intptr_t answer = 0;
};

TEST(WindowMessages, EveryNameKeepsOneRegisteredNumber)
{
    const unsigned first = RegisterWindowMessage("Tavrin test message A");
    const unsigned second = RegisterWindowMessage("Tavrin test message B");
    EXPECT_GE(first, 0xC000u);
    EXPECT_NE(first, second);
    EXPECT_EQ(RegisterWindowMessage("Tavrin test message A"), first);
    EXPECT_EQ(RegisterWindowMessage(""), 0u);
}

TEST(WindowMessages, SentMessagesReturnTheHandlersResultAndPostedOnesArriveLater)
{
    RecordingHost host;
    host.answer = 7;
    EXPECT_EQ(SendWindowMessage(&host, 0xC100, 1, 2), 7);
    ASSERT_EQ(host.received.size(), 1u);
    EXPECT_EQ(host.received[0].message, 0xC100u);
    EXPECT_EQ(host.received[0].wParam, 1u);
    EXPECT_EQ(host.received[0].lParam, 2);
    EXPECT_TRUE(PostWindowMessage(&host, 0xC101, 3, 4));
    EXPECT_EQ(host.received.size(), 1u);
    QCoreApplication::processEvents();
    ASSERT_EQ(host.received.size(), 2u);
    EXPECT_EQ(host.received[1].message, 0xC101u);
    EXPECT_EQ(SendWindowMessage(static_cast<QWidget*>(nullptr), 0xC100, 0, 0), 0);
}

TEST(WindowMessages, FixedNumbersMapToTheRegisteredOnes)
{
    for (unsigned i = 0; i < kMoxMessageCount; ++i) {
        const auto message = MoxMessage(i);
        EXPECT_EQ(FixedMessageNumber(message), 3330 + i);
        EXPECT_EQ(MoxMapMessage(nullptr, 3330 + i), RegisterWindowMessage(MessageName(message)));
    }
    EXPECT_STREQ(MessageName(MoxMessage::AutoPageBreak), ")/$%!MoxAutoPageBreak");
    EXPECT_STREQ(MessageName(MoxMessage::CanClose), ")/$%!MoxCanClose");
}

TEST(WindowMessages, AutoPageBreakNotifiesTheHostOnceWithTheDocument)
{
    struct Case {
        uint32_t flags;
        unsigned expected;
    };
    const Case cases[] = {
        {0, RegisterWindowMessage(")/$%!MoxAutoPageBreak")},
        {MOX_OPEN_FIXED_MESSAGES, MOX_MSG_AUTO_PAGE_BREAK},
    };
    for (const Case& c : cases) {
        RecordingHost host;
        HMOXDOC doc = MoxOpenDoc(&host, "messages", c.flags);
        ASSERT_NE(doc, nullptr);
        MoxPageBreak(doc);  // a plain page break sends nothing
        EXPECT_TRUE(host.received.empty());
        doc->AutoPageBreak();
        ASSERT_EQ(host.received.size(), 1u) << c.flags;
        EXPECT_EQ(host.received[0].message, c.expected);
        EXPECT_EQ(host.received[0].wParam, 0u);
        EXPECT_EQ(host.received[0].lParam, reinterpret_cast<intptr_t>(doc));
        MoxCloseDoc(doc);
    }
}

}  // namespace
