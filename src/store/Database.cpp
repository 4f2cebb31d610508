#include "store/Database.h"

#include <sqlite3.h>

#include <unistd.h>

#include <array>
#include <cerrno>
#include <filesystem>
#include <cstring>
#include <fstream>
#include <sys/stat.h>

namespace {

constexpr std::string_view kSqliteMagic{"SQLite format 3\0", 16};

enum class EFileState { Missing, Empty, Sqlite, Other };

struct SFileProbe
{
    EFileState state = EFileState::Missing;
    std::string description;
};

std::string DescribeForeignFile(const std::array<char, 32>& head, std::streamsize got)
{
    const std::string_view bytes(head.data(), static_cast<size_t>(got));
    if (bytes.find("Standard Jet DB") != std::string_view::npos)
        return "an Access (Jet) database";
    if (bytes.find("Standard ACE DB") != std::string_view::npos)
        return "an Access (ACE) database";
    if (got < 16)
        return "a file too short to be a database";
    return "data that is not a Leanlog database (the file may be damaged)";
}

SFileProbe ProbeFile(const std::string& path)
{
    struct stat st{};
    if (::stat(path.c_str(), &st) != 0)
        return {};
    if (!S_ISREG(st.st_mode))
        return {EFileState::Other, "something that is not a regular file"};
    if (st.st_size == 0)
        return {EFileState::Empty, {}};
    std::ifstream in(path, std::ios::binary);
    if (!in && errno == EACCES)
        throw CDbException(SQLITE_PERM, SQLITE_PERM,
                           "Leanlog is not allowed to read the database file " + path +
                               " (permission denied). Check the file's permissions; the file itself was not changed.");
    if (!in)
        throw CDbException(SQLITE_CANTOPEN, SQLITE_CANTOPEN, "Cannot read the database file " + path + ".");
    std::array<char, 32> head{};
    in.read(head.data(), head.size());
    const std::streamsize got = in.gcount();
    if (got >= 16 && std::string_view(head.data(), 16) == kSqliteMagic)
        return {EFileState::Sqlite, {}};
    return {EFileState::Other, DescribeForeignFile(head, got)};
}

/// False when this process may not write the file or create the journal beside it.
bool CanWrite(const std::string& path)
{
    const std::string folder = std::filesystem::path(path).parent_path().string();
    return ::access(path.c_str(), W_OK) == 0 && ::access(folder.empty() ? "." : folder.c_str(), W_OK) == 0;
}

/// `path` as an SQLite file URI with `query`; the characters URIs reserve are escaped.
std::string FileUri(const std::string& path, const char* query)
{
    std::string uri = "file:";
    for (const char c : path) {
        if (c == '%' || c == '?' || c == '#')
            uri += c == '%' ? "%25" : c == '?' ? "%3f" : "%23";
        else
            uri += c;
    }
    return uri + "?" + query;
}

[[noreturn]] void RefuseForeign(const std::string& path, const std::string& what)
{
    throw CDbException(SQLITE_NOTADB, SQLITE_NOTADB,
                       "The file " + path + " holds " + what +
                           ". Leanlog left it unchanged; move it aside to start a new database there.");
}

} // namespace

CDbException::CDbException(int code, int extendedCode, const std::string& message, std::string sql)
    : std::runtime_error(message), m_code(code), m_extendedCode(extendedCode), m_sql(std::move(sql))
{
}

std::string QuoteName(std::string_view name)
{
    std::string out = "\"";
    for (char c : name) {
        out += c;
        if (c == '"')
            out += '"';
    }
    out += '"';
    return out;
}

// ---- CStatement

CStatement::CStatement(CDatabase& db, std::string sql) : m_db(&db), m_sql(std::move(sql))
{
    const int rc = sqlite3_prepare_v2(db.Handle(), m_sql.c_str(), static_cast<int>(m_sql.size()), &m_stmt, nullptr);
    if (rc != SQLITE_OK)
        Fail(rc);
}

CStatement::CStatement(CStatement&& other) noexcept
    : m_db(other.m_db), m_sql(std::move(other.m_sql)), m_stmt(other.m_stmt)
{
    other.m_stmt = nullptr;
}

