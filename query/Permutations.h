// Permutations of the parameter columns of a result. A permutation is the sequence of the n
// list column positions shown at display positions 2 .. n+1 (the check box, Links and Item
// columns never move; the identity is 2, 3, ..., n+1). Its text form joins the positions with
// "," ("3,2,4") and is what the Combo table stores.
//
// The arithmetic steps through the arrangements in lexicographic order; CPermutations holds
// the saved permutations of the current query and the index of the current one.
#pragma once

#include "store/SharedTypes.h"

#include <cstdint>
#include <string>
#include <vector>

class CDovaneDatabase;

using PermutationOrder = std::vector<int32_t>;

// ---- Arithmetic --------------------------------------------------------------------------------

// The identity arrangement of n parameter columns: 2, 3, ..., n+1.
PermutationOrder IdentityOrder(int n);
// "3,2,4"; empty for no entries.
std::string PermutationText(const PermutationOrder& order);
// The entries of a text form; false (order untouched) for a text that is not a list of numbers.
bool ParsePermutationText(const std::string& text, PermutationOrder& order);
// The number of entries a text form holds: commas + 1.
int PermutationEntryCount(const std::string& text);
// n! as the cycle's total (1 for n = 0); saturates at INT32_MAX.
int64_t PermutationTotal(int n);

// The lexicographically next (previous) arrangement of the first n entries. Returns 1 and
// leaves the order unchanged at the last (first) arrangement, 0 when it moved.
int NextPermutation(int n, PermutationOrder& order);
int PreviousPermutation(int n, PermutationOrder& order);
// The 0-based number of the arrangement in lexicographic order (the identity is 0).
int64_t PermutationNumber(const PermutationOrder& order);

// ---- Saved permutations ----------------------------------------------------------------------------

// One Combo row.
struct tagCOMBO {
    std::string COMBO;  // the text form
    int32_t COMBO_ID = 0;
    int32_t QUERY_ID = 0;
    RecordState state = RecordUnchanged;
    std::string COMBO_NAME;
};

class CPermutations {
public:
    explicit CPermutations(CDovaneDatabase& database) : database_(database) {}

    const std::vector<tagCOMBO>& Saved() const { return saved_; }
    int Current() const { return current_; }  // -1 when none
    // The saved permutations that are neither deleted nor discarded.
    int LiveCount() const;
    void Clear();

    // "SELECT * FROM Combo WHERE Combo.QUERY_ID=%d;"; the current index becomes -1.
    bool LoadPermutations(int32_t queryId);
    // Writes the New, Changed and Deleted entries in one transaction. A read-only dataset shows
    // "Data update is not supported. May be not enough rights." and writes nothing.
    bool SavePermutations(int32_t queryId);
    void AddPermutation(const PermutationOrder& order, int32_t queryId, const std::string& name);
    bool DeletePermutation(int index);
    // Parses saved permutation `index` into `order` when it has n entries; it becomes current.
    // 0 (order unchanged) otherwise.
    int ApplyPermutation(int index, int n, PermutationOrder& order);
    // To the next (previous) live saved permutation; 1 (no move) when there is none.
    int NextSaved();
    int PreviousSaved();
    // The index of the saved permutation whose text equals that of `order` (it becomes
    // current); -1 when none.
    int FindSaved(const PermutationOrder& order);
    // Whether a saved permutation already has this name (case-insensitive).
    bool HasName(const std::string& name) const;

    // The check after every run: when the first saved permutation's entry count differs from
    // n, every saved permutation of the query is deleted and the list cleared. True when it
    // deleted them.
    bool CheckConsistency(int32_t queryId, int n);

private:
    int Step(int direction);

    CDovaneDatabase& database_;
    std::vector<tagCOMBO> saved_;
    int current_ = -1;
};
