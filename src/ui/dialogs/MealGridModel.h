#pragma once

#include <wx/dataview.h>

class CDayEntry;

/// The Day Info grid's rows, read on demand from the day entry: four
/// columns, the check-box image in a meal header's "Supplements" cell.
/// UI thread only.
class CMealGridModel : public wxDataViewVirtualListModel
{
public:
    explicit CMealGridModel(const CDayEntry& entry);

    unsigned GetColumnCount() const override { return 4; }
    wxString GetColumnType(unsigned column) const override;
    void GetValueByRow(wxVariant& value, unsigned row, unsigned column) const override;
    bool SetValueByRow(const wxVariant&, unsigned, unsigned) override { return false; }

private:
    const CDayEntry& m_entry;
};

/// The "Item" column: an image beside the text, and a click on it reported
/// through `onClick` with the row (the supplement cells toggle on it).
class CSupplementRenderer : public wxDataViewCustomRenderer
{
public:
    explicit CSupplementRenderer(std::function<bool(unsigned row)> onClick);

    bool SetValue(const wxVariant& value) override;
    bool GetValue(wxVariant& value) const override;
    wxSize GetSize() const override;
    bool Render(wxRect cell, wxDC* dc, int state) override;
    bool ActivateCell(const wxRect& cell, wxDataViewModel* model, const wxDataViewItem& item, unsigned column,
                      const wxMouseEvent* mouseEvent) override;

private:
    std::function<bool(unsigned)> m_onClick;
    wxDataViewIconText m_value;
};
