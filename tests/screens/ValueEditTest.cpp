// The Values screen in the real main frame over a small dataset, and pictures of the screens
// with the sample dataset under the build folder (screenshots/).
#include "tests/app/AppFixture.h"

#include "app/Commands.h"
#include "platform/MessageBox.h"
#include "store/DovaneDatabase.h"
#include "tests/support/DatasetFixture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

namespace {

class ValueScreen : public StartedApp {
protected:
    void Open(const DatasetDescription& description)
    {
        dataset_ = std::make_unique<TestDataset>(description);
        ASSERT_TRUE(Start());
        ASSERT_TRUE(app_->OpenDocumentFile(QString::fromStdString(dataset_->Path())));
        ASSERT_TRUE(Frame().GoToScreen(ID_VALUES));
        screen_ = Frame().ValueEdit();
    }
    std::vector<std::string> Rows() const
    {
        std::vector<std::string> rows;
        for (int row = 0; row < screen_->ValueList()->count(); ++row)
            rows.push_back(screen_->ValueList()->item(row)->text().toStdString());
        return rows;
    }
    void Click(QPushButton* button) { QTest::mouseClick(button, Qt::LeftButton); }

    std::unique_ptr<TestDataset> dataset_;
    CDovaneValueEdit* screen_ = nullptr;
    ScriptedMessages messages_;
};

const DatasetDescription kShop = {
    .parameters = {{"Colour", TYPE_ALPHANUMERIC, 0, {"Red", "Blue"}},
                   {"Price", TYPE_NUMERIC, 2},
                   {"Size", TYPE_ALPHANUMERIC, 0, {"Small"}}},
    .items = {{"Apple", {{"Colour", "Red"}}}}};

TEST_F(ValueScreen, ShowsTheAlphanumericParametersAndTheirValues)
{
    Open(kShop);
    ASSERT_EQ(screen_->ParamCombo()->count(), 2);
    EXPECT_EQ(screen_->ParamCombo()->itemText(1), "Size");
    EXPECT_EQ(Rows(), (std::vector<std::string>{"Red", "Blue"}));
    EXPECT_EQ(screen_->ValueText()->text(), "Red");
    EXPECT_FALSE(Frame().CommandState(ID_TEXT_COLOUR).enabled);
}

TEST_F(ValueScreen, OnlyNumericParametersLeaveTheValueControlsOff)
{
    Open({.parameters = {{"Price", TYPE_NUMERIC, 2}, {"Date", TYPE_DATETIME}}});
    EXPECT_EQ(screen_->ParamCombo()->count(), 0);
    EXPECT_FALSE(screen_->ValueText()->isEnabled());
    EXPECT_FALSE(screen_->DeleteButton()->isEnabled());
}

TEST_F(ValueScreen, AddRenameCutsAt49AndSaveWritesTheValue)
{
    Open(kShop);
    Click(screen_->AddButton());
    EXPECT_EQ(Rows().back(), "New Value");
    QTest::keyClicks(screen_->ValueText(), QString(60, 'x'));
    EXPECT_EQ(Rows().back(), std::string(49, 'x'));
    screen_->Save();
    EXPECT_FALSE(screen_->IsModified());
    EXPECT_EQ(dataset_->Number("SELECT COUNT(*) FROM \"Values\" WHERE VALUE_ANUM='" + std::string(49, 'x') + "'"), 1);
}

TEST_F(ValueScreen, ValuesDifferingOnlyInCaseAreDuplicates)
{
    Open(kShop);
    screen_->ValueList()->setCurrentRow(1);
    screen_->ValueText()->selectAll();
    QTest::keyClicks(screen_->ValueText(), "RED");
    screen_->Save();
    ASSERT_EQ(messages_.Shown().size(), 1u);
    EXPECT_EQ(messages_.Shown()[0].caption, "Red");  // the first row of the clash
    EXPECT_TRUE(screen_->IsModified());
}

TEST_F(ValueScreen, AValueAnItemCarriesIsNotDeleted)
{
    Open(kShop);
    Click(screen_->DeleteButton());
    EXPECT_TRUE(messages_.WasShown("Selected value cannot be deleted, \nbecause it is assigned to items."));
    EXPECT_EQ(Rows().size(), 2u);
}

TEST_F(ValueScreen, DeletingTheLastValueSelectsTheOneBefore)
{
    Open(kShop);
    screen_->ValueList()->setCurrentRow(1);
    messages_.Answer(IDYES);
    Click(screen_->DeleteButton());
    EXPECT_EQ(Rows(), std::vector<std::string>{"Red"});
    EXPECT_EQ(screen_->ValueList()->currentRow(), 0);
    EXPECT_EQ(screen_->ValueText()->text(), "Red");
}

TEST_F(ValueScreen, CancelAtTheQuestionKeepsTheParameterAndItsValues)
{
    Open(kShop);
    Click(screen_->AddButton());
    messages_.Answer(IDCANCEL);
    screen_->ParamCombo()->setCurrentIndex(1);
    emit screen_->ParamCombo()->activated(1);
    EXPECT_EQ(screen_->ParamCombo()->currentIndex(), 0);
    EXPECT_EQ(Rows().size(), 3u);
    messages_.Answer(IDCANCEL);
    EXPECT_FALSE(Frame().GoToScreen(ID_ITEMS));
    EXPECT_EQ(Frame().ActiveView(), screen_);
}

TEST_F(ValueScreen, AlphabeticOrderIsSavedWithTheParameter)
{
    Open(kShop);
    QTest::mouseClick(screen_->AlphabeticCheck(), Qt::LeftButton, {},
                      QPoint(4, screen_->AlphabeticCheck()->height() / 2));
    screen_->Save();
    EXPECT_EQ(Rows(), (std::vector<std::string>{"Blue", "Red"}));
    EXPECT_EQ(dataset_->Number("SELECT ALPHABETIC_ORDER FROM Property WHERE PROPERTY_NAME='Colour'"), 1);
}

QString ScreenshotFolder()
{
    const QString build = qEnvironmentVariable("TAVRIN_BINARY_DIR", QDir::currentPath() + "/../..");
    QDir(build).mkpath("screenshots");
    return QDir(build).absoluteFilePath("screenshots") + "/";
}

TEST_F(StartedApp, SavesPicturesOfTheEditingScreensWithTheSampleDataset)
{
    const QString sample = qEnvironmentVariable("TAVRIN_TEMPLATE_DIR") + "/sample.tvd";
    const QString copy = QString::fromStdString(folder_.Path("sample.tvd"));
    ASSERT_TRUE(QFile::copy(sample, copy));
    QFile::setPermissions(copy, QFile::ReadOwner | QFile::WriteOwner);
    ASSERT_TRUE(Start());
    ASSERT_TRUE(app_->OpenDocumentFile(copy));
    Frame().resize(900, 600);
    const struct {
        int command;
        const char* name;
    } screens[] = {{0, "edit-start"}, {ID_PARAMETERS, "edit-parameters"}, {ID_VALUES, "edit-values"}};
    for (const auto& screen : screens) {
        if (screen.command) {
            ASSERT_TRUE(Frame().GoToScreen(screen.command));
        }
        QCoreApplication::processEvents();
        EXPECT_TRUE(Frame().grab().save(ScreenshotFolder() + screen.name + ".png"));
    }
}

}  // namespace
