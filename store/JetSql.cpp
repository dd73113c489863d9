#include "store/JetSql.h"

#include "store/AutomationDate.h"
#include "store/FieldValue.h"

#include <sqlite3.h>

#include <algorithm>
#include <cctype>
#include <charconv>
#include <vector>

namespace {

// ---- Tokens ----------------------------------------------------------------------------------

enum class TokenKind {
    Space,         // blanks and comments
    Word,          // identifiers and keywords
    Name,          // [bracketed] or `quoted` names
    Text,          // 'single-quoted' literal
    DoubleQuoted,  // "double-quoted" literal (a text in Jet)
    Date,          // #...# literal
    Number,
    Punct,
};

struct Token {
    TokenKind kind;
    std::string text;  // the text written out; rewriting changes it in place
    size_t offset;     // where the token starts in the statement read
};

std::string Upper(const std::string& text)
{
    std::string upper = text;
    for (char& c : upper)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return upper;
}

bool IsWordStart(unsigned char c) { return std::isalpha(c) || c == '_' || c >= 0x80; }
bool IsWordChar(unsigned char c) { return std::isalnum(c) || c == '_' || c == '$' || c >= 0x80; }
bool IsDigit(char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; }

size_t ScanNumber(const std::string& sql, size_t i)
{
    const size_t n = sql.size();
    if (sql[i] == '0' && i + 1 < n && (sql[i + 1] == 'x' || sql[i + 1] == 'X')) {
        i += 2;
        while (i < n && std::isxdigit(static_cast<unsigned char>(sql[i])))
            ++i;
        return i;
    }
    while (i < n && IsDigit(sql[i]))
        ++i;
    if (i < n && sql[i] == '.') {
        ++i;
        while (i < n && IsDigit(sql[i]))
            ++i;
    }
    if (i < n && (sql[i] == 'e' || sql[i] == 'E')) {
        size_t j = i + 1;
        if (j < n && (sql[j] == '+' || sql[j] == '-'))
            ++j;
        if (j < n && IsDigit(sql[j])) {
            i = j;
            while (i < n && IsDigit(sql[i]))
                ++i;
        }
    }
    return i;
}

// The end of a literal opened by `quote` at `i` (a doubled quote stands for one); npos when it
// is not closed.
size_t ScanQuoted(const std::string& sql, size_t i, char quote)
{
    for (size_t j = i + 1; j < sql.size(); ++j) {
        if (sql[j] != quote)
            continue;
        if (j + 1 < sql.size() && sql[j + 1] == quote) {
            ++j;
            continue;
        }
        return j + 1;
    }
    return std::string::npos;
}

bool Tokenize(const std::string& sql, std::vector<Token>& tokens, std::string& error)
{
    static const char* const kTwoCharOperators[] = {"<>", "<=", ">=", "!=", "==", "||", "<<", ">>"};
    const size_t n = sql.size();
    size_t i = 0;
    while (i < n) {
        const size_t start = i;
        const unsigned char c = static_cast<unsigned char>(sql[i]);
        TokenKind kind = TokenKind::Punct;
        if (std::isspace(c)) {
            while (i < n && std::isspace(static_cast<unsigned char>(sql[i])))
                ++i;
            kind = TokenKind::Space;
        } else if (c == '-' && i + 1 < n && sql[i + 1] == '-') {
            i = std::min(sql.find('\n', i), n);
            kind = TokenKind::Space;
        } else if (c == '/' && i + 1 < n && sql[i + 1] == '*') {
            const size_t close = sql.find("*/", i + 2);
            i = close == std::string::npos ? n : close + 2;
            kind = TokenKind::Space;
        } else if (IsWordStart(c)) {
            while (i < n && IsWordChar(static_cast<unsigned char>(sql[i])))
                ++i;
            kind = TokenKind::Word;
        } else if (std::isdigit(c) || (c == '.' && i + 1 < n && IsDigit(sql[i + 1]))) {
            i = ScanNumber(sql, i);
            kind = TokenKind::Number;
        } else if (c == '[') {
            const size_t close = sql.find(']', i + 1);
            if (close == std::string::npos) {
                error = "Unterminated name in square brackets: " + sql.substr(start);
                return false;
            }
            i = close + 1;
            kind = TokenKind::Name;
        } else if (c == '\'' || c == '"' || c == '`') {
            i = ScanQuoted(sql, i, static_cast<char>(c));
            if (i == std::string::npos) {
                error = "Unterminated quoted text: " + sql.substr(start);
                return false;
            }
            kind = c == '\'' ? TokenKind::Text
                             : (c == '"' ? TokenKind::DoubleQuoted : TokenKind::Name);
        } else if (c == '#') {
            const size_t close = sql.find_first_of("#\n", i + 1);
            if (close != std::string::npos && sql[close] == '#' && close > i + 1) {
                i = close + 1;
                kind = TokenKind::Date;
            } else {
                ++i;
            }
        } else {
            i += 1;
            for (const char* op : kTwoCharOperators)
                if (sql.compare(start, 2, op) == 0) {
                    i = start + 2;
                    break;
                }
        }
        tokens.push_back(Token{kind, sql.substr(start, i - start), start});
    }
    return true;
}

bool IsWord(const Token& token, const char* upper)
{
    return token.kind == TokenKind::Word && Upper(token.text) == upper;
}

bool IsPunct(const Token& token, const char* text)
{
    return token.kind == TokenKind::Punct && token.text == text;
}

bool IsKeyword(const std::string& word)
{
    return sqlite3_keyword_check(word.data(), static_cast<int>(word.size())) != 0;
}

// The significant (non-blank) tokens of each statement, without the ';' that end them.
std::vector<std::vector<size_t>> SplitStatements(const std::vector<Token>& tokens)
{
    std::vector<std::vector<size_t>> statements(1);
    for (size_t i = 0; i < tokens.size(); ++i) {
        if (tokens[i].kind == TokenKind::Space)
            continue;
        if (IsPunct(tokens[i], ";")) {
            statements.emplace_back();
            continue;
        }
        statements.back().push_back(i);
    }
    return statements;
}

void Blank(std::vector<Token>& tokens, size_t first, size_t last)
{
    for (size_t i = first; i <= last && i < tokens.size(); ++i)
        tokens[i].text.clear();
}

// ---- Literals ------------------------------------------------------------------------------

std::string NumberText(double value)
{
    char buffer[64];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed);
    return std::string(buffer, result.ptr);
}

