#include "app/DataBackup.h"

#include "app/LeanlogApp.h"
#include "base/FileText.h"
#include "store/DatabaseBackup.h"
#include "store/PreferencesRS.h"
#include "store/Schema.h"

#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <stdexcept>

namespace {

constexpr const char* kBackupTable = "LnLg_Backup";
constexpr const char* kBackupFormat = "leanlog-backup-1";

/// A fresh, empty file beside `path` for a write that ends in a rename.
std::string TemporaryBeside(const std::string& path)
{
    std::string temp = path + ".XXXXXX";
    const int fd = ::mkstemp(temp.data());
    if (fd < 0)
        throw std::runtime_error("Cannot write beside " + path + ".");
    ::close(fd);
    return temp;
}

/// Removes the file when the scope ends unless released.
struct STempFile
{
    std::string path;
    ~STempFile()
    {
        if (!path.empty())
            std::remove(path.c_str());
    }
};

void WriteBackupTable(CDatabase& db, const std::string& settings)
{
    db.Execute(std::string("CREATE TABLE ") + kBackupTable + " (Name TEXT PRIMARY KEY, Value TEXT)");
    CStatement insert = db.Prepare(std::string("INSERT INTO ") + kBackupTable + " VALUES (?, ?)");
    for (const auto& [name, value] : {std::pair<std::string, std::string>{"format", kBackupFormat},
                                      {"created", CDateTime::Now().Format("%Y-%m-%d %H:%M:%S")},
                                      {"settings", settings}}) {
        insert.BindText(0, name);
        insert.BindText(1, value);
        insert.Step();
        insert.Reset();
    }
}

std::string BackupValue(CDatabase& db, const std::string& name)
{
    CStatement select = db.Prepare(std::string("SELECT Value FROM ") + kBackupTable + " WHERE Name = ?");
    select.BindText(0, name);
    return select.Step() ? select.ColumnText(0) : std::string();
}

/// Why the copy is not a complete Leanlog backup; empty when it is.
std::string BackupProblem(CDatabase& db)
{
    CStatement check = db.Prepare("PRAGMA integrity_check");
    if (!check.Step() || check.ColumnText(0) != "ok")
        return "the file is damaged";
    if (!db.TableExists(kBackupTable) || BackupValue(db, "format") != kBackupFormat)
        return "it was not written by Back Up Data";
    if (!db.TableExists(kPrefsTable))
        return "it holds no preferences";
    CStatement prefs = db.Prepare("SELECT DietFilename FROM LnLg_Prefs");
    if (!prefs.Step() || !db.TableExists(prefs.ColumnText(0)))
        return "it holds no current diet";
    return {};
}

} // namespace

void BackUpData(CLeanlogApp& app, const std::string& target)
{
    if (!app.m_db)
        throw std::runtime_error("There is no data to back up yet.");
    STempFile temp{TemporaryBeside(target)};
    CopyDatabaseTo(*app.m_db, temp.path);
    {
        auto copy = CDatabase::OpenExisting(temp.path);
        WriteBackupTable(*copy, ReadWholeFile(app.Folder().SettingsFile()).value_or(""));
        copy->Execute("PRAGMA journal_mode=DELETE");
    }
    std::filesystem::rename(temp.path, target);
    temp.path.clear();
}

std::string KeepCurrentData(CLeanlogApp& app)
{
    const std::string folder = app.Folder().path + "/Backups";
    std::filesystem::create_directories(folder);
    const std::string keep = folder + "/before-restore-" + CDateTime::Now().Format("%Y-%m-%d-%H%M%S") + ".leanlog";
    BackUpData(app, keep);
    return keep;
}

void RestoreData(const CDataFolder& folder, const std::string& source, const std::function<void()>& keepCurrent)
{
    const std::string database = folder.path + "/RiRedo.mdb";
    // The checks run on a copy in the folder, so the file cannot change between check and use.
    STempFile temp{TemporaryBeside(database)};
    std::error_code ec;
    std::filesystem::copy_file(source, temp.path, std::filesystem::copy_options::overwrite_existing, ec);
    if (ec)
        throw std::runtime_error("Cannot read " + source + ": " + ec.message() + ". Nothing was changed.");
    std::string settings;
    try {
        auto copy = CDatabase::OpenExisting(temp.path);
        if (const std::string problem = BackupProblem(*copy); !problem.empty())
            throw std::runtime_error(problem);
        settings = BackupValue(*copy, "settings");
        copy->Execute(std::string("DROP TABLE ") + kBackupTable);
        copy->Execute("PRAGMA journal_mode=DELETE");
    } catch (const CDbException&) {
        throw std::runtime_error(source + " is not a Leanlog backup (it is not a Leanlog database). Nothing was changed.");
    } catch (const std::exception& e) {
        throw std::runtime_error(source + " is not a Leanlog backup (" + e.what() + "). Nothing was changed.");
    }
    keepCurrent();
    for (const char* journal : {"-wal", "-shm"})
        std::filesystem::remove(database + journal, ec);
    std::filesystem::rename(temp.path, database);
    temp.path.clear();
    if (!settings.empty())
        WriteFileAtomically(folder.SettingsFile(), settings);
}
