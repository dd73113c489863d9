#include "store/SharedTypes.h"

#include <gtest/gtest.h>

TEST(RecordStates, DeletingDiscardsNewRecordsAndMarksOthersDeleted)
{
    EXPECT_EQ(StateAfterDelete(RecordNew), RecordDiscarded);
    for (RecordState state : {RecordChanged, RecordLoaded, RecordUnchanged})
        EXPECT_EQ(StateAfterDelete(state), RecordDeleted) << state;
    EXPECT_TRUE(IsRemoved(RecordDiscarded));
    EXPECT_TRUE(IsRemoved(RecordDeleted));
    EXPECT_FALSE(IsRemoved(RecordLoaded));
}

TEST(RecordStates, SettersFollowTheChangeRules)
{
    const struct {
        RecordState before;
        bool differs;
        RecordState after;
    } cases[] = {
        {RecordNew, false, RecordNew},           {RecordNew, true, RecordNew},
        {RecordChanged, false, RecordChanged},   {RecordChanged, true, RecordChanged},
        {RecordLoaded, false, RecordUnchanged},  {RecordLoaded, true, RecordChanged},
        {RecordUnchanged, false, RecordUnchanged}, {RecordUnchanged, true, RecordChanged},
    };
    for (const auto& c : cases)
        EXPECT_EQ(StateAfterSet(c.before, c.differs), c.after)
            << "state " << c.before << (c.differs ? " with a new value" : " with the same value");
}

TEST(Colours, RedIsTheLowestByte)
{
    constexpr COLORREF colour = RGB(0x12, 0x34, 0x56);
    static_assert(colour == 0x00563412);
    EXPECT_EQ(GetRValue(colour), 0x12u);
    EXPECT_EQ(GetGValue(colour), 0x34u);
    EXPECT_EQ(GetBValue(colour), 0x56u);
}
