// Items removed from one query's result (not from the dataset): each (item, query) pair is a row
// of Deleted_Items, which the query's WHERE text excludes. A deletion is recorded temporary; the
// user then keeps it (SaveDeletions), drops it (DiscardDeletions) or hands it to a copy of the
// query made by "Save as" (CopyDeletions). Every row excludes its item, saved or not.
//
// Each operation is one statement or one transaction, so it is written whole or not at all. On a
// dataset that cannot be written every operation shows "Data update is not supported. May be not
// enough rights." and writes nothing.
#pragma once

#include <cstdint>

class CDovaneDatabase;

class CDeletedItems {
public:
    explicit CDeletedItems(CDovaneDatabase& database) : database_(database) {}

    // Creates Deleted_Items when the dataset lacks it (run at every query run); a dataset that
    // cannot be written and lacks it gets the message instead.
    bool EnsureDeletedItemsTable();
    // Records the item as removed from the query, temporarily; an item already recorded for
    // the query adds no second row.
    bool RecordDeletion(int32_t itemId, int32_t queryId);
    // Makes the query's temporary deletions permanent.
    bool SaveDeletions(int32_t queryId);
    // Drops the query's temporary deletions, so the items come back at the next run.
    bool DiscardDeletions(int32_t queryId);
    // "Save as": the new query excludes every item deleted from the old one so far. Temporary
    // rows move to the new query (the old one loses them), saved rows are copied (the old one
    // keeps them); all of the new query's rows are saved.
    bool CopyDeletions(int32_t newQueryId, int32_t oldQueryId);

private:
    bool Run(const char* sql);

    CDovaneDatabase& database_;
};
