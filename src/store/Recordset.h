#pragma once

#include "store/Database.h"
#include "base/DateTime.h"
#include "store/Schema.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

/// Moves a recordset's bound members to and from the current row or the
/// parameters of a write, in the recordset's exchange order.
class CFieldExchange
{
public:
    enum class EOperation { Collect, Load, Store };

    CFieldExchange(EOperation operation, CStatement* statement, const std::vector<int>* columnIndex = nullptr,
                   std::span<const SColumnDef> tableColumns = {});

    void Long(std::string_view column, std::int32_t& value);
    void Double(std::string_view column, double& value);
    void Bool(std::string_view column, bool& value);
    void DateTime(std::string_view column, CDateTime& value);
    void Text(std::string_view column, std::string& value);

    const std::vector<std::string>& Columns() const { return m_columns; }

private:
    /// The statement column (Load) or parameter (Store) of the next field;
    /// -1 when there is none: while collecting, and for the key on a write.
    int Next(std::string_view column);
    void CheckTextSize(std::string_view column, const std::string& value) const;

    EOperation m_operation;
    CStatement* m_statement;
    const std::vector<int>* m_columnIndex;
    std::span<const SColumnDef> m_tableColumns;
    std::vector<std::string> m_columns;
    int m_field = 0;
};

/// A table or query opened on the shared database, read row by row, or
/// changed through Edit/AddNew and Update. Used in short sequences and
/// never kept open between operations.
class CRecordset
{
public:
    enum EOpenType { dbOpenTable = 1, dbOpenDynaset = 2 };

    explicit CRecordset(CDatabase& db) : m_db(db) {}
    virtual ~CRecordset() = default;
    CRecordset(const CRecordset&) = delete;
    CRecordset& operator=(const CRecordset&) = delete;

    /// An empty `sql` opens GetDefaultSQL(); a bracketed table name opens
    /// the whole table in key order.
    void Open(int openType = dbOpenTable, const std::string& sql = {});
    bool IsEOF() const { return m_eof; }
    void MoveNext();
    /// Prepares a new row: the bound members take their initial values.
    void AddNew();
    /// Prepares a change of the current row.
    void Edit();
    /// Writes the new or changed row. The key column is never written.
    void Update();
    void Close();

    virtual std::string GetDefaultSQL() const = 0;

protected:
    virtual void DoFieldExchange(CFieldExchange& fx) = 0;
    virtual std::string TableName() const = 0;
    virtual std::span<const SColumnDef> Columns() const = 0;
    /// Sets every bound member to its initial value.
    virtual void ResetFields() = 0;

private:
    enum class EEditMode { None, AddNew, Edit };

    void LoadRow();
    std::string WriteSql(const std::vector<std::string>& columns) const;

    CDatabase& m_db;
    std::optional<CStatement> m_query;
    /// The last write, kept prepared: a run of AddNew/Update pairs (the food
    /// table update adds thousands) then parses its SQL once.
    std::optional<CStatement> m_write;
    EEditMode m_writeMode = EEditMode::None;   ///< what m_write does: add or change a row
    std::vector<std::string> m_boundColumns;   ///< DoFieldExchange's columns, collected once
    std::vector<int> m_columnIndex;
    bool m_eof = true;
    int m_idColumn = -1;
    std::int64_t m_currentId = 0;
    EEditMode m_editMode = EEditMode::None;
};

/// "SELECT * FROM <table> WHERE ID=<id>" with the table name quoted.
std::string SelectByIdSql(std::string_view table, int id);
/// "SELECT * FROM <table> ORDER BY ID DESC": the newest row first.
std::string SelectNewestFirstSql(std::string_view table);
