// The translator from the Jet dialect to SQLite: each rewrite on its own, the texts it must
// never touch, statements it must refuse, and the shape analysis the recordsets rely on.
#include "store/AutomationDate.h"
#include "store/JetSql.h"

#include <gtest/gtest.h>

#include <regex>

namespace {

// Runs of blanks are not part of what a rewrite means.
std::string Collapsed(const std::string& text)
{
    return std::regex_replace(text, std::regex("\\s+"), " ");
}

std::string Translated(const std::string& jet)
{
    std::string sqlite, error;
    EXPECT_TRUE(TranslateJetSql(jet, sqlite, error)) << jet << ": " << error;
    return Collapsed(sqlite);
}

std::string DateNumber(int year, int month, int day)
{
    return std::to_string(static_cast<long long>(AutomationDate::FromDate(year, month, day).Value()));
}

}  // namespace

TEST(JetSqlTranslation, RewritesEachJetForm)
{
    const struct {
        const char* why;
        const char* jet;
        const char* sqlite;
    } cases[] = {
        {"a plain statement passes unchanged", "SELECT * FROM [Colors] WHERE OBJECT_TYPE=1;",
         "SELECT * FROM [Colors] WHERE OBJECT_TYPE=1;"},
        {"a two-digit year literal of the condition SQL", "([Made]<#01/31/07#)", "([Made]<39113)"},
        {"a four-digit year literal", "[Made]=#1/31/2007#", "[Made]=39113"},
        {"a time makes the fraction", "[Made]=#1/31/2007 12:00:00#", "[Made]=39113.5"},
        {"a time with PM", "[Made]=#1/31/2007 6:00 PM#", "[Made]=39113.75"},
        {"double-quoted texts become single-quoted", "([Color]=\"Red\")", "([Color]='Red')"},
        {"an apostrophe inside is doubled", "([Name]=\"O'Brien\")", "([Name]='O''Brien')"},
        {"a doubled double quote stands for one", "([Name]=\"say \"\"hi\"\"\")", "([Name]='say \"hi\"')"},
        {"True in its spellings", "WHERE (Operations.FOR_ARGUMENT=True) AND IS_TEMPORARY=TRUE",
         "WHERE (Operations.FOR_ARGUMENT=1) AND IS_TEMPORARY=1"},
        {"False", "WHERE ALL_BUT=false", "WHERE ALL_BUT=0"},
        {"DELETE * FROM", "DELETE * FROM [Colors] WHERE OBJECT_TYPE=0 AND OBJECT_ID=3;",
         "DELETE FROM [Colors] WHERE OBJECT_TYPE=0 AND OBJECT_ID=3;"},
        {"DELETE with a column list",
         "DELETE Combo.COMBO_ID, Combo.QUERY_NAME, Combo.QUERY_ID FROM Combo WHERE (((Combo.QUERY_ID)=7));",
         "DELETE FROM Combo WHERE (((Combo.QUERY_ID)=7));"},
        {"a reserved word before a dot", "SELECT Values.VALUE_ID FROM [Values]",
         "SELECT [Values].VALUE_ID FROM [Values]"},
        {"a reserved word as a table name", "SELECT * FROM Values WHERE VALUE_ID=1",
         "SELECT * FROM [Values] WHERE VALUE_ID=1"},
        {"names that are not reserved stay", "SELECT Type.TYPE, Property.PROPERTY_NAME FROM Type",
         "SELECT Type.TYPE, Property.PROPERTY_NAME FROM Type"},
        {"Is Null is SQLite already", "WHERE ((ItemValues.VALUE_ID) Is Null)",
         "WHERE ((ItemValues.VALUE_ID) Is Null)"},
        {"the identity key of the colour table",
         "CREATE TABLE Colors(ID int IDENTITY(1,1) primary key not null, OBJECT_TYPE int, "
         "OBJECT_ID2 int DEFAULT 0);",
         "CREATE TABLE Colors(ID INTEGER PRIMARY KEY AUTOINCREMENT not null, OBJECT_TYPE LONG, "
         "OBJECT_ID2 LONG DEFAULT 0);"},
        {"bit with a tab before DEFAULT",
         "CREATE TABLE Deleted_Items(ID int IDENTITY(1,1) primary key not null, IS_TEMPORARY bit\tDEFAULT 0);",
         "CREATE TABLE Deleted_Items(ID INTEGER PRIMARY KEY AUTOINCREMENT not null, IS_TEMPORARY BIT DEFAULT 0);"},
        {"the result table's types",
         "CREATE TABLE fulltable(FULL_ID int  IDENTITY(1,1) primary key, IDENT varchar(255), "
         "[Price] Single, [Made] smalldatetime)",
         "CREATE TABLE fulltable(FULL_ID INTEGER PRIMARY KEY AUTOINCREMENT , IDENT TEXT(255) COLLATE NOCASE, "
         "[Price] SINGLE, [Made] DATETIME)"},
        {"a column added by upgrade", "ALTER TABLE [Queries] ADD USER_ORDER Integer;",
         "ALTER TABLE [Queries] ADD USER_ORDER LONG;"},
        {"memo, currency, byte and short types",
         "CREATE TABLE t(a MEMO, b CURRENCY, c BYTE, d SMALLINT, e DOUBLE, f TEXT(40))",
         "CREATE TABLE t(a LONGTEXT COLLATE NOCASE, b CURRENCY, c BYTE, d SHORT, e DOUBLE, "
         "f TEXT(40) COLLATE NOCASE)"},
        {"an SQLite key stays a generated key",
         "CREATE TABLE t(ID INTEGER PRIMARY KEY AUTOINCREMENT NOT NULL, n LONG)",
         "CREATE TABLE t(ID INTEGER PRIMARY KEY AUTOINCREMENT NOT NULL, n LONG)"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Translated(c.jet), Collapsed(c.sqlite)) << c.why;
}

TEST(JetSqlTranslation, NeverTouchesTextsNamesOrComments)
{
    const struct {
        const char* why;
        const char* sql;
    } cases[] = {
        {"a single-quoted text holding Jet forms", "SELECT '#1/1/07# True \"x\" Values.V DELETE * FROM'"},
        {"a bracketed name holding a reserved word and True", "SELECT [Is True], [Values].[Order] FROM [Values]"},
        {"a comment", "SELECT 1 -- True #1/1/07# \"x\"\n"},
        {"a number with a fraction and an exponent", "SELECT 1.5e3, .25"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Translated(c.sql), Collapsed(c.sql)) << c.why;
}

TEST(JetSqlTranslation, TwoDigitYearsFollowTheWindow)
{
    const struct {
        const char* literal;
        int year;
    } cases[] = {{"#1/1/00#", 2000}, {"#1/1/29#", 2029}, {"#1/1/30#", 1930}, {"#1/1/99#", 1999},
                 {"#1/1/7#", 2007},  {"#1/1/1929#", 1929}};
    for (const auto& c : cases)
        EXPECT_EQ(Translated(std::string("SELECT ") + c.literal), "SELECT " + DateNumber(c.year, 1, 1))
            << c.literal;
}

TEST(JetSqlTranslation, ReadsIsoDatesAndTimesAlone)
{
    double value = 0.0;
    ASSERT_TRUE(ParseJetDateLiteral("2007-01-31", value));
    EXPECT_EQ(value, 39113.0);
    ASSERT_TRUE(ParseJetDateLiteral("18:00", value));
    EXPECT_EQ(value, 0.75);
}

TEST(JetSqlTranslation, RefusesWhatItCannotRead)
{
    for (const char* bad : {"SELECT 'unterminated", "SELECT [unterminated", "SELECT \"open",
                            "SELECT #13/45/2007#", "SELECT #2/30/2007#", "SELECT #1/1/07 25:00#"}) {
        std::string sqlite, error;
        EXPECT_FALSE(TranslateJetSql(bad, sqlite, error)) << bad;
        EXPECT_FALSE(error.empty()) << bad;
    }
}

TEST(JetSqlTranslation, QuotesTextsForStatementsAndCriteria)
{
    EXPECT_EQ(QuoteSqlText("Size"), "'Size'");
    EXPECT_EQ(QuoteSqlText("O'Brien's"), "'O''Brien''s'");
    EXPECT_EQ(QuoteSqlText(""), "''");
}

TEST(JetSqlShape, KnowsWhichSelectsReadOneTable)
{
    const struct {
        const char* sql;
        bool singleTable;
        const char* table;
    } cases[] = {
        {"SELECT * FROM [Colors] WHERE OBJECT_TYPE=1 AND OBJECT_ID=0;", true, "Colors"},
        {"SELECT VALUE_ID, VALUE_ANUM FROM [Values] WHERE PROPERTY_ID=2 ORDER BY VALUE_ANUM;", true, "Values"},
        {"SELECT * FROM ItemSet ORDER BY ITEM_ID;", true, "ItemSet"},
        {"SELECT * FROM Sizes s WHERE s.QUERY_ID=1", true, "Sizes"},
        {"SELECT * FROM Sizes AS s", true, "Sizes"},
        {"SELECT * FROM Type INNER JOIN Property ON Type.TYPE_ID = Property.TYPE_ID", false, ""},
        {"SELECT * FROM [Property] AS Property_1, Property", false, ""},
        {"SELECT distinct VALUE_ANUM FROM [Values]", false, ""},
        {"SELECT count(*) FROM [Values]", false, ""},
        {"SELECT PROPERTY_ID FROM [Values] GROUP BY PROPERTY_ID", false, ""},
        {"SELECT * FROM (SELECT * FROM [Values])", false, ""},
        {"DELETE FROM [Values]", false, ""},
    };
    for (const auto& c : cases) {
        const SelectShape shape = AnalyzeSelect(c.sql);
        EXPECT_EQ(shape.singleTable, c.singleTable) << c.sql;
        if (c.singleTable) {
            EXPECT_EQ(shape.table, c.table) << c.sql;
            EXPECT_EQ(std::string(c.sql).substr(0, shape.columnListStart), "SELECT") << c.sql;
        }
    }
}
