// The items store: the open dataset's item list and one current item with everything that
// belongs to it (identifier, note, colours, one value per parameter, links to other items and
// the rich-text description). The Items screen and its dialogs move through the items,
// create, copy and delete them and edit the current one; a save writes the current item back
// to ItemSet, Values, ItemValues, Hyperlink, Descriptions and Colors.
//
// The list is read whole into memory, in ITEM_ID order with new entries appended, so finding
// an entry by identifier is a binary search. Saves touch only the rows of the entries that
// changed: each looks its rows up by key instead of reading whole tables, so that saving one
// item among 100,000 costs a handful of indexed statements. Every save is one transaction; on a
// write-refused dataset it shows "Data update is not supported. May be not enough rights.",
// and a refused or failed save (the engine's error is shown) writes nothing and leaves the
// in-memory records as they were.
#pragma once

#include "store/AutomationDate.h"
#include "store/ParamStore.h"
#include "store/SharedTypes.h"
#include "store/StoreRecordset.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

class CDovaneDatabase;

// ---- Records ---------------------------------------------------------------------------------

// One entry of the item list.
struct tagITEMID {
    int32_t ITEM_ID = 0;  // 0 until saved
    RecordState state = RecordLoaded;
    uint32_t colourFlags = 0;  // ColourFlags
    COLORREF backgroundColour = DefaultBackgroundColour();
    COLORREF textColour = DefaultTextColour();
    std::string ITEM_IDENTIFIER;
};

// One link of the current item to another item.
struct tagLINK {
    int32_t LINK_ID = 0;  // 0 until saved
    int32_t ITEM_LINK_ID = 0;  // the linked item
    RecordState state = RecordLoaded;
};

// The current item's own fields.
struct CurrentItem {
    int32_t ITEM_ID = 0;
    RecordState state = RecordUnchanged;
    int index = -1;  // its entry in the item list; -1 when there is no current item
    COLORREF backgroundColour = DefaultBackgroundColour();
    COLORREF textColour = DefaultTextColour();
    std::string ITEM_IDENTIFIER;
    std::string ITEM_NOTE;  // empty: no note

    bool operator==(const CurrentItem&) const = default;
};

using CItemArray = std::vector<tagITEMID>;
using CLinkArray = std::vector<tagLINK>;

// ---- The store ---------------------------------------------------------------------------------

class CItemStore {
public:
    explicit CItemStore(CDovaneDatabase& database);

    // Empties every list and forgets the current item (a dataset is being opened).
    void Clear();
    // Lets go of the rows the store's recordsets hold (the dataset is closing).
    void ReleaseRecordsets();

    // ---- Item list and current item ---------------------------------------------------------
    const CItemArray& Items() const { return items_; }
    const CurrentItem& Current() const { return current_; }
    // Whether the current item's fields differ from those it had before the first change.
    bool IsCurrentChanged() const { return !(current_ == snapshot_); }
    int RememberedIndex() const { return rememberedIndex_; }
    bool IsPositioned() const { return positioned_; }
    bool IsCopy() const { return copy_; }
    void SetCopy(bool copy) { copy_ = copy; }  // the screen clears it once it showed the copy

    // Reads "ItemSet" in ITEM_ID order and the item colours. True when a row was read.
    bool LoadItems();
    // Makes entry `index` current, reading its identifier, note and description. False when
    // the entry has no row in the dataset.
    bool ShowItem(int index);
    // Makes `index` current from outside the list walk (the result view); the caller then
    // shows the item. Later moves follow the dataset's item rows from there.
    void JumpToItem(int index);
    // One entry forward or back; past either end wraps when `wrap`, else fails. A removed
    // target fails the step.
    bool StepItem(bool forward, bool wrap);
    // To the nearest entry in the direction that is unchanged as loaded (after a jump: the
    // next dataset row that is not removed). False when there is none.
    bool MoveItem(bool forward);
    // True when no entry that is not removed lies before (after) the current one.
    bool IsFirstItem() const;
    bool IsLastItem() const;
    // A new item ("NEW ITEM") or a copy of the current one ("Copy of " + its identifier, at
    // most 49 characters) becomes current; it is written by the next save.
    void CreateItem(bool copy);
    // Marks the current entry removed and, unless `stay`, makes a neighbour current: 1 when
    // one before was found (or `stay`), 0 when one after, -1 when none remains
    // (also when the current item is already removed).
    int DeleteItem(bool stay);
    // The current item's identifier text and note; a loaded item becomes Changed.
    void SetItemText(const std::string& identifier, const std::string& note);
    bool SetItemColour(int index, COLORREF colour, bool isText);
    // The entry's colours, only when they were read from or written to the dataset.
    bool GetItemColours(int32_t itemId, COLORREF& text, COLORREF& background) const;
    int FindItemIndex(int32_t itemId) const;  // -1 when none
    int32_t GetItemId(int index) const;       // -1 outside the list
    std::string GetItemIdentifier(int32_t itemId);  // read from the dataset; empty when none
    // Writes the New, Changed and Deleted entries (the current item's texts), their colours,
    // and removes the numeric and date values that the deleted items carried.
    bool SaveItems();
    // Reloads the list and shows the remembered entry (clamped to the last one).
    void ReloadAfterSave();

