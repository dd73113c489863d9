#include "moxprint/core/PaperSizeTable.h"

#include <gtest/gtest.h>

#include <set>

TEST(PaperSizeTable, Holds118CodesInOrderEachNamingADistinctPrinterPaper)
{
    const auto table = PaperSizeTable();
    ASSERT_EQ(table.size(), 118u);
    std::set<int> printerPapers;
    for (size_t i = 0; i < table.size(); ++i) {
        EXPECT_EQ(table[i].code, -int(i) - 1);
        printerPapers.insert(table[i].printerPaper);
    }
    EXPECT_EQ(printerPapers.size(), 118u);
}

TEST(PaperSizeTable, FirstRowsAndLastRowHaveTheListedSizes)
{
    struct Row {
        int code, printerPaper, width, height;
    };
    const Row rows[] = {
        {-1, 9, 2100, 2970},   {-2, 1, 2159, 2794},   {-3, 5, 2159, 3556},
        {-4, 24, 4318, 5588},  {-5, 25, 5588, 8636},  {-6, 26, 8636, 11176},
        {-7, 2, 2159, 2794},   {-8, 3, 2794, 4318},   {-9, 4, 4318, 2794},
        {-10, 6, 1397, 2159},  {-11, 7, 1842, 2667},  {-12, 8, 2970, 4200},
        {-13, 10, 2100, 2970}, {-14, 11, 1480, 2100}, {-118, 118, 4580, 3240},
    };
    for (const Row& row : rows) {
        const auto paper = FindPaperSize(row.code);
        ASSERT_TRUE(paper) << row.code;
        EXPECT_EQ(paper->printerPaper, row.printerPaper) << row.code;
        EXPECT_EQ(paper->width, row.width) << row.code;
        EXPECT_EQ(paper->height, row.height) << row.code;
    }
}

TEST(PaperSizeTable, UnknownAndReservedCodesAreNotFound)
{
    EXPECT_FALSE(FindPaperSize(0));
    EXPECT_FALSE(FindPaperSize(1));
    EXPECT_FALSE(FindPaperSize(-119));
    EXPECT_FALSE(FindPaperSize(-48));  // a reserved printer paper without a size
}
