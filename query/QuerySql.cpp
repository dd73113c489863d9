// The generated SELECT of a query run: text builders and the builder that reads a stored query.
#include "query/QuerySql.h"

#include "store/DbConnection.h"
#include "store/DovaneDatabase.h"
#include "store/Formats.h"
#include "store/StoreRecordset.h"

#include <algorithm>

namespace {

std::string Bracketed(const std::string& name)
{
    return "[" + name + "]";
}

// A text between double quotes, each double quote inside doubled.
std::string DoubleQuoted(const std::string& text)
{
    std::string quoted = "\"";
    for (char c : text) {
        quoted += c;
        if (c == '"')
            quoted += '"';
    }
    return quoted + "\"";
}

bool RestrictsBy(const std::string& sqlString)
{
    return !sqlString.empty() && sqlString != "NULL";
}

std::string NumericTerm(const ConditionSqlInput& c)
{
    if (c.noNumber || c.sqlString.empty())
        return {};
    const std::string column = Bracketed(c.name);
    if (c.operationId == kNumericBetweenOperation)
        return "((" + column + ">" + SqlNumber(c.number, c.precision) + ") AND ((" + column + "<" +
               SqlNumber(c.number2, c.precision) + ")))";
    if (!RestrictsBy(c.sqlString))
        return {};
    return "(" + column + c.sqlString + SqlNumber(c.number, c.precision) + ")";
}

std::string DateTerm(const ConditionSqlInput& c)
{
    if (c.noDate || c.sqlString.empty())
        return {};
    const std::string column = Bracketed(c.name);
    if (c.operationId == kDateBetweenOperation)
        return "((" + column + ">" + SqlDate(c.date) + ")AND((" + column + "<" + SqlDate(c.date2) +
               ")))";
    if (!RestrictsBy(c.sqlString))
        return {};
    return "(" + column + c.sqlString + SqlDate(c.date) + ")";
}

}  // namespace

// ---- Text builders ---------------------------------------------------------------------------

std::string SqlNumber(double value, int precision)
{
    return FormatNumber(value, precision);
}

std::string SqlDate(const AutomationDate& date)
{
    return FormatSqlDate(date);
}

std::string MultipleValueTerm(const std::string& name, const std::vector<std::string>& texts)
{
    if (texts.empty())
        return {};
    std::string term = "(";
    for (size_t i = 0; i < texts.size(); ++i) {
        if (i > 0)
            term += " OR ";
        term += "(" + Bracketed(name) + "=" + DoubleQuoted(texts[i]) + ")";
    }
    return term + ")";
}

std::string ConditionTerm(const ConditionSqlInput& condition)
{
    std::string term;
    switch (condition.type) {
    case TYPE_ALPHANUMERIC:
        if (condition.isMulty)
            term = MultipleValueTerm(condition.name, condition.valueTexts);
        break;
    case TYPE_NUMERIC: term = NumericTerm(condition); break;
    case TYPE_DATETIME: term = DateTerm(condition); break;
    default: break;
    }
    if (condition.allBut && !term.empty())
        term = "(NOT" + term + ")";
    return term;
}

std::string MakeSelectText(const std::vector<std::string>& columnNames)
{
    std::string text = "SELECT FULL_ID,ITEM_ID,IDENT,IS_LINKS";
    for (const std::string& name : columnNames)
        text += "," + Bracketed(name);
    return text + " FROM [fulltable] ";
}

std::string MakeWhereText(const std::vector<std::string>& terms, int32_t queryId)
{
    std::string text = "WHERE (";
    for (size_t i = 0; i < terms.size(); ++i) {
        if (i > 0)
            text += "AND";
        text += terms[i];
    }
    if (!terms.empty())
        text += " AND ";
    return text +
           "fulltable.ITEM_ID NOT IN (SELECT DELETED_ITEM_ID FROM Deleted_Items WHERE QUERY_ID = " +
           std::to_string(queryId) + "))";
}