std::string SingleQuotedFromDoubleQuoted(const std::string& literal)
{
    std::string text;
    for (size_t i = 1; i + 1 < literal.size(); ++i) {
        if (literal[i] == '"' && i + 2 < literal.size() && literal[i + 1] == '"')
            ++i;  // "" inside stands for one "
        text += literal[i];
    }
    return QuoteSqlText(text);
}

bool RewriteLiterals(std::vector<Token>& tokens, std::string& error)
{
    for (Token& token : tokens) {
        if (token.kind == TokenKind::DoubleQuoted) {
            token.text = SingleQuotedFromDoubleQuoted(token.text);
            token.kind = TokenKind::Text;
        } else if (token.kind == TokenKind::Date) {
            double value = 0.0;
            if (!ParseJetDateLiteral(token.text.substr(1, token.text.size() - 2), value)) {
                error = "Invalid date literal " + token.text;
                return false;
            }
            token.text = NumberText(value);
            token.kind = TokenKind::Number;
        }
    }
    return true;
}

// ---- Words ---------------------------------------------------------------------------------

bool NextToDot(const std::vector<Token>& tokens, const std::vector<size_t>& sig, size_t k)
{
    return (k + 1 < sig.size() && IsPunct(tokens[sig[k + 1]], ".")) ||
           (k > 0 && IsPunct(tokens[sig[k - 1]], "."));
}

// A reserved word in the place of a table name: FROM Values, JOIN Values, INTO Values,
// CREATE TABLE Values, UPDATE Values SET.
bool InTableNamePlace(const std::vector<Token>& tokens, const std::vector<size_t>& sig, size_t k)
{
    if (k == 0)
        return false;
    const Token& word = tokens[sig[k]];
    if (IsWord(word, "IF") || IsWord(word, "SELECT") || IsWord(word, "WITH"))
        return false;
    const Token& before = tokens[sig[k - 1]];
    if (IsWord(before, "FROM") || IsWord(before, "JOIN") || IsWord(before, "INTO") ||
        IsWord(before, "TABLE"))
        return true;
    return k == 1 && IsWord(before, "UPDATE");
}

void RewriteWords(std::vector<Token>& tokens, const std::vector<size_t>& sig)
{
    for (size_t k = 0; k < sig.size(); ++k) {
        Token& token = tokens[sig[k]];
        if (token.kind != TokenKind::Word)
            continue;
        const std::string upper = Upper(token.text);
        if ((upper == "TRUE" || upper == "FALSE") && !NextToDot(tokens, sig, k)) {
            token.text = upper == "TRUE" ? "1" : "0";
            token.kind = TokenKind::Number;
        } else if (IsKeyword(token.text) &&
                   (NextToDot(tokens, sig, k) || InTableNamePlace(tokens, sig, k))) {
            token.text = "[" + token.text + "]";
            token.kind = TokenKind::Name;
        }
    }
}

