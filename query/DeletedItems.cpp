// Per-query deleted items: the Deleted_Items table and its save, discard and copy.
#include "query/DeletedItems.h"

#include "store/DbRecordset.h"
#include "store/DbTransaction.h"
#include "store/DovaneDatabase.h"
#include "store/StoreRecordset.h"

namespace {

constexpr const char* kCreateDeletedItems =
    "CREATE TABLE Deleted_Items(ID int IDENTITY(1,1) primary key not null, DELETED_ITEM_ID int, "
    "QUERY_ID int, IS_TEMPORARY bit\tDEFAULT 0);";

}  // namespace

bool CDeletedItems::Run(const char* sql)
{
    CDbRecordset rows(database_.Connection());
    if (database_.Connection().ExecuteOn(rows, sql, LOCK_OPTIMISTIC))
        return true;
    ShowSaveFailure(database_);
    return false;
}

bool CDeletedItems::EnsureDeletedItemsTable()
{
    std::string tables;
    if (!database_.Connection().GetTableList(tables))
        return false;
    if (tables.find("[Deleted_Items]") != std::string::npos)
        return true;
    if (database_.RefuseWriteIfReadOnly())
        return false;
    return Run(kCreateDeletedItems);
}

bool CDeletedItems::RecordDeletion(int32_t itemId, int32_t queryId)
{
    if (database_.RefuseWriteIfReadOnly())
        return false;
    CStoreRecordset rows(database_);
    if (!rows.OpenForUpdate(
            SqlFormat("SELECT * FROM [Deleted_Items] WHERE DELETED_ITEM_ID=%d AND QUERY_ID=%d;",
                      itemId, queryId)))
        return false;
    if (rows.HasRow())
        return true;
    return rows->AddNew() && rows.Set("DELETED_ITEM_ID", CFieldValue::Long(itemId)) &&
           rows.Set("QUERY_ID", CFieldValue::Long(queryId)) &&
           rows.Set("IS_TEMPORARY", CFieldValue::Bool(true)) && rows.Write();
}

bool CDeletedItems::SaveDeletions(int32_t queryId)
{
    if (database_.RefuseWriteIfReadOnly())
        return false;
    return Run(SqlFormat("UPDATE Deleted_Items SET IS_TEMPORARY=False WHERE QUERY_ID=%d AND "
                         "IS_TEMPORARY=TRUE;",
                         queryId)
                   .c_str());
}

bool CDeletedItems::DiscardDeletions(int32_t queryId)
{
    if (database_.RefuseWriteIfReadOnly())
        return false;
    return Run(
        SqlFormat("DELETE * FROM [Deleted_Items] WHERE QUERY_ID=%d AND IS_TEMPORARY=TRUE;", queryId)
            .c_str());
}

bool CDeletedItems::CopyDeletions(int32_t newQueryId, int32_t oldQueryId)
{
    if (database_.RefuseWriteIfReadOnly())
        return false;
    CDbTransaction transaction(database_.Connection());
    if (!transaction.IsActive())
        return false;
    // Copy the saved rows first, so the moved temporary rows are not copied as well.
    const bool written =
        Run(SqlFormat("INSERT INTO Deleted_Items (DELETED_ITEM_ID, QUERY_ID, IS_TEMPORARY) SELECT "
                      "DELETED_ITEM_ID, %d, False FROM Deleted_Items WHERE QUERY_ID=%d AND "
                      "IS_TEMPORARY=False;",
                      newQueryId, oldQueryId)
                .c_str()) &&
        Run(SqlFormat("UPDATE Deleted_Items SET QUERY_ID=%d, IS_TEMPORARY=False WHERE QUERY_ID=%d "
                      "AND IS_TEMPORARY=TRUE;",
                      newQueryId, oldQueryId)
                .c_str());
    return written && transaction.Commit();
}