CStatement& CStatement::operator=(CStatement&& other) noexcept
{
    if (this != &other) {
        sqlite3_finalize(m_stmt);
        m_db = other.m_db;
        m_sql = std::move(other.m_sql);
        m_stmt = other.m_stmt;
        other.m_stmt = nullptr;
    }
    return *this;
}

CStatement::~CStatement()
{
    sqlite3_finalize(m_stmt);
}

void CStatement::Fail(int rc) const
{
    m_db->Check(rc, m_sql);
    throw CDbException(rc, rc, "SQLite error", m_sql);
}

void CStatement::BindInt(int index, std::int64_t value)
{
    if (const int rc = sqlite3_bind_int64(m_stmt, index + 1, value); rc != SQLITE_OK)
        Fail(rc);
}

void CStatement::BindDouble(int index, double value)
{
    if (const int rc = sqlite3_bind_double(m_stmt, index + 1, value); rc != SQLITE_OK)
        Fail(rc);
}

void CStatement::BindText(int index, std::string_view value)
{
    const int rc = sqlite3_bind_text(m_stmt, index + 1, value.data(), static_cast<int>(value.size()), SQLITE_TRANSIENT);
    if (rc != SQLITE_OK)
        Fail(rc);
}

void CStatement::BindNull(int index)
{
    if (const int rc = sqlite3_bind_null(m_stmt, index + 1); rc != SQLITE_OK)
        Fail(rc);
}

bool CStatement::Step()
{
    const int rc = sqlite3_step(m_stmt);
    if (rc == SQLITE_ROW)
        return true;
    if (rc == SQLITE_DONE)
        return false;
    Fail(rc);
}

void CStatement::Reset()
{
    sqlite3_reset(m_stmt);
    sqlite3_clear_bindings(m_stmt);
}

int CStatement::ColumnCount() const
{
    return sqlite3_column_count(m_stmt);
}

std::string CStatement::ColumnName(int index) const
{
    const char* name = sqlite3_column_name(m_stmt, index);
    return name ? name : "";
}

bool CStatement::IsNull(int index) const
{
    return sqlite3_column_type(m_stmt, index) == SQLITE_NULL;
}

std::int64_t CStatement::ColumnInt(int index) const
{
    return sqlite3_column_int64(m_stmt, index);
}

double CStatement::ColumnDouble(int index) const
{
    return sqlite3_column_double(m_stmt, index);
}

std::string CStatement::ColumnText(int index) const
{
    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(m_stmt, index));
    if (!text)
        return {};
    return std::string(text, static_cast<size_t>(sqlite3_column_bytes(m_stmt, index)));
}

// ---- CDatabase

CDatabase::CDatabase(std::string path, sqlite3* handle) : m_path(std::move(path)), m_handle(handle) {}

CDatabase::~CDatabase()
{
    sqlite3_close_v2(m_handle);
}

void CDatabase::Check(int rc, std::string_view sql) const
{
    if (rc == SQLITE_OK || rc == SQLITE_ROW || rc == SQLITE_DONE)
        return;
    std::string message = sqlite3_errmsg(m_handle);
    if (rc == SQLITE_FULL)
        message = "The disk is full: " + message;
    if ((rc & 0xFF) == SQLITE_READONLY || (m_bReadOnly && rc == SQLITE_PERM))
        message = "the data folder " + std::filesystem::path(m_path).parent_path().string() +
                  " is read-only, so changes cannot be saved. Your data is shown as it is.";
    throw CDbException(rc & 0xFF, sqlite3_extended_errcode(m_handle),
                       "Database " + m_path + ": " + message, std::string(sql));
}

std::unique_ptr<CDatabase> CDatabase::OpenFile(const std::string& path, int flags)
{
    sqlite3* handle = nullptr;
    const int rc = sqlite3_open_v2(path.c_str(), &handle, flags | SQLITE_OPEN_FULLMUTEX, nullptr);
    if (rc != SQLITE_OK) {
        const std::string message = handle ? sqlite3_errmsg(handle) : sqlite3_errstr(rc);
        sqlite3_close_v2(handle);
        throw CDbException(rc & 0xFF, rc, "Cannot open the database " + path + ": " + message);
    }
    sqlite3_extended_result_codes(handle, 1);
    return std::unique_ptr<CDatabase>(new CDatabase(path, handle));
}