// DELETE Combo.COMBO_ID, Combo.QUERY_NAME FROM Combo ... and DELETE * FROM ... name the table
// in FROM only.
void RewriteDelete(std::vector<Token>& tokens, const std::vector<size_t>& sig)
{
    if (sig.size() < 2 || !IsWord(tokens[sig[0]], "DELETE") || IsWord(tokens[sig[1]], "FROM"))
        return;
    int depth = 0;
    for (size_t k = 1; k < sig.size(); ++k) {
        const Token& token = tokens[sig[k]];
        if (IsPunct(token, "("))
            ++depth;
        else if (IsPunct(token, ")"))
            --depth;
        else if (depth == 0 && IsWord(token, "FROM")) {
            Blank(tokens, sig[0] + 1, sig[k] - 1);
            tokens[sig[0]].text += " ";
            return;
        }
    }
}

// ---- Column definitions ----------------------------------------------------------------------

bool IsMemoType(const std::string& upper)
{
    return upper == "LONGTEXT" || upper == "LONGCHAR" || upper == "MEMO" || upper == "NOTE" ||
           upper == "NTEXT" || upper == "CLOB";
}

// The declared type that carries the column's Jet kind; empty for a type this system does not
// know (it is then left as written).
std::string CanonicalType(const std::string& upper, const std::string& size, bool primaryKey,
                          bool hasCollation)
{
    switch (KindForDeclaredType(upper)) {
    case VT_BOOL: return "BIT";
    case VT_UI1: return "BYTE";
    case VT_I2: return "SHORT";
    case VT_I4: return primaryKey ? "INTEGER" : "LONG";  // INTEGER keys are generated
    case VT_R4: return "SINGLE";
    case VT_R8: return "DOUBLE";
    case VT_DATE: return "DATETIME";
    case VT_CY: return "CURRENCY";
    case VT_BSTR: {
        std::string type = IsMemoType(upper) ? "LONGTEXT" : "TEXT(" + (size.empty() ? "255" : size) + ")";
        return hasCollation ? type : type + " COLLATE NOCASE";
    }
    default: return {};
    }
}

struct Constraints {
    bool identity = false;
    bool autoincrement = false;
    bool primaryKey = false;
    bool collation = false;
    std::vector<std::pair<size_t, size_t>> keyTokens;  // PRIMARY KEY and AUTOINCREMENT spans
};

Constraints ReadConstraints(std::vector<Token>& tokens, const std::vector<size_t>& def, size_t from)
{
    Constraints found;
    for (size_t j = from; j < def.size(); ++j) {
        const Token& token = tokens[def[j]];
        if (IsWord(token, "IDENTITY")) {
            found.identity = true;
            size_t last = j;
            if (j + 1 < def.size() && IsPunct(tokens[def[j + 1]], "(")) {
                last = j + 1;
                while (last < def.size() && !IsPunct(tokens[def[last]], ")"))
                    ++last;
            }
            Blank(tokens, def[j], def[std::min(last, def.size() - 1)]);
            j = last;
        } else if (IsWord(token, "PRIMARY") && j + 1 < def.size() && IsWord(tokens[def[j + 1]], "KEY")) {
            found.primaryKey = true;
            found.keyTokens.emplace_back(def[j], def[j + 1]);
            ++j;
        } else if (IsWord(token, "AUTOINCREMENT")) {
            found.autoincrement = true;
            found.keyTokens.emplace_back(def[j], def[j]);
        } else if (IsWord(token, "COLLATE")) {
            found.collation = true;
        }
    }
    return found;
}

void RewriteColumnDefinition(std::vector<Token>& tokens, const std::vector<size_t>& def)
{
    if (def.size() < 2 || tokens[def[1]].kind != TokenKind::Word)
        return;
    const Token& first = tokens[def[0]];
    for (const char* constraint : {"CONSTRAINT", "PRIMARY", "UNIQUE", "CHECK", "FOREIGN"})
        if (IsWord(first, constraint))
            return;
    const std::string typeWord = Upper(tokens[def[1]].text);
    size_t k = 2;
    if (typeWord == "DOUBLE" && k < def.size() && IsWord(tokens[def[k]], "PRECISION"))
        ++k;
    std::string size;
    if (k < def.size() && IsPunct(tokens[def[k]], "(")) {
        size_t close = k + 1;
        while (close < def.size() && !IsPunct(tokens[def[close]], ")"))
            size += tokens[def[close++]].text;
        if (close >= def.size())
            return;  // malformed: SQLite reports it
        k = close + 1;
    }
    const size_t typeEnd = k;
    Constraints constraints = ReadConstraints(tokens, def, typeEnd);
    const bool generated = constraints.identity || constraints.autoincrement ||
                           typeWord == "COUNTER" || typeWord == "AUTOINCREMENT";
    std::string type;
    if (generated) {
        for (const auto& [from, to] : constraints.keyTokens)
            Blank(tokens, from, to);
        type = "INTEGER PRIMARY KEY AUTOINCREMENT";
    } else {
        type = CanonicalType(typeWord, size, constraints.primaryKey, constraints.collation);
    }
    if (type.empty())
        return;
    tokens[def[1]].text = type;
    if (typeEnd > 2)
        Blank(tokens, def[1] + 1, def[typeEnd - 1]);
}

