// The host window hears of every automatic page break, once per break.
#include "moxprint.h"
#include "platform/WindowMessage.h"

#include <gtest/gtest.h>

#include <QWidget>

#include <vector>

namespace {

// A host window that records the window messages it receives.
class RecordingHost : public QWidget {
public:
    std::vector<unsigned> messages;
    std::vector<intptr_t> documents;

protected:
    bool event(QEvent* event) override
    {
        if (event->type() == WindowMessage::Type()) {
            auto* message = static_cast<WindowMessage*>(event);
            messages.push_back(message->message);
            documents.push_back(message->lParam);
            return true;
        }
        return QWidget::event(event);
    }
};

TEST(AutoPageBreakMessage, ATextBelowTheMarginSendsTheMessageOnce)
{
    RecordingHost host;
    HMOXDOC doc = MoxOpenDoc(&host, "test", MOX_OPEN_FIXED_MESSAGES);
    ASSERT_TRUE(doc);
    host.messages.clear();
    MoxPrint(doc, 200, 2800, "Below the margin");
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0], unsigned(MOX_MSG_AUTO_PAGE_BREAK));
    EXPECT_EQ(host.documents[0], reinterpret_cast<intptr_t>(doc));
    EXPECT_EQ(MoxGetPageCount(doc), 2);
    MoxCloseDoc(doc);
}

TEST(AutoPageBreakMessage, EveryBreakOfALongTextIsAnnounced)
{
    RecordingHost host;
    HMOXDOC doc = MoxOpenDoc(&host, "test", 0);
    ASSERT_TRUE(doc);
    host.messages.clear();
    std::string text;
    for (int i = 0; i < 150; ++i)
        text += "A line of a long text\n";
    MoxPrint(doc, 200, 200, text.c_str());
    ASSERT_GE(MoxGetPageCount(doc), 3);
    EXPECT_EQ(host.messages.size(), size_t(MoxGetPageCount(doc) - 1));
    for (unsigned message : host.messages)
        EXPECT_EQ(message, MoxMapMessage(doc, MOX_MSG_AUTO_PAGE_BREAK));
    MoxCloseDoc(doc);
}

} // namespace
