#pragma once

#include <cstdint>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

struct sqlite3;
struct sqlite3_stmt;

/// Every database failure: the SQLite result codes, the message and the SQL
/// that failed (empty when none).
class CDbException : public std::runtime_error
{
public:
    CDbException(int code, int extendedCode, const std::string& message, std::string sql = {});

    int Code() const { return m_code; }
    int ExtendedCode() const { return m_extendedCode; }
    const std::string& Sql() const { return m_sql; }

private:
    int m_code;
    int m_extendedCode;
    std::string m_sql;
};

/// `name` as an SQL identifier in double quotes, inner quotes doubled, so a
/// table name holding quotes or brackets cannot change a statement.
std::string QuoteName(std::string_view name);

class CDatabase;

/// One prepared statement; columns and parameters are 0-based.
class CStatement
{
public:
    CStatement(CDatabase& db, std::string sql);
    CStatement(CStatement&&) noexcept;
    CStatement& operator=(CStatement&&) noexcept;
    ~CStatement();

    void BindInt(int index, std::int64_t value);
    void BindDouble(int index, double value);
    void BindText(int index, std::string_view value);
    void BindNull(int index);

    /// True while a row is available.
    bool Step();
    void Reset();

    int ColumnCount() const;
    std::string ColumnName(int index) const;
    bool IsNull(int index) const;
    std::int64_t ColumnInt(int index) const;
    double ColumnDouble(int index) const;
    std::string ColumnText(int index) const;

    const std::string& Sql() const { return m_sql; }

private:
    [[noreturn]] void Fail(int rc) const;

    CDatabase* m_db;
    std::string m_sql;
    sqlite3_stmt* m_stmt = nullptr;
};

/// An open database file. Writes are durable: write-ahead log with full
/// synchronisation, so a committed change survives a crash or power loss.
class CDatabase
{
public:
    /// Opens an existing file; for reading only when this process may not
    /// write it or its folder. Refuses, without writing a byte, a file that
    /// is not an SQLite database or that holds another program's tables.
    static std::unique_ptr<CDatabase> OpenExisting(const std::string& path);
    /// Creates a new, empty database file; refuses to replace an existing one.
    static std::unique_ptr<CDatabase> Create(const std::string& path);

    ~CDatabase();
    CDatabase(const CDatabase&) = delete;
    CDatabase& operator=(const CDatabase&) = delete;

    void Execute(const std::string& sql);
    CStatement Prepare(std::string sql) { return CStatement(*this, std::move(sql)); }

    /// The key of the row the last INSERT on this connection added.
    std::int64_t LastInsertId() const;

    /// Names of all tables in the order the file lists them (creation order).
    std::vector<std::string> TableNames();
    /// Exact, case-sensitive comparison over all tables.
    bool TableExists(std::string_view name);

    const std::string& Path() const { return m_path; }
    sqlite3* Handle() const { return m_handle; }

    /// Throws CDbException for a failed SQLite result code.
    void Check(int rc, std::string_view sql = {}) const;

private:
    CDatabase(std::string path, sqlite3* handle);
    static std::unique_ptr<CDatabase> OpenFile(const std::string& path, int flags);
    static std::unique_ptr<CDatabase> OpenReadOnly(const std::string& path);
    void ApplyPragmas();

    std::string m_path;
    sqlite3* m_handle;
    bool m_bReadOnly = false;   ///< opened for reading only: Check names the read-only folder
};

/// Begins in its constructor; rolls back in its destructor unless committed.
class [[nodiscard]] CTransaction
{
public:
    explicit CTransaction(CDatabase& db);
    ~CTransaction() noexcept;
    CTransaction(const CTransaction&) = delete;
    CTransaction& operator=(const CTransaction&) = delete;

    void Commit();

private:
    CDatabase& m_db;
    bool m_done = false;
};