// CREATE [TEMP] TABLE [IF NOT EXISTS] name ( column definitions )
void RewriteCreateTable(std::vector<Token>& tokens, const std::vector<size_t>& sig)
{
    size_t k = 1;
    if (k < sig.size() && (IsWord(tokens[sig[k]], "TEMP") || IsWord(tokens[sig[k]], "TEMPORARY")))
        ++k;
    if (k >= sig.size() || !IsWord(tokens[sig[k]], "TABLE"))
        return;
    ++k;
    if (k + 2 < sig.size() && IsWord(tokens[sig[k]], "IF"))
        k += 3;
    ++k;  // the table name
    if (k + 1 < sig.size() && IsPunct(tokens[sig[k]], "."))
        k += 2;
    if (k >= sig.size() || !IsPunct(tokens[sig[k]], "("))
        return;
    std::vector<size_t> def;
    int depth = 0;
    for (++k; k < sig.size(); ++k) {
        const Token& token = tokens[sig[k]];
        if (IsPunct(token, "("))
            ++depth;
        if (IsPunct(token, ")") && depth-- == 0) {
            RewriteColumnDefinition(tokens, def);
            return;
        }
        if (depth == 0 && IsPunct(token, ",")) {
            RewriteColumnDefinition(tokens, def);
            def.clear();
            continue;
        }
        def.push_back(sig[k]);
    }
}

// ALTER TABLE name ADD [COLUMN] definition
void RewriteAlterTable(std::vector<Token>& tokens, const std::vector<size_t>& sig)
{
    if (sig.size() < 4 || !IsWord(tokens[sig[1]], "TABLE"))
        return;
    size_t k = 3;
    if (k + 1 < sig.size() && IsPunct(tokens[sig[k]], "."))
        k += 2;
    if (k >= sig.size() || !IsWord(tokens[sig[k]], "ADD"))
        return;
    ++k;
    if (k < sig.size() && IsWord(tokens[sig[k]], "COLUMN"))
        ++k;
    RewriteColumnDefinition(tokens, std::vector<size_t>(sig.begin() + static_cast<long>(k), sig.end()));
}

std::string Unquote(const Token& token)
{
    if (token.kind == TokenKind::Name || token.kind == TokenKind::Text)
        return token.text.substr(1, token.text.size() - 2);
    return token.text;
}

// ---- Date literals -----------------------------------------------------------------------------

bool ParseSmallNumber(const std::string& text, int& value)
{
    if (text.empty() || text.size() > 9 || !std::all_of(text.begin(), text.end(), IsDigit))
        return false;
    value = std::stoi(text);
    return true;
}

std::vector<std::string> Split(const std::string& text, char separator)
{
    std::vector<std::string> parts(1);
    for (char c : text) {
        if (c == separator)
            parts.emplace_back();
        else
            parts.back() += c;
    }
    return parts;
}

bool ParseDatePart(const std::string& text, DateTimeParts& parts)
{
    const char separator = text.find('/') != std::string::npos ? '/' : '-';
    const std::vector<std::string> fields = Split(text, separator);
    if (fields.size() != 3)
        return false;
    const bool yearFirst = separator == '-' && fields[0].size() == 4;
    const std::string& yearText = yearFirst ? fields[0] : fields[2];
    if (!ParseSmallNumber(yearFirst ? fields[1] : fields[0], parts.month) ||
        !ParseSmallNumber(yearFirst ? fields[2] : fields[1], parts.day) ||
        !ParseSmallNumber(yearText, parts.year))
        return false;
    if (yearText.size() <= 2)
        parts.year += parts.year < 30 ? 2000 : 1900;
    return true;
}

bool ParseTimePart(const std::string& text, DateTimeParts& parts)
{
    const std::vector<std::string> fields = Split(text, ':');
    if (fields.size() < 2 || fields.size() > 3)
        return false;
    parts.second = 0;
    return ParseSmallNumber(fields[0], parts.hour) && ParseSmallNumber(fields[1], parts.minute) &&
           (fields.size() == 2 || ParseSmallNumber(fields[2], parts.second));
}

}  // namespace

