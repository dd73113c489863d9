#include "store/DovaneDatabase.h"

#include "platform/MessageBox.h"
#include "platform/Settings.h"
#include "platform/WaitCursor.h"

#include <sqlite3.h>

#include <QCoreApplication>
#include <QDir>
#include <QString>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fcntl.h>
#include <fstream>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

constexpr long long kCompactionThreshold = 1'000'000;

constexpr const char* kCreateColours =
    "CREATE TABLE Colors(ID int IDENTITY(1,1) primary key not null, OBJECT_TYPE int, "
    "OBJECT_ID int, OBJECT_ID2 int DEFAULT 0, OBJECT_ID3 int DEFAULT 0, COLOR_FG int, "
    "COLOR_BG int);";

std::string Format(const char* format, long long a, long long b = 0)
{
    char text[256];
    std::snprintf(text, sizeof text, format, a, b);
    return text;
}

bool ContainsWithoutCase(const std::string& text, const std::string& part)
{
    return QString::fromStdString(text).contains(QString::fromStdString(part), Qt::CaseInsensitive);
}

std::string ProgramFolder()
{
    if (QCoreApplication::instance())
        return QCoreApplication::applicationDirPath().toStdString();
    std::error_code error;
    const fs::path program = fs::read_symlink("/proc/self/exe", error);
    return error ? std::string() : program.parent_path().string();
}

// The file name's last "." (never one of a folder's name); npos when the name has none.
size_t ExtensionDot(const std::string& path)
{
    const size_t dot = path.rfind('.');
    const size_t slash = path.rfind('/');
    return dot == std::string::npos || (slash != std::string::npos && dot < slash) ? std::string::npos : dot;
}

bool IsReadableFile(const std::string& path)
{
    std::error_code error;
    if (!fs::is_regular_file(path, error))
        return false;
    std::ifstream probe(path, std::ios::binary);
    return probe.good();
}

// Whether the file is a dataset (an SQLite database with a Property table), read without
// writing anything.
bool IsDatasetFile(const std::string& path)
{
    sqlite3* db = nullptr;
    bool dataset = false;
    if (sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READONLY, nullptr) == SQLITE_OK) {
        sqlite3_stmt* statement = nullptr;
        const char* sql = "SELECT 1 FROM sqlite_schema WHERE type='table' AND name='Property' COLLATE NOCASE";
        dataset = sqlite3_prepare_v2(db, sql, -1, &statement, nullptr) == SQLITE_OK &&
                  sqlite3_step(statement) == SQLITE_ROW;
        sqlite3_finalize(statement);
    }
    sqlite3_close(db);
    return dataset;
}

bool SyncFile(const std::string& path)
{
    const int descriptor = ::open(path.c_str(), O_RDONLY);
    if (descriptor < 0)
        return false;
    const bool synced = ::fsync(descriptor) == 0;
    ::close(descriptor);
    return synced;
}

// The backup keeps the previous content under <base>.bak: a second name for the same file (or a
// copy where links are not possible), so the dataset's own name never goes without a file.
bool KeepBackup(const std::string& path, const std::string& backup)
{
    std::error_code error;
    fs::remove(backup, error);
    if (::link(path.c_str(), backup.c_str()) == 0)
        return true;
    return fs::copy_file(path, backup, fs::copy_options::overwrite_existing, error);
}

}  // namespace

bool CompactDatabase(const std::string& source, const std::string& destination, std::string& error)
{
    std::string sourcePath, destinationPath;
    if (!CDbConnection::PathFromConnectionString(source, sourcePath)) {
        error = "The connection string is not valid: " + source;
        return false;
    }
    if (!CDbConnection::PathFromConnectionString(destination, destinationPath)) {
        error = "The connection string is not valid: " + destination;
        return false;
    }
    sqlite3* db = nullptr;
    bool compacted = false;
    if (sqlite3_open_v2(sourcePath.c_str(), &db, SQLITE_OPEN_READONLY, nullptr) == SQLITE_OK) {
        sqlite3_stmt* statement = nullptr;
        compacted = sqlite3_prepare_v2(db, "VACUUM INTO ?1", -1, &statement, nullptr) == SQLITE_OK &&
                    sqlite3_bind_text(statement, 1, destinationPath.c_str(), -1, SQLITE_TRANSIENT) == SQLITE_OK &&
                    sqlite3_step(statement) == SQLITE_DONE;
        sqlite3_finalize(statement);
    }
    if (!compacted)
        error = db ? sqlite3_errmsg(db) : "out of memory";
    sqlite3_close(db);
    return compacted && SyncFile(destinationPath);
}

CDovaneDatabase::CDovaneDatabase() : ownRecordset_(connection_), params_(*this), items_(*this) {}

CDovaneDatabase::~CDovaneDatabase() { CloseDataset(); }

