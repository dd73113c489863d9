// The dataset store: the one object of the process (TheDatabase()) that owns the connection to
// the open dataset and what is loaded from it. It opens and closes datasets, upgrades the colour
// table and tests at every open whether the file can be written (writeRefused), loads the type
// names, reads and writes the colours of every object list through one small interface, and
// compacts the dataset file. The parameter, value and item lists (with the current item, its
// links and description) belong here as well, each in its own store (ParamStore.h, ItemStore.h);
// the query definitions store joins them.
//
// The store's own statements run on a recordset of its own, never on the four shared ones, so
// a colour written while a caller walks recordset 0 leaves that walk where it was.
#pragma once

#include "store/DbConnection.h"
#include "store/DbRecordset.h"
#include "store/ItemStore.h"
#include "store/ParamStore.h"
#include "store/SharedTypes.h"

#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

// ---- Texts the user sees -------------------------------------------------------------------
inline constexpr const char* kUpdateNotSupportedText =
    "Data update is not supported. May be not enough rights.";
inline constexpr const char* kInvalidPathText = "Invalid Path";
inline constexpr const char* kErrorOpeningDatasetText = "Error opening dataset";
inline constexpr const char* kMainTitleSuffix = " - Tavrin";

// ---- Colours of the object lists (OBJECT_TYPE of the Colors table) -------------------------
enum ColourObjectType : int32_t {
    COLOUR_OBJECT_PARAMETER = 0,  // OBJECT_ID = PROPERTY_ID
    COLOUR_OBJECT_VALUE = 1,      // OBJECT_ID = VALUE_ID; OBJECT_ID 0 is the write-test marker
    COLOUR_OBJECT_ITEM = 2,       // OBJECT_ID = ITEM_ID
    COLOUR_OBJECT_QUERY = 3,      // OBJECT_ID = QUERY_ID
    COLOUR_OBJECT_CELL = 4,       // OBJECT_ID = ITEM_ID, OBJECT_ID2 = list column, OBJECT_ID3 = QUERY_ID
};

// One Colors row as LoadColors hands it over.
struct StoredColour {
    int32_t objectId = 0;
    int32_t objectId2 = 0;
    int32_t objectId3 = 0;
    COLORREF text = 0;        // COLOR_FG
    COLORREF background = 0;  // COLOR_BG
};

// What LoadColors fills: an object list (parameters, values, items, queries, result cells).
class IColourTarget {
public:
    virtual ~IColourTarget() = default;
    // Gives the colour to the list's objects that it belongs to (by identifier, and for cells
    // by column) unless they are deleted, and marks their colours as stored.
    virtual void ApplyStoredColour(const StoredColour& colour) = 0;
};

// The IColourTarget of a list of records keyed by one identifier (tagPARAM, tagVALUE,
// tagITEMID, tagQUERY, ...): name the members that hold the identifier, the text and background
// colours, the colour flags and the state. Records with identifier 0 (not yet saved) and
// deleted or discarded records get nothing. The list must not change while the target lives.
//   ColourListTarget target(params, &tagPARAM::PROPERTY_ID, &tagPARAM::textColour, ...);
template <class List, class Record, class Id, class Colour, class Flags, class State>
class ColourListTarget final : public IColourTarget {
public:
    ColourListTarget(List& list, Id Record::*id, Colour Record::*text, Colour Record::*background,
                     Flags Record::*flags, State Record::*state)
        : list_(list), text_(text), background_(background), flags_(flags)
    {
        for (size_t i = 0; i < static_cast<size_t>(list.size()); ++i) {
            const Record& record = list[i];
            if (record.*id != 0 && !IsRemoved(static_cast<RecordState>(record.*state)))
                positions_[static_cast<int32_t>(record.*id)].push_back(i);
        }
    }

    void ApplyStoredColour(const StoredColour& colour) override
    {
        const auto found = positions_.find(colour.objectId);
        if (found == positions_.end())
            return;
        for (size_t i : found->second) {
            Record& record = list_[i];
            record.*text_ = static_cast<Colour>(colour.text);
            record.*background_ = static_cast<Colour>(colour.background);
            record.*flags_ = static_cast<Flags>(record.*flags_ | COLOUR_STORED);
        }
    }

private:
    List& list_;
    Colour Record::*text_;
    Colour Record::*background_;
    Flags Record::*flags_;
    std::unordered_map<int32_t, std::vector<size_t>> positions_;
};

// The main frame's part in opening a dataset; registered when the frame exists.
class IDatasetObserver {
public:
    virtual ~IDatasetObserver() = default;
    // Before a dataset opens: every editing screen and the query result view clear what they
    // hold of the previous dataset.
    virtual void ResetScreens() = 0;
    // The main window's title: the dataset path followed by " - Tavrin".
    virtual void SetMainTitle(const std::string& title) = 0;
};

