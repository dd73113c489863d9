// Indirect objects: their numbers, their stream lengths, their text, and the cross-reference
// table built from what was written.
#include "pdf/FileObj.h"
#include "pdf/XRefList.h"

#include <gtest/gtest.h>

using namespace DOC_PDF;

TEST(PdfFileObjects, NumbersFollowTheOrderOfCreationPerCounter)
{
    CObjectCounter first, second;
    CFileObj a(first), b(first);
    CFileObj c(second);
    EXPECT_EQ(a.Number(), 1);
    EXPECT_EQ(b.Number(), 2);
    EXPECT_EQ(c.Number(), 1) << "each document counts from 1";
}

TEST(PdfFileObjects, StreamLengthCountsTheBytesBetweenTheKeywordLines)
{
    CObjectCounter counter;
    CFileObj content(counter);
    content.SetStream("BT\r\nET");
    ASSERT_NE(content.LengthObject(), nullptr);
    EXPECT_EQ(content.LengthObject()->Number(), 2) << "made when the stream is first given";
    EXPECT_EQ(content.LengthObject()->Value().AsNumeric()->Integer(), 6);

    content.SetStream("");
    EXPECT_EQ(content.LengthObject()->Number(), 2) << "replacing the stream keeps its length object";
    EXPECT_EQ(content.LengthObject()->Value().AsNumeric()->Integer(), 0);
    EXPECT_EQ(counter.Last(), 2);
}

TEST(PdfFileObjects, AStreamObjectIsFollowedByItsLengthObject)
{
    CObjectCounter counter;
    CFileObj content(counter);
    content.SetStream("BT\r\nET");
    CXRefList xref;
    _buffer out;
    content.WriteTo(out, xref);

    const std::string object = "1 0 obj\r\n<<\r\n/Length 2 0 R\r\n>>\r\nstream\r\nBT\r\nET\r\n"
                               "endstream\r\nendobj\r\n";
    const std::string length = "2 0 obj\r\n6\r\nendobj\r\n";
    EXPECT_EQ(out, object + length);
    ASSERT_EQ(xref.Entries().size(), 2u);
    EXPECT_EQ(xref.Entries()[0].number, 1);
    EXPECT_EQ(xref.Entries()[0].length, object.size());
    EXPECT_EQ(xref.Entries()[1].number, 2);
    EXPECT_EQ(xref.Entries()[1].length, length.size());
}

TEST(PdfFileObjects, AnInlineObjectHoldsOneValueAndAddsEachNameOnce)
{
    CObjectCounter counter;
    CFileInlineObj procSet(counter);
    procSet.AddNameOnce("PDF");
    procSet.AddNameOnce("ImageC");
    procSet.AddNameOnce("PDF");
    CXRefList xref;
    _buffer out;
    procSet.WriteTo(out, xref);
    EXPECT_EQ(out, "1 0 obj\r\n[ /PDF /ImageC ]\r\nendobj\r\n");
}

TEST(PdfCrossReference, OffsetsFollowTheWriteOrderAndLinesTheNumberOrder)
{
    CXRefList xref;
    xref.Add(1, 55);
    xref.Add(3, 25);  // written before object 2
    xref.Add(2, 100);
    const uint64_t tableOffset = xref.Recalculate(10);
    EXPECT_EQ(tableOffset, 190u);

    _buffer table;
    xref.WriteTable(table);
    EXPECT_EQ(table,
              "xref\r\n0 4\r\n"
              "0000000000 65535 f\r\n"
              "0000000010 00000 n\r\n"
              "0000000090 00000 n\r\n"
              "0000000065 00000 n\r\n");
}

TEST(PdfCrossReference, LargeOffsetsKeepTheirTenDigits)
{
    CXRefList xref;
    xref.Add(1, 3'000'000'000ull);
    xref.Add(2, 20);
    xref.Recalculate(10);
    _buffer table;
    xref.WriteTable(table);
    EXPECT_NE(table.find("\r\n3000000010 00000 n\r\n"), std::string::npos) << table;
}