CDovaneDatabase& TheDatabase()
{
    static CDovaneDatabase database;
    return database;
}

// ---- Opening, closing, compacting ------------------------------------------------------------

bool CDovaneDatabase::OpenDataset(const std::string& path)
{
    if (IsOpen())
        CloseDataset();
    currentDatasetPath_ = path;
    std::error_code error;
    if (!fs::exists(path, error)) {
        MessageBox(kInvalidPathText, path);
        return false;
    }
    if (observer_)
        observer_->ResetScreens();
    EmptyLists();
    if (!connection_.Open(CDbConnection::MakeConnectionString(path)))
        MessageBox(kErrorOpeningDatasetText, {}, MB_OK | MB_ICONERROR);
    if (observer_)
        observer_->SetMainTitle(currentDatasetPath_ + kMainTitleSuffix);
    return true;
}

void CDovaneDatabase::RunFirstLoads()
{
    if (!IsOpen())
        return;
    UpgradeColoursAndTestWrite();
    LoadTypeNames();
    params_.LoadParams();
}

void CDovaneDatabase::CloseDataset()
{
    WaitCursor wait;
    if (!connection_.IsOpen())
        return;
    // The query definitions store lets go of what it holds on the dataset here.
    ownRecordset_.Close();
    params_.ReleaseRecordsets();
    items_.ReleaseRecordsets();
    connection_.Close();
}

void CDovaneDatabase::EmptyLists()
{
    typeNames_.clear();
    params_.Clear();
    items_.Clear();
    writeRefused_ = false;
}

bool CDovaneDatabase::CompactDataset()
{
    if (currentDatasetPath_.empty())
        return false;
    CloseDataset();
    const std::string path = currentDatasetPath_;
    if (!IsReadableFile(path))
        return false;
    std::error_code error;
    const auto oldSize = static_cast<long long>(fs::file_size(path, error));
    if (error || oldSize < kCompactionThreshold)
        return false;
    // A file marked read-only is left as it is, and so is one that is not a dataset.
    const size_t dot = ExtensionDot(path);
    if (dot == std::string::npos || !IsWritableFile(path) || !IsDatasetFile(path))
        return false;
    WaitCursor wait;
    const std::string base = path.substr(0, dot);
    const std::string temporary = base + ".tmp";
    fs::remove(temporary, error);
    std::string failure;
    if (!CompactDatabase(CDbConnection::MakeCompactConnectionString(path),
                         CDbConnection::MakeCompactConnectionString(temporary), failure)) {
        fs::remove(temporary, error);
        MessageBox(failure, {});
        return false;
    }
    struct stat status {};
    if (::stat(path.c_str(), &status) == 0)
        ::chmod(temporary.c_str(), status.st_mode & 07777);
    if (!KeepBackup(path, base + ".bak"))
        return false;
    // rename replaces the dataset in one step: a failure leaves the previous content in place.
    if (std::rename(temporary.c_str(), path.c_str()) != 0)
        return false;
    const auto newSize = static_cast<long long>(fs::file_size(path, error));
    if (!error && newSize < oldSize)
        MessageBox(Format("Database compacted from size %lld to %lld", oldSize, newSize));
    return true;
}

bool CDovaneDatabase::HasTable(const std::string& name)
{
    std::string tables;
    return connection_.GetTableList(tables) && ContainsWithoutCase(tables, "[" + name + "]");
}

bool CDovaneDatabase::ExecuteOwn(const std::string& sql, RecordsetLock lock)
{
    return connection_.ExecuteOn(ownRecordset_, sql, lock);
}

// ---- Write test ----------------------------------------------------------------------------------

bool CDovaneDatabase::RefuseWriteIfReadOnly() const
{
    if (!writeRefused_)
        return false;
    MessageBox(kUpdateNotSupportedText);
    return true;
}

void CDovaneDatabase::UpgradeColoursAndTestWrite()
{
    writeRefused_ = false;
    std::string tables;
    if (!connection_.GetTableList(tables))
        return;
    if (!ContainsWithoutCase(tables, "[Colors]") && !ExecuteOwn(kCreateColours, LOCK_OPTIMISTIC)) {
        writeRefused_ = true;
        return;
    }
    if (!ExecuteOwn(Format("SELECT * FROM [Colors] WHERE OBJECT_TYPE=%lld AND OBJECT_ID=%lld", 1, 0),
                    LOCK_OPTIMISTIC)) {
        writeRefused_ = true;
        return;
    }
    CDbRecordset& marker = ownRecordset_;
    bool written = false;
    if (marker.IsEOF()) {
        written = marker.AddNew() && marker.SetValue("COLOR_FG", 0) && marker.SetValue("COLOR_BG", 0) &&
                  marker.SetValue("OBJECT_TYPE", 1) && marker.SetValue("OBJECT_ID", 0) && marker.Update();
    } else {
        const bool flag = marker.GetValue("OBJECT_ID2").ToLong() != 0;
        written = marker.SetValue("OBJECT_ID2", flag ? 0 : 1) && marker.Update();
    }
    if (!written) {
        marker.CancelUpdate();
        writeRefused_ = true;
    }
}

