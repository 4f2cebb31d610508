#pragma once

#include "store/DailyInfo.h"
#include "store/Recordset.h"

/// A diet's daily table; set m_strTableName before Open.
class CDailyInfoRS : public CRecordset
{
public:
    explicit CDailyInfoRS(CDatabase& db) : CRecordset(db) {}

    /// Every bound member from the day except the key.
    void CopyToRecordset(const CDailyInfo& day);

    std::string GetDefaultSQL() const override { return "[" + m_strTableName + "]"; }

    SDailyRecord m_rec;            ///< the bound members
    std::string m_strTableName;    ///< not bound: the table to read

protected:
    void DoFieldExchange(CFieldExchange& fx) override;
    std::string TableName() const override { return m_strTableName; }
    std::span<const SColumnDef> Columns() const override { return DailyColumns(); }
    void ResetFields() override { m_rec = SDailyRecord(); }
};
