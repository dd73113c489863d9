// A store's own recordset and the small helpers of the store saves.
#include "store/StoreRecordset.h"

#include "platform/MessageBox.h"
#include "store/DovaneDatabase.h"

#include <cstdarg>
#include <cstdio>

std::string SqlFormat(const char* format, ...)
{
    va_list arguments;
    va_start(arguments, format);
    va_list copy;
    va_copy(copy, arguments);
    const int length = std::vsnprintf(nullptr, 0, format, copy);
    va_end(copy);
    std::string text(length > 0 ? size_t(length) : 0, '\0');
    if (length > 0)
        std::vsnprintf(text.data(), text.size() + 1, format, arguments);
    va_end(arguments);
    return text;
}

void ShowSaveFailure(CDovaneDatabase& database)
{
    const std::string& error = database.Connection().lastError();
    MessageBox(error.empty() ? std::string("Errors occurred.") : error, {}, MB_OK | MB_ICONERROR);
}

CStoreRecordset::CStoreRecordset(CDovaneDatabase& database)
    : database_(database), rows_(database.Connection())
{
}

bool CStoreRecordset::Read(const std::string& sql)
{
    return database_.Connection().ExecuteOn(rows_, sql, LOCK_READONLY);
}

bool CStoreRecordset::OpenForUpdate(const std::string& sql)
{
    if (!database_.Connection().ExecuteOn(rows_, sql, LOCK_OPTIMISTIC)) {
        ShowSaveFailure(database_);
        return false;
    }
    if (!rows_.SupportsUpdate()) {
        MessageBox(kUpdateNotSupportedText);
        return false;
    }
    return true;
}

bool CStoreRecordset::OpenRow(const char* table, const char* key, int32_t id)
{
    return OpenForUpdate(SqlFormat("SELECT * FROM [%s] WHERE %s=%d;", table, key, id));
}

bool CStoreRecordset::Set(const char* field, const CFieldValue& value)
{
    if (rows_.SetValue(field, value))
        return true;
    ShowSaveFailure(database_);
    return false;
}

bool CStoreRecordset::Write()
{
    if (rows_.Update())
        return true;
    ShowSaveFailure(database_);
    return false;
}
