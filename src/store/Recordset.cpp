#include "store/Recordset.h"

#include "base/Utf8.h"

#include <sqlite3.h>

#include <cmath>
#include <strings.h>

namespace {

bool IsBracketedName(const std::string& sql)
{
    return sql.size() >= 2 && sql.front() == '[' && sql.back() == ']';
}

} // namespace

// ---- CFieldExchange

CFieldExchange::CFieldExchange(EOperation operation, CStatement* statement, const std::vector<int>* columnIndex,
                               std::span<const SColumnDef> tableColumns)
    : m_operation(operation), m_statement(statement), m_columnIndex(columnIndex), m_tableColumns(tableColumns)
{
}

int CFieldExchange::Next(std::string_view column)
{
    const int field = m_field++;
    switch (m_operation) {
    case EOperation::Collect:
        m_columns.emplace_back(column);
        return -1;
    case EOperation::Store:
        return field - 1; // every exchange starts with the key, which is never written
    case EOperation::Load:
        break;
    }
    return (*m_columnIndex)[static_cast<size_t>(field)];
}

void CFieldExchange::CheckTextSize(std::string_view column, const std::string& value) const
{
    const SColumnDef* def = FindColumn(m_tableColumns, column);
    if (!def || def->kind != EColumnKind::Text)
        return;
    const size_t length = CharacterCount(value);
    if (length > static_cast<size_t>(def->size))
        throw CDbException(SQLITE_TOOBIG, SQLITE_CONSTRAINT_CHECK,
                           "The text for " + std::string(column) + " is " + std::to_string(length) +
                               " characters long; at most " + std::to_string(def->size) + " fit. Nothing was saved.");
}

void CFieldExchange::Long(std::string_view column, std::int32_t& value)
{
    const int slot = Next(column);
    if (m_operation == EOperation::Load)
        value = static_cast<std::int32_t>(m_statement->ColumnInt(slot));
    else if (slot >= 0)
        m_statement->BindInt(slot, value);
}

void CFieldExchange::Double(std::string_view column, double& value)
{
    const int slot = Next(column);
    if (m_operation == EOperation::Load) {
        value = m_statement->ColumnDouble(slot);
        return;
    }
    if (slot < 0)
        return;
    // A whole-number column bound to a double (the day's weight) keeps whole pounds.
    const SColumnDef* def = FindColumn(m_tableColumns, column);
    if (def && def->kind == EColumnKind::Long)
        m_statement->BindInt(slot, static_cast<std::int64_t>(std::trunc(value)));
    else
        m_statement->BindDouble(slot, value);
}

void CFieldExchange::Bool(std::string_view column, bool& value)
{
    const int slot = Next(column);
    if (m_operation == EOperation::Load)
        value = m_statement->ColumnInt(slot) != 0;
    else if (slot >= 0)
        m_statement->BindInt(slot, value ? 1 : 0);
}

void CFieldExchange::DateTime(std::string_view column, CDateTime& value)
{
    const int slot = Next(column);
    if (m_operation == EOperation::Load) {
        const auto parsed = CDateTime::ParseStorageText(m_statement->ColumnText(slot));
        value = parsed.value_or(CDateTime());
    } else if (slot >= 0) {
        m_statement->BindText(slot, value.StorageText());
    }
}

void CFieldExchange::Text(std::string_view column, std::string& value)
{
    const int slot = Next(column);
    if (m_operation == EOperation::Load) {
        value = m_statement->ColumnText(slot);
    } else if (slot >= 0) {
        CheckTextSize(column, value);
        m_statement->BindText(slot, value);
    }
}

// ---- CRecordset