// ---- Type names -------------------------------------------------------------------------------------

bool CDovaneDatabase::LoadTypeNames()
{
    typeNames_.clear();
    if (!ExecuteOwn("SELECT * FROM Type ORDER BY TYPE_ID;", LOCK_READONLY))
        return false;
    for (; !ownRecordset_.IsEOF(); ownRecordset_.MoveNext())
        typeNames_.push_back(CDbConnection::VariantToText(ownRecordset_.GetValue("TYPE")));
    return !typeNames_.empty();
}

std::string CDovaneDatabase::TypeName(int typeId) const
{
    return typeId >= 1 && typeId <= static_cast<int>(typeNames_.size())
               ? typeNames_[static_cast<size_t>(typeId - 1)]
               : std::string();
}

// ---- Colours -----------------------------------------------------------------------------------------

bool CDovaneDatabase::LoadColors(int type, int queryId, IColourTarget& target)
{
    std::string sql = Format("SELECT * FROM [Colors] WHERE OBJECT_TYPE=%lld", type);
    if (type == COLOUR_OBJECT_CELL)
        sql += Format(" AND OBJECT_ID3=%lld", queryId);
    if (!ExecuteOwn(sql + ";", LOCK_READONLY))
        return false;
    for (; !ownRecordset_.IsEOF(); ownRecordset_.MoveNext()) {
        StoredColour colour;
        colour.objectId = ownRecordset_.GetValue("OBJECT_ID").ToLong();
        colour.objectId2 = ownRecordset_.GetValue("OBJECT_ID2").ToLong();
        colour.objectId3 = ownRecordset_.GetValue("OBJECT_ID3").ToLong();
        colour.text = static_cast<COLORREF>(ownRecordset_.GetValue("COLOR_FG").ToLong());
        colour.background = static_cast<COLORREF>(ownRecordset_.GetValue("COLOR_BG").ToLong());
        target.ApplyStoredColour(colour);
    }
    return true;
}

bool CDovaneDatabase::SaveColor(int type, int id, COLORREF text, COLORREF background, int id2, int id3)
{
    if (!IsOpen() || RefuseWriteIfReadOnly())
        return false;
    std::string sql = Format("SELECT * FROM [Colors] WHERE OBJECT_TYPE=%lld AND OBJECT_ID=%lld", type, id);
    if (id2 != 0)
        sql += Format(" AND OBJECT_ID2=%lld", id2);
    if (id3 != 0)
        sql += Format(" AND OBJECT_ID3=%lld", id3);
    if (!ExecuteOwn(sql + ";", LOCK_OPTIMISTIC))
        return false;
    CDbRecordset& row = ownRecordset_;
    if (!row.SupportsUpdate()) {
        MessageBox(kUpdateNotSupportedText);
        return false;
    }
    const auto fg = static_cast<int32_t>(text);
    const auto bg = static_cast<int32_t>(background);
    bool written = false;
    if (!row.IsEOF()) {
        written = row.SetValue("COLOR_FG", fg) && row.SetValue("COLOR_BG", bg) && row.Update();
    } else {
        written = row.AddNew() && row.SetValue("COLOR_FG", fg) && row.SetValue("COLOR_BG", bg) &&
                  row.SetValue("OBJECT_TYPE", type) && row.SetValue("OBJECT_ID", id) &&
                  (id2 == 0 || row.SetValue("OBJECT_ID2", id2)) &&
                  (id3 == 0 || row.SetValue("OBJECT_ID3", id3)) && row.Update();
    }
    if (!written)
        row.CancelUpdate();
    return written;
}

bool CDovaneDatabase::DeleteColors(int type, int id)
{
    return ExecuteOwn(Format("DELETE * FROM [Colors] WHERE OBJECT_TYPE=%lld AND OBJECT_ID=%lld", type, id) + ";",
                      LOCK_OPTIMISTIC);
}

// ---- The template directory ------------------------------------------------------------------------

std::string CDovaneDatabase::ResolveTemplateDir()
{
    if (const char* forced = std::getenv("TAVRIN_TEMPLATE_DIR"); forced && *forced)
        return forced;
    const std::string setting = ReadTemplateDirSetting();
    if (!setting.empty())
        return setting;
    const std::string program = ProgramFolder();
    if (program.empty())
        return {};
    return QDir::cleanPath(QString::fromStdString(program + "/../share/tavrin/template")).toStdString();
}
