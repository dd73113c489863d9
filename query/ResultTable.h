// The flat result table of a query run. Before every run the dataset is flattened into
// `fulltable`: one row per item (ITEM_ID order), one column per parameter (PROPERTY_ID order)
// named and typed like the parameter, NULL where the item has no value. `tempvalues` stages
// the item values first, with the one INSERT ... SELECT the dataset has always used.
//
// The build is shaped for large collections: it runs in one transaction, reads the staged rows
// once in the order they were staged (so where an item has two rows for one parameter the one
// staged last wins, as a per-cell lookup would find it), keeps each value in a compact slot,
// and writes the rows of fulltable through one prepared statement.
#pragma once

#include "store/SharedTypes.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class CDovaneDatabase;

// One value slot of an item: the value of one parameter, empty until a staged row gives one.
// Texts are kept once per distinct text (a choice list repeats them for many items).
struct tagITEMVALUECONTENT {
    enum class Kind : uint8_t { Empty, Null, Number, Date, Text };
    Kind kind = Kind::Empty;
    int32_t text = -1;    // index into the build's text pool (Kind::Text)
    double value = 0.0;   // the number (rounded to single precision) or the automation date
};

// The slots of one item, one per parameter in PROPERTY_ID order.
class CDovaneQueryValues {
public:
    explicit CDovaneQueryValues(size_t parameterCount) : slots_(parameterCount) {}
    tagITEMVALUECONTENT& operator[](size_t index) { return slots_[index]; }
    const tagITEMVALUECONTENT& operator[](size_t index) const { return slots_[index]; }
    size_t size() const { return slots_.size(); }

private:
    std::vector<tagITEMVALUECONTENT> slots_;
};

// One item while the table is built.
struct tagQUERYITEM {
    int32_t ITEM_ID = 0;
    bool hasLinks = false;
    std::unique_ptr<CDovaneQueryValues> values;
    std::string ITEM_IDENTIFIER;
};

// A parameter column of fulltable.
struct ResultTableColumn {
    int32_t PROPERTY_ID = 0;
    int32_t TYPE_ID = TYPE_ALPHANUMERIC;
    std::string name;
};

// "CREATE TABLE fulltable(FULL_ID int  IDENTITY(1,1) primary key, ..., [Name] Single, ...)":
// varchar(255) for text, Single for numbers, smalldatetime for dates; a column of any other
// type adds nothing.
std::string MakeFullTableStatement(const std::vector<ResultTableColumn>& columns);

class CResultTableBuilder {
public:
    explicit CResultTableBuilder(CDovaneDatabase& database) : database_(database) {}

    // Reloads the parameter and item lists, stages the values in tempvalues and re-creates and
    // fills fulltable. False when fulltable could not be made or filled (a read-only dataset,
    // a parameter name that cannot name a column, a database error); Error() says why. A
    // read-only dataset shows "Data update is not supported. May be not enough rights.".
    bool Build();

    // The number of items of the dataset at the last build ("%d / %d").
    int ItemTotal() const { return itemTotal_; }
    const std::string& Error() const { return error_; }

private:
    bool CollectItems();
    bool StageValues();
    bool ReadStagedValues();
    bool CreateTable();
    bool FillTable();
    bool Fail(const std::string& error);

    CDovaneDatabase& database_;
    std::vector<ResultTableColumn> columns_;
    std::vector<tagQUERYITEM> items_;
    std::vector<std::string> texts_;
    int itemTotal_ = 0;
    std::string error_;
};
