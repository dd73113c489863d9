// The Parameters screen driven in the real main frame over a small dataset: adding, deleting,
// moving, typing, type changes, and the checks before saving.
#include "tests/app/AppFixture.h"

#include "app/Commands.h"
#include "platform/MessageBox.h"
#include "store/DovaneDatabase.h"
#include "store/ParamStore.h"
#include "tests/support/DatasetFixture.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>

namespace {

class ParamScreen : public StartedApp {
protected:
    void Open(const DatasetDescription& description)
    {
        dataset_ = std::make_unique<TestDataset>(description);
        ASSERT_TRUE(Start());
        ASSERT_TRUE(app_->OpenDocumentFile(QString::fromStdString(dataset_->Path())));
        ASSERT_TRUE(Frame().GoToScreen(ID_PARAMETERS));
        screen_ = Frame().ParamEdit();
    }
    std::vector<std::string> Rows() const
    {
        std::vector<std::string> rows;
        for (int row = 0; row < screen_->List()->topLevelItemCount(); ++row)
            rows.push_back(screen_->List()->topLevelItem(row)->text(0).toStdString());
        return rows;
    }
    void Click(QPushButton* button) { QTest::mouseClick(button, Qt::LeftButton); }

    std::unique_ptr<TestDataset> dataset_;
    CDovaneParamEdit* screen_ = nullptr;
    ScriptedMessages messages_;
};

const DatasetDescription kTwo = {.parameters = {{"Colour", TYPE_ALPHANUMERIC}, {"Price", TYPE_NUMERIC, 2}}};

TEST_F(ParamScreen, AddTakesTheFirstCandidateNoRowCarriesInAnyCase)
{
    Open({.parameters = {{"new parameter", TYPE_ALPHANUMERIC}, {"NEW PARAMETER1", TYPE_NUMERIC}}});
    Click(screen_->AddButton());
    EXPECT_EQ(Rows().back(), "New Parameter2");
    EXPECT_EQ(screen_->NameEdit()->text(), "New Parameter2");
    EXPECT_TRUE(screen_->IsModified());
}

TEST_F(ParamScreen, DeletingTheLastRowSelectsTheOneBeforeAndTheOnlyRowDisablesTheFields)
{
    Open(kTwo);
    screen_->List()->setCurrentItem(screen_->List()->topLevelItem(1));
    messages_.Answer(IDYES);
    Click(screen_->DeleteButton());
    EXPECT_EQ(Rows(), std::vector<std::string>{"Colour"});
    EXPECT_EQ(screen_->NameEdit()->text(), "Colour");
    messages_.Answer(IDYES);
    Click(screen_->DeleteButton());
    EXPECT_TRUE(Rows().empty());
    EXPECT_FALSE(screen_->NameEdit()->isEnabled());
    EXPECT_TRUE(screen_->NameEdit()->text().isEmpty());
    EXPECT_FALSE(screen_->TypeCombo()->isEnabled());
    EXPECT_FALSE(screen_->PrecisionSpin()->isEnabled());
    // Saving an empty list deletes the parameters from the dataset.
    screen_->Save();
    EXPECT_EQ(dataset_->Count("Property"), 0);
}

TEST_F(ParamScreen, DeletingAParameterAddedSinceTheLastSaveAsksNothing)
{
    Open(kTwo);
    Click(screen_->AddButton());
    messages_.Clear();
    Click(screen_->DeleteButton());
    EXPECT_TRUE(messages_.Shown().empty());
    EXPECT_EQ(Rows().size(), 2u);
}

TEST_F(ParamScreen, PrecisionStaysInsideZeroToSix)
{
    Open(kTwo);
    screen_->List()->setCurrentItem(screen_->List()->topLevelItem(1));
    QSpinBox* spin = screen_->PrecisionSpin();
    ASSERT_TRUE(spin->isEnabled());
    EXPECT_EQ(spin->value(), 2);
    spin->setFocus();
    spin->selectAll();
    QTest::keyClicks(spin, "7");
    EXPECT_EQ(spin->value(), 2);
    spin->selectAll();
    QTest::keyClick(spin, Qt::Key_Minus);
    EXPECT_EQ(spin->value(), 2);
    QTest::keyClick(spin, Qt::Key_Down);
    QTest::keyClick(spin, Qt::Key_Down);
    QTest::keyClick(spin, Qt::Key_Down);
    EXPECT_EQ(spin->value(), 0);
    spin->setValue(6);
    QTest::keyClick(spin, Qt::Key_Up);
    EXPECT_EQ(spin->value(), 6);
    EXPECT_EQ(TheDatabase().Params().ParamAt(1)->PRESCISION, 6u);
}

TEST_F(ParamScreen, NoAtTheTypeQuestionKeepsTheOldType)
{
    Open(kTwo);
    messages_.Answer(IDNO);
    screen_->TypeCombo()->setCurrentIndex(1);
    emit screen_->TypeCombo()->activated(1);
    EXPECT_EQ(screen_->TypeCombo()->currentIndex(), 0);
    EXPECT_EQ(TheDatabase().Params().ParamAt(0)->TYPE_ID, TYPE_ALPHANUMERIC);
}

TEST_F(ParamScreen, MovingTheFirstRowDownSwapsThePositions)
{
    Open(kTwo);
    Click(screen_->DownButton());
    EXPECT_EQ(Rows(), (std::vector<std::string>{"Price", "Colour"}));
    EXPECT_EQ(TheDatabase().Params().ParamAt(0)->SORT_ORDER, 1);
    EXPECT_EQ(TheDatabase().Params().ParamAt(1)->SORT_ORDER, 0);
    EXPECT_FALSE(screen_->DownButton()->isEnabled());
    screen_->Save();
    EXPECT_EQ(dataset_->Rows("SELECT SORT_ORDER FROM Property WHERE PROPERTY_NAME='Colour'")[0][0], "1");
}

TEST_F(ParamScreen, RefusedNamesAreReportedAtSaveWithTheFocusOnTheName)
{
    const struct {
        const char* name;
        const char* why;
    } cases[] = {{"price", "a clash with another name, whatever the case"},
                 {"a[b]", "brackets break the generated SQL"},
                 {"item_id", "a column name of the result table"}};
    Open(kTwo);
    for (const auto& c : cases) {
        screen_->List()->setCurrentItem(screen_->List()->topLevelItem(0));
        screen_->NameEdit()->selectAll();
        QTest::keyClicks(screen_->NameEdit(), c.name);
        messages_.Clear();
        screen_->Save();
        EXPECT_EQ(messages_.Shown().size(), 1u) << c.why;
        EXPECT_TRUE(screen_->IsModified()) << c.why;
        EXPECT_EQ(dataset_->Count("Property", "PROPERTY_NAME='Colour'"), 1) << c.why;
    }
}

TEST_F(ParamScreen, CancelKeepsTheScreenAndPromptOffSavesWithoutAsking)
{
    Open(kTwo);
    Click(screen_->AddButton());
    messages_.Answer(IDCANCEL);
    EXPECT_FALSE(Frame().GoToScreen(ID_VALUES));
    EXPECT_EQ(Frame().ActiveView(), screen_);
    messages_.Clear();
    EXPECT_TRUE(screen_->CanLeave(false));
    EXPECT_TRUE(messages_.Shown().empty());
    EXPECT_EQ(dataset_->Count("Property"), 3);
}

}  // namespace
