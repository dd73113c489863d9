#include "platform/FileDialogs.h"

#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QFileDialog>
#include <QTimer>

namespace {

// Answers the next modal file dialog with `name` (typed into its name box), as a user would.
void AcceptNextFileDialog(const QString& name)
{
    QTimer::singleShot(0, [name] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        dialog->selectFile(name);
        QMetaObject::invokeMethod(dialog, "accept");  // the slot the OK button runs
    });
}

}  // namespace

TEST(FileDialogs, ScriptedAnswersComeInOrderThenCancel)
{
    ScriptedFileDialogs dialogs;
    dialogs.Answer("/data/a.tvd");
    dialogs.Cancel();

    EXPECT_EQ(GetOpenFileName(nullptr, "Open", "Tavrin Files (*.tvd)", "/data"), "/data/a.tvd");
    EXPECT_EQ(GetSaveFileName(nullptr, "New dataset", "Tavrin Files (*.tvd)", "", "tvd"), "");
    EXPECT_EQ(GetOpenFileName(nullptr, "Open", "Tavrin Files (*.tvd)"), "");

    ASSERT_EQ(dialogs.Requests().size(), 3u);
    EXPECT_EQ(dialogs.Requests()[0].kind, FileDialogRequest::Kind::Open);
    EXPECT_EQ(dialogs.Requests()[0].directory, "/data");
    EXPECT_EQ(dialogs.Requests()[1].kind, FileDialogRequest::Kind::Save);
    EXPECT_EQ(dialogs.Requests()[1].caption, "New dataset");
    EXPECT_EQ(dialogs.Requests()[1].defaultSuffix, "tvd");
    EXPECT_EQ(dialogs.Requests()[2].filter, "Tavrin Files (*.tvd)");
}

TEST(FileDialogs, NestedScriptRestoresTheOuterOne)
{
    ScriptedFileDialogs outer;
    outer.Answer("/outer.tvd");
    {
        ScriptedFileDialogs inner;
        inner.Answer("/inner.tvd");
        EXPECT_EQ(GetOpenFileName(nullptr, "Open", ""), "/inner.tvd");
    }
    EXPECT_EQ(GetOpenFileName(nullptr, "Open", ""), "/outer.tvd");
}

TEST(FileDialogs, RealSaveDialogAppendsTheDefaultSuffixToATypedName)
{
    TempFolder folder;
    AcceptNextFileDialog("stock");
    const std::string chosen = GetSaveFileName(nullptr, "New dataset", "Tavrin Files (*.tvd)",
                                               folder.Root(), "tvd", false);
    EXPECT_EQ(chosen, folder.Path("stock.tvd"));
}

TEST(FileDialogs, RealOpenDialogReturnsTheChosenExistingFile)
{
    TempFolder folder;
    const std::string path = folder.WriteFile("shop.tvd", "x");
    AcceptNextFileDialog(QString::fromStdString(path));
    EXPECT_EQ(GetOpenFileName(nullptr, "Open", "Tavrin Files (*.tvd)", folder.Root()), path);
}
