#include "store/DatabaseBackup.h"

#include "store/Database.h"

#include <sqlite3.h>

void CopyDatabaseTo(CDatabase& db, const std::string& target)
{
    auto copy = CDatabase::Create(target);
    sqlite3_backup* backup = sqlite3_backup_init(copy->Handle(), "main", db.Handle(), "main");
    if (!backup)
        throw CDbException(sqlite3_errcode(copy->Handle()), sqlite3_extended_errcode(copy->Handle()),
                           "Cannot copy the database " + db.Path() + ": " + sqlite3_errmsg(copy->Handle()));
    int rc = SQLITE_OK;
    do {
        rc = sqlite3_backup_step(backup, -1);
        if (rc == SQLITE_BUSY || rc == SQLITE_LOCKED)
            sqlite3_sleep(50);
    } while (rc == SQLITE_OK || rc == SQLITE_BUSY || rc == SQLITE_LOCKED);
    sqlite3_backup_finish(backup);
    if (rc != SQLITE_DONE)
        copy->Check(rc, "backup");
    copy->Execute("PRAGMA journal_mode=DELETE");
}