bool ParseJetDateLiteral(const std::string& body, double& value)
{
    DateTimeParts parts;  // 30 December 1899, midnight: a time alone is a fraction of day 0
    bool haveDate = false;
    bool haveTime = false;
    std::string meridiem;
    std::vector<std::string> words;
    for (const std::string& word : Split(body, ' '))
        if (!word.empty())
            words.push_back(word);
    for (const std::string& word : words) {
        const std::string upper = Upper(word);
        if (upper == "AM" || upper == "PM") {
            if (!meridiem.empty())
                return false;
            meridiem = upper;
        } else if (word.find(':') != std::string::npos) {
            if (haveTime || !ParseTimePart(word, parts))
                return false;
            haveTime = true;
        } else {
            if (haveDate || !ParseDatePart(word, parts))
                return false;
            haveDate = true;
        }
    }
    if (!haveDate && !haveTime)
        return false;
    if (!meridiem.empty()) {
        if (!haveTime || parts.hour < 1 || parts.hour > 12)
            return false;
        parts.hour = parts.hour % 12 + (meridiem == "PM" ? 12 : 0);
    }
    const AutomationDate date = AutomationDate::FromParts(parts);
    if (!date.IsValid())
        return false;
    value = date.Value();
    return true;
}

std::string QuoteSqlText(const std::string& text)
{
    std::string quoted = "'";
    for (char c : text) {
        quoted += c;
        if (c == '\'')
            quoted += '\'';
    }
    return quoted + "'";
}

bool TranslateJetSql(const std::string& jet, std::string& sqlite, std::string& error)
{
    std::vector<Token> tokens;
    if (!Tokenize(jet, tokens, error) || !RewriteLiterals(tokens, error))
        return false;
    for (const std::vector<size_t>& sig : SplitStatements(tokens)) {
        if (sig.empty())
            continue;
        RewriteWords(tokens, sig);
        RewriteDelete(tokens, sig);
        if (IsWord(tokens[sig[0]], "CREATE"))
            RewriteCreateTable(tokens, sig);
        else if (IsWord(tokens[sig[0]], "ALTER"))
            RewriteAlterTable(tokens, sig);
    }
    sqlite.clear();
    for (const Token& token : tokens)
        sqlite += token.text;
    return true;
}

SelectShape AnalyzeSelect(const std::string& sqliteSql)
{
    SelectShape shape;
    std::vector<Token> tokens;
    std::string error;
    if (!Tokenize(sqliteSql, tokens, error))
        return shape;
    const std::vector<size_t> sig = SplitStatements(tokens).front();
    if (sig.empty() || !IsWord(tokens[sig[0]], "SELECT"))
        return shape;
    shape.columnListStart = tokens[sig[0]].offset + tokens[sig[0]].text.size();
    // The column list: plain names and * only (a parenthesis means an expression or a call).
    size_t k = 1;
    if (k < sig.size() && IsWord(tokens[sig[k]], "ALL"))
        ++k;
    for (; k < sig.size() && !IsWord(tokens[sig[k]], "FROM"); ++k)
        if (IsPunct(tokens[sig[k]], "(") || IsWord(tokens[sig[k]], "DISTINCT"))
            return shape;
    if (++k >= sig.size())
        return shape;
    const Token& table = tokens[sig[k]];
    if (!(table.kind == TokenKind::Name || table.kind == TokenKind::Text ||
          (table.kind == TokenKind::Word && !IsKeyword(table.text))))
        return shape;
    ++k;
    if (k + 1 < sig.size() && IsWord(tokens[sig[k]], "AS"))
        k += 2;
    else if (k < sig.size() && tokens[sig[k]].kind == TokenKind::Word && !IsKeyword(tokens[sig[k]].text))
        ++k;
    if (k < sig.size() && !IsWord(tokens[sig[k]], "WHERE") && !IsWord(tokens[sig[k]], "ORDER"))
        return shape;
    int depth = 0;
    for (; k < sig.size(); ++k) {
        const Token& token = tokens[sig[k]];
        depth += IsPunct(token, "(") ? 1 : (IsPunct(token, ")") ? -1 : 0);
        if (depth != 0)
            continue;
        for (const char* word : {"GROUP", "HAVING", "UNION", "INTERSECT", "EXCEPT", "WINDOW", "LIMIT"})
            if (IsWord(token, word))
                return shape;
    }
    shape.singleTable = true;
    shape.table = Unquote(table);
    return shape;
}
