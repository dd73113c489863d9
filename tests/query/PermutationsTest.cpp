// Permutations: the arithmetic of the cycle, the text form and the saved permutations.
#include "query/Permutations.h"
#include "tests/query/ResultTestFixture.h"

namespace {

TEST(PermutationArithmetic, ThreeColumnsHaveSixArrangementsInLexicographicOrder)
{
    PermutationOrder order = IdentityOrder(3);
    std::vector<std::string> seen = {PermutationText(order)};
    while (NextPermutation(3, order) == 0)
        seen.push_back(PermutationText(order));
    EXPECT_EQ(seen, (std::vector<std::string>{"2,3,4", "2,4,3", "3,2,4", "3,4,2", "4,2,3", "4,3,2"}));
    EXPECT_EQ(PermutationTotal(3), 6);
}

TEST(PermutationArithmetic, StepsStopAtTheEnds)
{
    PermutationOrder last{4, 3, 2};
    EXPECT_EQ(NextPermutation(3, last), 1);
    EXPECT_EQ(last, (PermutationOrder{4, 3, 2}));
    PermutationOrder first = IdentityOrder(3);
    EXPECT_EQ(PreviousPermutation(3, first), 1);
    EXPECT_EQ(first, IdentityOrder(3));
    // Previous undoes Next.
    PermutationOrder order{3, 4, 2};
    ASSERT_EQ(NextPermutation(3, order), 0);
    ASSERT_EQ(PreviousPermutation(3, order), 0);
    EXPECT_EQ(order, (PermutationOrder{3, 4, 2}));
}

TEST(PermutationArithmetic, TheNumberOfAnArrangementIsItsStepCountFromTheFirst)
{
    for (int n : {1, 3, 5}) {
        PermutationOrder order = IdentityOrder(n);
        int64_t steps = 0;
        do {
            EXPECT_EQ(PermutationNumber(order), steps) << PermutationText(order);
            ++steps;
        } while (NextPermutation(n, order) == 0);
        EXPECT_EQ(steps, PermutationTotal(n)) << n;
    }
    EXPECT_EQ(PermutationTotal(0), 1);
}

TEST(PermutationArithmetic, TextForm)
{
    PermutationOrder order;
    ASSERT_TRUE(ParsePermutationText("3,2,4", order));
    EXPECT_EQ(order, (PermutationOrder{3, 2, 4}));
    EXPECT_EQ(PermutationText(order), "3,2,4");
    EXPECT_EQ(PermutationEntryCount("3,2,4"), 3);
    EXPECT_FALSE(ParsePermutationText("3,x", order));
    EXPECT_EQ(order, (PermutationOrder{3, 2, 4}));
}

class SavedPermutationsTest : public ResultTest {
protected:
    void SetUp() override
    {
        Open({.parameters = {{"A", TYPE_NUMERIC}, {"B", TYPE_NUMERIC}, {"C", TYPE_NUMERIC}}});
        queryId_ = AddQuery("Q", {"A", "B", "C"});
    }
    CPermutations& Saved() { return View().Permutations(); }
    int queryId_ = 0;
};

TEST_F(SavedPermutationsTest, AddedPermutationsAreStoredAndReadBack)
{
    Saved().AddPermutation({3, 2, 4}, queryId_, "B first");
    Saved().AddPermutation({4, 3, 2}, queryId_, "Reversed");
    ASSERT_TRUE(Saved().SavePermutations(queryId_));
    EXPECT_EQ(Dataset().Rows("SELECT QUERY_ID, COMBO_NAME, COMBO FROM Combo ORDER BY COMBO_ID"),
              (std::vector<std::vector<std::string>>{{std::to_string(queryId_), "B first", "3,2,4"},
                                                     {std::to_string(queryId_), "Reversed", "4,3,2"}}));
    ASSERT_TRUE(Saved().LoadPermutations(queryId_));
    ASSERT_EQ(Saved().Saved().size(), 2u);
    EXPECT_EQ(Saved().Current(), -1);
    EXPECT_TRUE(Saved().HasName("REVERSED"));

    ASSERT_TRUE(Saved().DeletePermutation(0));
    ASSERT_TRUE(Saved().SavePermutations(queryId_));
    EXPECT_EQ(Dataset().Count("Combo"), 1);
}

TEST_F(SavedPermutationsTest, ApplyingNeedsTheRightEntryCountAndStepsSkipRemovedEntries)
{
    Saved().AddPermutation({3, 2}, queryId_, "Short");
    Saved().AddPermutation({3, 2, 4}, queryId_, "One");
    Saved().AddPermutation({2, 4, 3}, queryId_, "Two");
    Saved().AddPermutation({4, 2, 3}, queryId_, "Three");
    PermutationOrder order = IdentityOrder(3);
    EXPECT_EQ(Saved().ApplyPermutation(0, 3, order), 0);
    EXPECT_EQ(order, IdentityOrder(3));
    EXPECT_EQ(Saved().ApplyPermutation(1, 3, order), 1);
    EXPECT_EQ(order, (PermutationOrder{3, 2, 4}));
    EXPECT_EQ(Saved().Current(), 1);

    Saved().DeletePermutation(2);
    EXPECT_EQ(Saved().NextSaved(), 0);
    EXPECT_EQ(Saved().Current(), 3);
    EXPECT_EQ(Saved().NextSaved(), 1);
    EXPECT_EQ(Saved().Current(), 3);
    EXPECT_EQ(Saved().PreviousSaved(), 0);
    EXPECT_EQ(Saved().Current(), 1);

    EXPECT_EQ(Saved().FindSaved({4, 2, 3}), 3);
    EXPECT_EQ(Saved().FindSaved({2, 4, 3}), -1);  // deleted
}

TEST_F(SavedPermutationsTest, ARunDeletesSavedPermutationsOfAnotherColumnCount)
{
    Dataset().Exec("INSERT INTO Combo (QUERY_ID, COMBO_NAME, COMBO) VALUES (" + std::to_string(queryId_) +
                   ", 'Old', '3,2')");
    EXPECT_FALSE(Saved().CheckConsistency(queryId_, 2));
    EXPECT_EQ(Dataset().Count("Combo"), 1);
    EXPECT_TRUE(Saved().CheckConsistency(queryId_, 3));
    EXPECT_EQ(Dataset().Count("Combo"), 0);
    EXPECT_TRUE(Saved().Saved().empty());
}

}  // namespace
