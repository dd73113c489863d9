// The generated SELECT of a query run over fulltable, kept as five texts: the column part, the
// WHERE part, the ORDER BY part, the list of condition terms and the whole statement.
//
// The text builders are free functions over plain inputs, so the exact texts can be checked
// without a dataset; CQuerySql reads a stored query's definition (viewable columns, sort keys,
// conditions, the operations' SQL texts and the chosen values) and calls them. Names stand in
// square brackets; a value text between double quotes has its double quotes doubled, and a date
// is written with a four-digit year, so every literal means exactly what was stored.
#pragma once

#include "query/QueryStore.h"
#include "store/AutomationDate.h"

#include <cstdint>
#include <string>
#include <vector>

class CDovaneDatabase;

// The two between operations, recognised by their identifiers (numeric, date).
inline constexpr int32_t kNumericBetweenOperation = 14;
inline constexpr int32_t kDateBetweenOperation = 15;

// What one condition brings to its WHERE term.
struct ConditionSqlInput {
    std::string name;  // the parameter's name, without brackets
    int32_t type = TYPE_ALPHANUMERIC;
    int precision = 0;  // decimals of a numeric parameter
    int32_t operationId = -1;
    std::string sqlString;  // the operation's SQLString as text ("NULL" for NULL)
    bool noNumber = true;
    bool noDate = true;
    bool isMulty = false;
    bool allBut = false;
    float number = 0.0f;
    float number2 = 0.0f;
    AutomationDate date = AutomationDate::NullDate();
    AutomationDate date2 = AutomationDate::NullDate();
    // A multiple-value condition: the texts its OR list compares with (the chosen values, or
    // all values of the parameter when none is chosen).
    std::vector<std::string> valueTexts;
};

// ---- Text builders ---------------------------------------------------------------------------

// The term of one condition ("([Price]>=10.00)"); empty when the condition restricts nothing.
std::string ConditionTerm(const ConditionSqlInput& condition);
// "(([Color]=\"Red\") OR ([Color]=\"Blue\"))"; empty for no texts.
std::string MultipleValueTerm(const std::string& name, const std::vector<std::string>& texts);
// "SELECT FULL_ID,ITEM_ID,IDENT,IS_LINKS,[a],[b] FROM [fulltable] ".
std::string MakeSelectText(const std::vector<std::string>& columnNames);
// "WHERE (" terms joined by "AND" [" AND "] "fulltable.ITEM_ID NOT IN (...QUERY_ID = n))".
std::string MakeWhereText(const std::vector<std::string>& terms, int32_t queryId);
// "ORDER BY [a],[b]"; empty for no names.
std::string MakeOrderText(const std::vector<std::string>& sortNames);
// select + where + order + ";".
std::string MakeStatement(const std::string& selectText, const std::string& whereText,
                          const std::string& orderText);
// A number as the statement writes it: `precision` decimals and a period.
std::string SqlNumber(double value, int precision);
// A date as the statement writes it: "#mm/dd/yyyy#".
std::string SqlDate(const AutomationDate& date);

// ---- The builder of a query run ----------------------------------------------------------------

class CQuerySql {
public:
    explicit CQuerySql(CDovaneDatabase& database) : database_(database) {}

    // Reads the query's definition from the dataset and builds the five texts. For -1 it empties
    // them and returns false. It also returns false, with Error() saying why and an empty
    // statement, when a parameter it needs has a name that cannot name a result column.
    bool Build(int32_t queryId);
    // Empties the texts and what was read.
    void Clear();

    const std::string& SelectText() const { return selectText_; }
    const std::string& WhereText() const { return whereText_; }
    const std::string& OrderText() const { return orderText_; }
    const std::vector<std::string>& ConditionTerms() const { return terms_; }
    const std::string& Statement() const { return statement_; }
    // The re-sort of a permutation: a new order text, the statement rebuilt with it.
    void SetOrderText(const std::string& orderText);

    // What the last build read.
    int32_t QueryId() const { return queryId_; }
    const std::vector<tagVIEWABLE>& Viewable() const { return viewable_; }
    // The parameter columns of the select text, in their order.
    const std::vector<std::string>& ColumnNames() const { return columnNames_; }
    // The names of the sort keys with a rank of 0 or more, in rank order (the ORDER BY list).
    const std::vector<std::string>& SortNames() const { return sortNames_; }
    const CConditionArray& Conditions() const { return conditions_; }
    const std::string& Error() const { return error_; }

private:
    bool ReadDefinition(int32_t queryId);
    bool BuildColumns(int32_t queryId);
    bool BuildTerms();
    bool BuildOrder();
    bool CheckName(const std::string& name);
    std::string OperationSql(int32_t operationId);
    std::vector<std::string> OrListTexts(const tagCONDITION& condition);

    CDovaneDatabase& database_;
    int32_t queryId_ = -1;
    CParamArray parameters_;
    std::vector<tagVIEWABLE> viewable_;
    std::vector<tagSORTORDER> sortKeys_;
    CConditionArray conditions_;
    std::vector<std::string> columnNames_;
    std::vector<std::string> sortNames_;
    std::vector<std::string> terms_;
    std::string selectText_;
    std::string whereText_;
    std::string orderText_;
    std::string statement_;
    std::string error_;
};