    // ---- Values of the current item (one record per parameter, in SORT_ORDER order) -------
    const CValueArray& ItemValues() const { return values_; }
    CValueArray& ItemValues() { return values_; }
    // One record per parameter, filled from the item's rows; for item 0 while a copy is
    // pending the copied values stay.
    void LoadItemValues(int32_t itemId);
    // Sets parameter `propertyId`'s value from its text: `choice` is the chosen value of an
    // alphanumeric parameter (negative: "(Blank)", the value removed), `date` the date of a
    // date parameter (none: no date). A numeric text that is empty or no number means no
    // number. False when the item has no record for the parameter.
    bool SetItemValue(int32_t propertyId, const std::string& text, int32_t choice = 0,
                      std::optional<AutomationDate> date = std::nullopt);
    // The numbers and dates go to Values (a changed one into its own row), then the item's
    // ItemValues rows. A copied value whose source had no row gets none, unless it was set.
    bool SaveItemValues(int32_t itemId);

    // ---- Links of the current item ----------------------------------------------------------
    const CLinkArray& Links() const { return links_; }
    const CItemArray& LinkTargets() const { return linkTargets_; }
    // The item's links in LINK_ID order; for item 0 while a copy is pending the copied ones
    // stay.
    bool LoadLinks(int32_t itemId);
    int AddLink(int32_t targetItemId);  // the new link's index
    bool RemoveLink(int index);
    // Every entry of the list except the item itself, removed entries, entries not yet saved
    // and the items it already links to.
    void BuildLinkTargets(int32_t itemId);
    bool HasLinks(int32_t itemId);
    // Writes the new, changed and deleted links of the item. A new link to an item that is
    // deleted, or has no row, is dropped.
    bool SaveLinks(int32_t itemId);

    // ---- Description of the current item (rich text, stored and returned unchanged) -------
    // The current item's description; false when it has none (the description is then empty
    // and New). While a copy is pending the copied text stays.
    bool LoadDescription();
    // Stores the text; a different text marks the description changed.
    void SetDescription(const std::string& text);
    void MarkDescriptionChanged();
    const std::string& GetDescription() const { return description_; }
    int32_t DescriptionId() const { return descriptionId_; }
    RecordState DescriptionState() const { return descriptionState_; }
    // Writes the current item's description (a new row for a New one).
    bool SaveDescription();

private:
    // What a save changes in an entry once the save is in the dataset.
    struct EntryUpdate {
        int index = 0;
        int32_t itemId = 0;
        RecordState state = RecordLoaded;
        uint32_t colourFlags = 0;
    };

    bool IsIndex(int index) const { return index >= 0 && index < int(items_.size()); }
    void ForgetCurrent();
    void ClearDescription();
    bool SaveEntry(int index, EntryUpdate& update, std::vector<int32_t>& freedValues);
    bool CollectNumericValues(int32_t itemId, std::vector<int32_t>& valueIds);
    bool RemoveUnusedValues(const std::vector<int32_t>& valueIds);
    bool SaveValueRow(tagVALUE& record, bool& skip);
    bool SaveItemValueRow(int32_t itemId, tagVALUE& record);
    bool ItemExists(int32_t itemId);
    std::string FormatItemValue(const tagVALUE& record) const;

    CDovaneDatabase& database_;
    // The store's own recordsets: one for the rows at hand, one for look-ups beside it.
    CStoreRecordset rows_;
    CStoreRecordset lookup_;
    CItemArray items_;
    int loadedCount_ = 0;  // entries read by the last load: the dataset's rows in order
    CItemArray linkTargets_;
    CurrentItem current_;
    CurrentItem snapshot_;
    CValueArray values_;
    CLinkArray links_;
    int32_t descriptionId_ = 0;
    RecordState descriptionState_ = RecordNew;
    std::string description_;
    int rememberedIndex_ = 0;
    bool positioned_ = false;
    bool copy_ = false;
};