std::string MakeOrderText(const std::vector<std::string>& sortNames)
{
    if (sortNames.empty())
        return {};
    std::string text = "ORDER BY " + Bracketed(sortNames.front());
    for (size_t i = 1; i < sortNames.size(); ++i)
        text += "," + Bracketed(sortNames[i]);
    return text;
}

std::string MakeStatement(const std::string& selectText, const std::string& whereText,
                          const std::string& orderText)
{
    return selectText + whereText + orderText + ";";
}

// ---- The builder of a query run ----------------------------------------------------------------

void CQuerySql::Clear()
{
    queryId_ = -1;
    parameters_.clear();
    viewable_.clear();
    sortKeys_.clear();
    conditions_.clear();
    columnNames_.clear();
    sortNames_.clear();
    terms_.clear();
    selectText_.clear();
    whereText_.clear();
    orderText_.clear();
    statement_.clear();
    error_.clear();
}

bool CQuerySql::Build(int32_t queryId)
{
    Clear();
    if (queryId == -1)
        return false;
    queryId_ = queryId;
    if (!ReadDefinition(queryId) || !BuildColumns(queryId) || !BuildTerms() || !BuildOrder()) {
        const std::string error = error_;
        Clear();
        error_ = error;
        return false;
    }
    whereText_ = MakeWhereText(terms_, queryId);
    statement_ = MakeStatement(selectText_, whereText_, orderText_);
    return true;
}

void CQuerySql::SetOrderText(const std::string& orderText)
{
    orderText_ = orderText;
    if (!selectText_.empty())
        statement_ = MakeStatement(selectText_, whereText_, orderText_);
}

bool CQuerySql::ReadDefinition(int32_t queryId)
{
    // A failed read counts as an empty table, as everywhere in the stores.
    ReadParameters(database_, "SELECT * FROM [Property] ORDER BY SORT_ORDER;", parameters_);
    CStoreRecordset rows(database_);
    if (rows.Read(SqlFormat("SELECT * FROM [Viewable] WHERE Viewable.QUERY_ID=%d ORDER BY "
                            "PROPERTY_ID;",
                            queryId))) {
        for (; !rows->IsEOF(); rows->MoveNext())
            viewable_.push_back({rows->GetValue("VIEWABLE_ID").ToLong(),
                                 rows->GetValue("PROPERTY_ID").ToLong(),
                                 rows->GetValue("QUERY_ID").ToLong(), RecordLoaded});
    }
    if (rows.Read(SqlFormat("SELECT * FROM [SortOrder] WHERE SortOrder.QUERY_ID=%d ORDER BY "
                            "SORT_ORDER;",
                            queryId))) {
        for (; !rows->IsEOF(); rows->MoveNext())
            sortKeys_.push_back({rows->GetValue("SORT_ID").ToLong(),
                                 rows->GetValue("SORT_ORDER").ToLong(),
                                 rows->GetValue("PROPERTY_ID").ToLong(),
                                 rows->GetValue("QUERY_ID").ToLong(), RecordLoaded});
    }
    ReadConditions(database_,
                   SqlFormat("SELECT * FROM [Conditions] WHERE Conditions.QUERY_ID=%d;", queryId),
                   parameters_, conditions_);
    return true;
}

bool CQuerySql::CheckName(const std::string& name)
{
    const std::string problem = ParamNameProblem(name);
    if (problem.empty())
        return true;
    error_ = problem;
    return false;
}

