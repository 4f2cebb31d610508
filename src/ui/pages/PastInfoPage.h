#pragma once

#include <wx/dataview.h>
#include <wx/panel.h>

class CLeanlogApp;

/// The Past Info list's rows, read on demand from the day list: odd rows
/// cyan, the selected row white on navy. UI thread only.
class CPastDaysModel : public wxDataViewVirtualListModel
{
public:
    explicit CPastDaysModel(const CLeanlogApp& app);

    unsigned GetColumnCount() const override { return 4; }
    wxString GetColumnType(unsigned) const override { return "string"; }
    void GetValueByRow(wxVariant& value, unsigned row, unsigned column) const override;
    bool SetValueByRow(const wxVariant&, unsigned, unsigned) override { return false; }
    bool GetAttrByRow(unsigned row, unsigned column, wxDataViewItemAttr& attr) const override;

    void SetSelectedRow(int row) { m_nSelected = row; }

private:
    const CLeanlogApp& m_app;
    int m_nSelected = -1;
};

/// Tab 1, "Past Info": every day of the current diet with its weight,
/// carbs and steps; a double-click opens the day in Day Info. UI thread only.
class CPastInfoPage : public wxPanel
{
public:
    CPastInfoPage(wxWindow* parent, CLeanlogApp& app);

    /// Rebuilds the list from the day list (its tab was selected).
    void Refill();
    /// Day Info on row `row`, as a double-click does; the row is redrawn after.
    void EditRow(int row);

    wxDataViewCtrl* List() const { return m_pList; }
    CPastDaysModel* Model() const { return m_pModel; }

private:
    void OnSelectionChanged();

    CLeanlogApp& m_app;
    wxDataViewCtrl* m_pList = nullptr;
    CPastDaysModel* m_pModel = nullptr;   ///< reference held by the list
    int m_nSelected = -1;
};

inline const wxColour kPastInfoOddRow(0, 255, 255);
inline const wxColour kPastInfoSelectedRow(0, 0, 127);
