#pragma once

#include "store/Recordset.h"

/// LnLg_Prefs: the single preferences row.
class CPreferencesRS : public CRecordset
{
public:
    explicit CPreferencesRS(CDatabase& db) : CRecordset(db) {}

    std::string GetDefaultSQL() const override { return "[LnLg_Prefs]"; }

    std::int32_t m_ID = 0;
    std::int32_t m_PalmID = 0;
    std::int32_t m_wAttribs = 0;
    std::string m_DietFilename;
    std::int32_t m_GoalWeight = 0;

protected:
    void DoFieldExchange(CFieldExchange& fx) override;
    std::string TableName() const override { return std::string(kPrefsTable); }
    std::span<const SColumnDef> Columns() const override { return PrefsColumns(); }
    void ResetFields() override;
};