std::unique_ptr<CDatabase> CDatabase::OpenExisting(const std::string& path)
{
    const SFileProbe probe = ProbeFile(path);
    if (probe.state == EFileState::Missing)
        throw CDbException(SQLITE_CANTOPEN, SQLITE_CANTOPEN, "The database " + path + " does not exist.");
    if (probe.state == EFileState::Other)
        RefuseForeign(path, probe.description);
    const bool writable = CanWrite(path);
    auto db = writable ? OpenFile(path, SQLITE_OPEN_READWRITE) : OpenReadOnly(path);
    // Reading the table list before any write proves the header is sound.
    std::vector<std::string> tables;
    try {
        tables = db->TableNames();
    } catch (const CDbException&) {
        RefuseForeign(path, "a damaged or unreadable SQLite database");
    }
    bool ours = tables.empty();
    for (const auto& name : tables)
        ours = ours || name.rfind("LnLg_", 0) == 0;
    if (!ours)
        RefuseForeign(path, "another program's SQLite database");
    if (writable)
        db->ApplyPragmas();
    return db;
}

std::unique_ptr<CDatabase> CDatabase::OpenReadOnly(const std::string& path)
{
    // A journal-mode database in a folder we may not write opens only when
    // its shared-memory file exists; otherwise it is read as immutable.
    constexpr int flags = SQLITE_OPEN_READONLY | SQLITE_OPEN_URI;
    auto db = OpenFile(FileUri(path, "mode=ro"), flags);
    try {
        db->TableNames();
    } catch (const CDbException&) {
        db = OpenFile(FileUri(path, "mode=ro&immutable=1"), flags);
    }
    db->m_path = path;
    db->m_bReadOnly = true;
    sqlite3_busy_timeout(db->m_handle, 5000);
    return db;
}

std::unique_ptr<CDatabase> CDatabase::Create(const std::string& path)
{
    const SFileProbe probe = ProbeFile(path);
    if (probe.state == EFileState::Other)
        RefuseForeign(path, probe.description);
    if (probe.state == EFileState::Sqlite)
        throw CDbException(SQLITE_CANTOPEN, SQLITE_CANTOPEN, "The database " + path + " exists already.");
    auto db = OpenFile(path, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE);
    db->ApplyPragmas();
    return db;
}

void CDatabase::ApplyPragmas()
{
    sqlite3_busy_timeout(m_handle, 5000);
    Execute("PRAGMA journal_mode=WAL");
    Execute("PRAGMA synchronous=FULL");
}

void CDatabase::Execute(const std::string& sql)
{
    char* error = nullptr;
    const int rc = sqlite3_exec(m_handle, sql.c_str(), nullptr, nullptr, &error);
    sqlite3_free(error);
    Check(rc, sql);
}

std::int64_t CDatabase::LastInsertId() const
{
    return sqlite3_last_insert_rowid(m_handle);
}

std::vector<std::string> CDatabase::TableNames()
{
    CStatement st = Prepare("SELECT name FROM sqlite_master WHERE type='table' ORDER BY rowid");
    std::vector<std::string> names;
    while (st.Step()) {
        std::string name = st.ColumnText(0);
        if (name.rfind("sqlite_", 0) != 0)
            names.push_back(std::move(name));
    }
    return names;
}

bool CDatabase::TableExists(std::string_view name)
{
    for (const auto& table : TableNames())
        if (table == name)
            return true;
    return false;
}

// ---- CTransaction

CTransaction::CTransaction(CDatabase& db) : m_db(db)
{
    m_db.Execute("BEGIN IMMEDIATE");
}

CTransaction::~CTransaction() noexcept
{
    if (!m_done)
        sqlite3_exec(m_db.Handle(), "ROLLBACK", nullptr, nullptr, nullptr);
}

void CTransaction::Commit()
{
    m_db.Execute("COMMIT");
    m_done = true;
}
