// The system's SQL is written in the Jet dialect; the dataset engine is SQLite. The translator
// tokenizes a statement and rewrites only the tokens whose meaning differs, so names in square
// brackets, string literals and comments are never touched by accident:
//   - #m/d/y# and #m/d/yyyy# date literals (optionally with a time) become the automation-date
//     number (two-digit years: 00-29 are 20xx, 30-99 are 19xx);
//   - "double-quoted" string literals become 'single-quoted' ones ("" inside stands for one ");
//   - True / False in any case become 1 / 0;
//   - DELETE <anything> FROM becomes DELETE FROM;
//   - reserved words used as names (Values.VALUE_ID, FROM Values) are bracketed;
//   - in CREATE TABLE and ALTER TABLE ... ADD, column types become the declared types the
//     connection reads kinds from (bit -> BIT, smalldatetime -> DATETIME, Single -> SINGLE,
//     varchar(255) -> TEXT(255), Integer/int -> LONG, ...), text columns compare without case
//     as Jet does, and "int IDENTITY(1,1) primary key" becomes INTEGER PRIMARY KEY AUTOINCREMENT.
// Everything else (nested INNER/LEFT JOIN forms, SELECT distinct, AS aliases, Is Null, bracketed
// names) is already SQLite and passes unchanged.
#pragma once

#include <string>

// Translates `jet` into `sqlite`. False, with `error`, for a statement that cannot be read: an
// unterminated string or bracketed name, or an impossible date literal.
bool TranslateJetSql(const std::string& jet, std::string& sqlite, std::string& error);

// The automation-date value of the text between the # signs of a Jet date literal
// ("1/31/07", "01/31/2007", "2007-01-31", "1/31/2007 13:45:10", "1/31/07 1:45 PM").
bool ParseJetDateLiteral(const std::string& body, double& value);

// `text` as an SQL string literal: between apostrophes, each apostrophe doubled. Use it for every
// text inserted into a statement or a Find criteria ("PROPERTY_NAME=" + QuoteSqlText(name)).
std::string QuoteSqlText(const std::string& text);

// ---- What the recordset needs to know about a SELECT (on translated SQL) -------------------
struct SelectShape {
    // A SELECT over one table, without DISTINCT, joins, grouping, compound parts or function
    // calls in its column list: its rows are rows of that table and can be written back.
    bool singleTable = false;
    std::string table;          // the table's name without brackets or quotes
    size_t columnListStart = 0; // offset just after the SELECT keyword
};

SelectShape AnalyzeSelect(const std::string& sqliteSql);