void CRecordset::Open(int /*openType*/, const std::string& sql)
{
    Close();
    std::string text = sql.empty() ? GetDefaultSQL() : sql;
    if (IsBracketedName(text))
        text = "SELECT * FROM " + QuoteName(std::string_view(text).substr(1, text.size() - 2));
    CStatement query(m_db, text);

    CFieldExchange collect(CFieldExchange::EOperation::Collect, nullptr);
    DoFieldExchange(collect);
    std::vector<int> index;
    for (const auto& column : collect.Columns()) {
        int found = -1;
        for (int i = 0; i < query.ColumnCount() && found < 0; ++i)
            if (strcasecmp(query.ColumnName(i).c_str(), column.c_str()) == 0)
                found = i;
        if (found < 0)
            throw CDbException(SQLITE_ERROR, SQLITE_ERROR,
                               "Database " + m_db.Path() + ": column " + column + " is missing from " + TableName(), text);
        index.push_back(found);
    }
    m_idColumn = -1;
    for (int i = 0; i < query.ColumnCount() && m_idColumn < 0; ++i)
        if (strcasecmp(query.ColumnName(i).c_str(), "ID") == 0)
            m_idColumn = i;

    m_columnIndex = std::move(index);
    m_query.emplace(std::move(query));
    m_editMode = EEditMode::None;
    MoveNext();
}

void CRecordset::MoveNext()
{
    if (!m_query)
        return;
    m_eof = !m_query->Step();
    if (!m_eof)
        LoadRow();
}

void CRecordset::LoadRow()
{
    CFieldExchange load(CFieldExchange::EOperation::Load, &*m_query, &m_columnIndex);
    DoFieldExchange(load);
    m_currentId = m_idColumn >= 0 ? m_query->ColumnInt(m_idColumn) : 0;
}

void CRecordset::AddNew()
{
    ResetFields();
    m_editMode = EEditMode::AddNew;
}

void CRecordset::Edit()
{
    if (!m_query || m_eof)
        throw CDbException(SQLITE_MISUSE, SQLITE_MISUSE, "Database " + m_db.Path() + ": no current record to edit in " + TableName());
    m_editMode = EEditMode::Edit;
}

std::string CRecordset::WriteSql(const std::vector<std::string>& columns) const
{
    if (m_editMode == EEditMode::AddNew) {
        std::string names, values;
        for (size_t i = 1; i < columns.size(); ++i) {
            names += (i > 1 ? ", " : "") + QuoteName(columns[i]);
            values += i > 1 ? ", ?" : "?";
        }
        return "INSERT INTO " + QuoteName(TableName()) + " (" + names + ") VALUES (" + values + ")";
    }
    std::string assignments;
    for (size_t i = 1; i < columns.size(); ++i)
        assignments += (i > 1 ? ", " : "") + QuoteName(columns[i]) + " = ?";
    return "UPDATE " + QuoteName(TableName()) + " SET " + assignments + " WHERE \"ID\" = ?";
}

void CRecordset::Update()
{
    if (m_editMode == EEditMode::None)
        throw CDbException(SQLITE_MISUSE, SQLITE_MISUSE, "Database " + m_db.Path() + ": Update without AddNew or Edit on " + TableName());
    if (m_boundColumns.empty()) {
        CFieldExchange collect(CFieldExchange::EOperation::Collect, nullptr);
        DoFieldExchange(collect);
        m_boundColumns = collect.Columns();
    }
    if (m_write && m_writeMode == m_editMode) {
        m_write->Reset();
    } else {
        m_write.emplace(m_db, WriteSql(m_boundColumns));
        m_writeMode = m_editMode;
    }
    CFieldExchange store(CFieldExchange::EOperation::Store, &*m_write, nullptr, Columns());
    DoFieldExchange(store);
    if (m_editMode == EEditMode::Edit)
        m_write->BindInt(static_cast<int>(m_boundColumns.size()) - 1, m_currentId);
    m_write->Step();
    m_editMode = EEditMode::None;
}

void CRecordset::Close()
{
    m_query.reset();
    m_write.reset();
    m_columnIndex.clear();
    m_eof = true;
    m_currentId = 0;
    m_editMode = EEditMode::None;
}

std::string SelectByIdSql(std::string_view table, int id)
{
    return "SELECT * FROM " + QuoteName(table) + " WHERE ID=" + std::to_string(id);
}

std::string SelectNewestFirstSql(std::string_view table)
{
    return "SELECT * FROM " + QuoteName(table) + " ORDER BY ID DESC";
}