class CDovaneDatabase {
public:
    CDovaneDatabase();
    ~CDovaneDatabase();
    CDovaneDatabase(const CDovaneDatabase&) = delete;
    CDovaneDatabase& operator=(const CDovaneDatabase&) = delete;

    // ---- Opening, closing, compacting -------------------------------------------------------
    // Closes the open dataset, then opens `path` (kept as currentDatasetPath). A missing file
    // shows "Invalid Path" (caption: the path) and gives false. When the connection fails,
    // "Error opening dataset" is shown and the result is still true: the open completes with
    // no dataset open (IsOpen() is false).
    bool OpenDataset(const std::string& path);
    // What follows a true OpenDataset: the colour table upgrade and write test, then the type
    // names (then the parameters, with their store).
    void RunFirstLoads();
    // Lets go of the open dataset (no-op when none is open).
    void CloseDataset();
    // Compacts the file at currentDatasetPath when it is 1,000,000 bytes or larger: closes the
    // dataset, writes a compacted copy to <base>.tmp, keeps the previous content as <base>.bak
    // and puts the copy in the dataset's place. Shows "Database compacted from size %d to %d"
    // when the file shrank. False when nothing was compacted.
    bool CompactDataset();
    bool IsOpen() const { return connection_.IsOpen(); }
    // Whether the dataset has a table of that name (names compare without case, as the engine
    // treats them).
    bool HasTable(const std::string& name);

    CDbConnection& Connection() { return connection_; }
    const std::string& currentDatasetPath() const { return currentDatasetPath_; }
    void SetCurrentDatasetPath(const std::string& path) { currentDatasetPath_ = path; }

    // ---- Write test --------------------------------------------------------------------------
    // True when the open dataset has shown it cannot be written; every save then writes
    // nothing.
    bool writeRefused() const { return writeRefused_; }
    // For a save about to write: when the dataset is write-refused, shows "Data update is not
    // supported. May be not enough rights." and returns true (the save must stop).
    bool RefuseWriteIfReadOnly() const;
    // Creates the Colors table when the dataset lacks it and writes the marker row (object type
    // 1, identifier 0), whose OBJECT_ID2 alternates between 0 and 1 at every open. Any failure
    // sets writeRefused.
    void UpgradeColoursAndTestWrite();

    // ---- Type names ----------------------------------------------------------------------------
    // "SELECT * FROM Type ORDER BY TYPE_ID;": index 0 is TYPE_ID 1.
    bool LoadTypeNames();
    const std::vector<std::string>& TypeNames() const { return typeNames_; }
    std::string TypeName(int typeId) const;  // empty outside the list

    // ---- Colours ---------------------------------------------------------------------------------
    // Hands every Colors row of `type` (for cells: of query `queryId`) to `target`.
    bool LoadColors(int type, int queryId, IColourTarget& target);
    // Writes the colours of one object: updates its row, or adds one. `id2` and `id3` are part
    // of the key only when nonzero. A dataset that cannot be written shows "Data update is not
    // supported. May be not enough rights." and gives false.
    bool SaveColor(int type, int id, COLORREF text, COLORREF background, int id2 = 0, int id3 = 0);
    // Deletes every colour row of one object.
    bool DeleteColors(int type, int id);

    // ---- The in-memory stores ------------------------------------------------------------------
    // The parameters and values, and the items with the current item.
    CParamStore& Params() { return params_; }
    const CParamStore& Params() const { return params_; }
    CItemStore& Items() { return items_; }
    const CItemStore& Items() const { return items_; }

    // ---- The template directory --------------------------------------------------------------
    // The folder of the sample dataset: TAVRIN_TEMPLATE_DIR when set, else the
    // "Settings"/"TEMPLATEDIR" setting, else <folder of the program>/../share/tavrin/template.
    static std::string ResolveTemplateDir();
    // Start-up: reads the template directory once (ResolveTemplateDir).
    void LoadTemplateDir() { templateDir_ = ResolveTemplateDir(); }
    void SetTemplateDir(const std::string& folder) { templateDir_ = folder; }
    const std::string& templateDir() const { return templateDir_; }

    // ---- The main frame's hook -------------------------------------------------------------------
    void SetObserver(IDatasetObserver* observer) { observer_ = observer; }

private:
    bool ExecuteOwn(const std::string& sql, RecordsetLock lock);
    void EmptyLists();

    CDbConnection connection_;
    CDbRecordset ownRecordset_;  // the store's own statements
    std::vector<std::string> typeNames_;
    CParamStore params_;
    CItemStore items_;
    // The query definitions store joins here.
    std::string currentDatasetPath_;
    std::string templateDir_;
    bool writeRefused_ = false;
    IDatasetObserver* observer_ = nullptr;
};

// The dataset store of the process, made at first use and closed when the process ends.
CDovaneDatabase& TheDatabase();

// Compacts the SQLite file named by the compaction connection string `source` into the one
// named by `destination` (which must not exist). False with the engine's text in `error`.
bool CompactDatabase(const std::string& source, const std::string& destination, std::string& error);
