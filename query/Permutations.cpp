// Permutation arithmetic and the saved permutations of a query (table Combo).
#include "query/Permutations.h"

#include "store/DbConnection.h"
#include "store/DbTransaction.h"
#include "store/DovaneDatabase.h"
#include "store/StoreRecordset.h"

#include <QString>

#include <algorithm>
#include <charconv>
#include <limits>

// ---- Arithmetic --------------------------------------------------------------------------------

PermutationOrder IdentityOrder(int n)
{
    PermutationOrder order;
    for (int i = 0; i < n; ++i)
        order.push_back(i + 2);
    return order;
}

std::string PermutationText(const PermutationOrder& order)
{
    std::string text;
    for (size_t i = 0; i < order.size(); ++i) {
        if (i > 0)
            text += ',';
        text += std::to_string(order[i]);
    }
    return text;
}

bool ParsePermutationText(const std::string& text, PermutationOrder& order)
{
    PermutationOrder parsed;
    const char* position = text.data();
    const char* end = text.data() + text.size();
    while (position < end) {
        int32_t value = 0;
        const auto [next, error] = std::from_chars(position, end, value);
        if (error != std::errc() || (next != end && *next != ','))
            return false;
        parsed.push_back(value);
        position = next == end ? end : next + 1;
    }
    order = std::move(parsed);
    return true;
}

int PermutationEntryCount(const std::string& text)
{
    return int(std::count(text.begin(), text.end(), ',')) + 1;
}

int64_t PermutationTotal(int n)
{
    int64_t total = 1;
    for (int i = 2; i <= n; ++i) {
        total *= i;
        if (total > std::numeric_limits<int32_t>::max())
            return std::numeric_limits<int32_t>::max();
    }
    return total;
}

int NextPermutation(int n, PermutationOrder& order)
{
    n = std::min(n, int(order.size()));
    int i = n - 2;
    while (i >= 0 && order[size_t(i)] > order[size_t(i) + 1])
        --i;
    if (i < 0)
        return 1;
    int j = n - 1;
    while (order[size_t(j)] <= order[size_t(i)])
        --j;
    std::swap(order[size_t(i)], order[size_t(j)]);
    std::reverse(order.begin() + i + 1, order.begin() + n);
    return 0;
}

int PreviousPermutation(int n, PermutationOrder& order)
{
    n = std::min(n, int(order.size()));
    int i = n - 2;
    while (i >= 0 && order[size_t(i)] < order[size_t(i) + 1])
        --i;
    if (i < 0)
        return 1;
    int j = n - 1;
    while (order[size_t(j)] >= order[size_t(i)])
        --j;
    std::swap(order[size_t(i)], order[size_t(j)]);
    std::reverse(order.begin() + i + 1, order.begin() + n);
    return 0;
}

// Counted by rank arithmetic (the number of smaller entries to the right of each position times
// the arrangements of the rest), which is what rewinding and stepping would count.
int64_t PermutationNumber(const PermutationOrder& order)
{
    const int n = int(order.size());
    int64_t number = 0;
    for (int i = 0; i < n; ++i) {
        int64_t smaller = 0;
        for (int j = i + 1; j < n; ++j)
            smaller += order[size_t(j)] < order[size_t(i)] ? 1 : 0;
        number += smaller * PermutationTotal(n - 1 - i);
    }
    return number;
}

// ---- Saved permutations ----------------------------------------------------------------------------

void CPermutations::Clear()
{
    saved_.clear();
    current_ = -1;
}

int CPermutations::LiveCount() const
{
    return int(std::count_if(saved_.begin(), saved_.end(),
                             [](const tagCOMBO& combo) { return !IsRemoved(combo.state); }));
}

bool CPermutations::LoadPermutations(int32_t queryId)
{
    Clear();
    CStoreRecordset rows(database_);
    if (!rows.Read(SqlFormat("SELECT * FROM Combo WHERE Combo.QUERY_ID=%d;", queryId)))
        return false;
    for (; rows.HasRow(); rows->MoveNext()) {
        tagCOMBO combo;
        combo.COMBO_ID = rows->GetValue("COMBO_ID").ToLong();
        combo.QUERY_ID = rows->GetValue("QUERY_ID").ToLong();
        combo.COMBO = CDbConnection::VariantToText(rows->GetValue("COMBO"));
        combo.COMBO_NAME = CDbConnection::VariantToText(rows->GetValue("COMBO_NAME"));
        combo.state = RecordLoaded;
        saved_.push_back(std::move(combo));
    }
    return true;
}