bool CQuerySql::BuildColumns(int32_t queryId)
{
    bool temporary = false;
    CStoreRecordset rows(database_);
    if (rows.Read(SqlFormat("SELECT IS_TEMPORARY FROM [Queries] WHERE QUERY_ID=%d;", queryId)) &&
        !rows->IsEOF())
        temporary = rows->GetValue(0).ToBool();

    const bool viewableOnly = !viewable_.empty() || temporary;
    for (const tagSORTORDER& key : sortKeys_) {
        const bool shown = std::any_of(viewable_.begin(), viewable_.end(), [&](const auto& v) {
            return v.PROPERTY_ID == key.PROPERTY_ID;
        });
        if (viewableOnly && !shown)
            continue;
        const tagPARAM* parameter = FindParameter(parameters_, key.PROPERTY_ID);
        if (!parameter)
            continue;  // the relations remove the keys of a deleted parameter
        if (!CheckName(parameter->PROPERTY_NAME))
            return false;
        columnNames_.push_back(parameter->PROPERTY_NAME);
    }
    selectText_ = MakeSelectText(columnNames_);
    return true;
}

std::string CQuerySql::OperationSql(int32_t operationId)
{
    CStoreRecordset rows(database_);
    if (!rows.Read(
            SqlFormat("SELECT [SQLString] FROM [Operations] WHERE OPERATION_ID=%d", operationId)) ||
        rows->IsEOF())
        return {};
    return CDbConnection::VariantToText(rows->GetValue(0));
}

std::vector<std::string> CQuerySql::OrListTexts(const tagCONDITION& condition)
{
    std::vector<std::string> texts;
    if (!condition.multy)
        return texts;
    CDovaneMulty& holder = *condition.multy;
    holder.LoadCandidates(condition.PROPERTY_ID);
    const std::vector<tagMULTY>& chosen = holder.Chosen();
    if (chosen.empty()) {
        // Nothing chosen: every value of the parameter (all of them are candidates).
        for (const tagSVALUE& value : holder.Candidates())
            texts.push_back(value.VALUE_ANUM);
        return texts;
    }
    CStoreRecordset rows(database_);
    for (const tagMULTY& entry : chosen) {
        if (rows.Read(
                SqlFormat("SELECT VALUE_ANUM FROM [Values] WHERE VALUE_ID=%d;", entry.VALUE_ID)) &&
            !rows->IsEOF())
            texts.push_back(CDbConnection::VariantToText(rows->GetValue(0)));
    }
    return texts;
}

bool CQuerySql::BuildTerms()
{
    for (tagCONDITION& condition : conditions_) {
        const tagPARAM* parameter = FindParameter(parameters_, condition.PROPERTY_ID);
        if (!parameter)
            continue;
        ConditionSqlInput input;
        input.name = parameter->PROPERTY_NAME;
        input.type = parameter->TYPE_ID;
        input.precision = int(parameter->PRESCISION);
        input.operationId = condition.OPERATION_ID;
        input.sqlString = OperationSql(condition.OPERATION_ID);
        input.noNumber = condition.noNumber;
        input.noDate = condition.noDate;
        input.isMulty = condition.IS_MULTY;
        input.allBut = condition.ALL_BUT;
        input.number = condition.ARGUMENT_NUM;
        input.number2 = condition.ARGUMENT_NUM_2;
        input.date = condition.ARGUMENT_DATE;
        input.date2 = condition.ARGUMENT_DATE_2;
        if (input.type == TYPE_ALPHANUMERIC && input.isMulty)
            input.valueTexts = OrListTexts(condition);
        condition.multy.reset();  // read for this term only
        std::string term = ConditionTerm(input);
        if (term.empty())
            continue;
        if (!CheckName(input.name))
            return false;
        terms_.push_back(std::move(term));
    }
    return true;
}

bool CQuerySql::BuildOrder()
{
    for (const tagSORTORDER& key : sortKeys_) {
        if (key.SORT_ORDER < 0)
            continue;
        const tagPARAM* parameter = FindParameter(parameters_, key.PROPERTY_ID);
        if (!parameter)
            continue;
        if (!CheckName(parameter->PROPERTY_NAME))
            return false;
        sortNames_.push_back(parameter->PROPERTY_NAME);
    }
    orderText_ = MakeOrderText(sortNames_);
    return true;
}