bool CPermutations::SavePermutations(int32_t queryId)
{
    const bool anyChange = std::any_of(saved_.begin(), saved_.end(), [](const tagCOMBO& combo) {
        return combo.state == RecordNew || combo.state == RecordChanged || combo.state == RecordDeleted;
    });
    if (!anyChange)
        return true;
    if (database_.RefuseWriteIfReadOnly())
        return false;
    CDbTransaction transaction(database_.Connection());
    CStoreRecordset rows(database_);
    std::vector<tagCOMBO> saved = saved_;
    for (tagCOMBO& combo : saved) {
        switch (combo.state) {
        case RecordNew:
            if (!rows.OpenRow("Combo", "COMBO_ID", 0) || !rows->AddNew() ||
                !rows.Set("QUERY_ID", CFieldValue::Long(queryId)) ||
                !rows.Set("COMBO", CFieldValue::Text(combo.COMBO)) ||
                !rows.Set("COMBO_NAME", CFieldValue::Text(combo.COMBO_NAME)) || !rows.Write())
                return false;
            combo.COMBO_ID = rows.Id("COMBO_ID");
            combo.QUERY_ID = queryId;
            combo.state = RecordUnchanged;
            break;
        case RecordChanged:
            if (!rows.OpenRow("Combo", "COMBO_ID", combo.COMBO_ID))
                return false;
            if (rows.HasRow() && (!rows.Set("COMBO", CFieldValue::Text(combo.COMBO)) ||
                                  !rows.Set("COMBO_NAME", CFieldValue::Text(combo.COMBO_NAME)) ||
                                  !rows.Write()))
                return false;
            combo.state = RecordUnchanged;
            break;
        case RecordDeleted:
            if (!rows.OpenRow("Combo", "COMBO_ID", combo.COMBO_ID))
                return false;
            if (rows.HasRow() && !rows->Delete())
                return false;
            break;
        default:
            break;
        }
    }
    if (!transaction.Commit()) {
        ShowSaveFailure(database_);
        return false;
    }
    saved_ = std::move(saved);
    return true;
}

void CPermutations::AddPermutation(const PermutationOrder& order, int32_t queryId,
                                   const std::string& name)
{
    saved_.push_back({PermutationText(order), 0, queryId, RecordNew, name});
}

bool CPermutations::DeletePermutation(int index)
{
    if (index < 0 || index >= int(saved_.size()))
        return false;
    saved_[size_t(index)].state = StateAfterDelete(saved_[size_t(index)].state);
    return true;
}

int CPermutations::ApplyPermutation(int index, int n, PermutationOrder& order)
{
    if (index < 0 || index >= int(saved_.size()))
        return 0;
    const std::string& text = saved_[size_t(index)].COMBO;
    PermutationOrder parsed;
    if (PermutationEntryCount(text) != n || !ParsePermutationText(text, parsed))
        return 0;
    order = std::move(parsed);
    current_ = index;
    return 1;
}

int CPermutations::Step(int direction)
{
    for (int i = current_ + direction; i >= 0 && i < int(saved_.size()); i += direction) {
        if (!IsRemoved(saved_[size_t(i)].state)) {
            current_ = i;
            return 0;
        }
    }
    return 1;
}

int CPermutations::NextSaved() { return Step(+1); }
int CPermutations::PreviousSaved() { return Step(-1); }

int CPermutations::FindSaved(const PermutationOrder& order)
{
    const std::string text = PermutationText(order);
    for (size_t i = 0; i < saved_.size(); ++i) {
        if (!IsRemoved(saved_[i].state) && saved_[i].COMBO == text) {
            current_ = int(i);
            return current_;
        }
    }
    return -1;
}

bool CPermutations::HasName(const std::string& name) const
{
    const QString wanted = QString::fromStdString(name);
    return std::any_of(saved_.begin(), saved_.end(), [&](const tagCOMBO& combo) {
        return !IsRemoved(combo.state) &&
               QString::fromStdString(combo.COMBO_NAME).compare(wanted, Qt::CaseInsensitive) == 0;
    });
}

bool CPermutations::CheckConsistency(int32_t queryId, int n)
{
    if (!LoadPermutations(queryId) || saved_.empty() || PermutationEntryCount(saved_.front().COMBO) == n)
        return false;
    if (database_.RefuseWriteIfReadOnly())
        return false;
    database_.Connection().Execute(
        SqlFormat("DELETE Combo.COMBO_ID, Combo.QUERY_NAME, Combo.QUERY_ID FROM Combo WHERE "
                  "(((Combo.QUERY_ID)=%d));",
                  queryId),
        0);
    Clear();
    return true;
}
