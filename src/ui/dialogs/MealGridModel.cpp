#include "ui/dialogs/MealGridModel.h"

#include "entry/DayEntry.h"
#include "ui/controls/CheckBoxImages.h"
#include "ui/controls/WxText.h"

#include <wx/dc.h>

CMealGridModel::CMealGridModel(const CDayEntry& entry)
    : wxDataViewVirtualListModel(static_cast<unsigned>(entry.m_nRows)), m_entry(entry)
{
}

wxString CMealGridModel::GetColumnType(unsigned column) const
{
    return column == kSupplementColumn ? "wxDataViewIconText" : "string";
}

void CMealGridModel::GetValueByRow(wxVariant& value, unsigned row, unsigned column) const
{
    const SGridCell cell = m_entry.Cell(static_cast<int>(row), static_cast<int>(column));
    if (column == kSupplementColumn)
        value << wxDataViewIconText(ToWx(cell.text), cell.image >= 0 ? CheckBoxImage(cell.image) : wxBitmapBundle());
    else
        value = ToWx(cell.text);
}

CSupplementRenderer::CSupplementRenderer(std::function<bool(unsigned)> onClick)
    : wxDataViewCustomRenderer("wxDataViewIconText", wxDATAVIEW_CELL_ACTIVATABLE), m_onClick(std::move(onClick))
{
}

bool CSupplementRenderer::SetValue(const wxVariant& value)
{
    m_value << value;
    return true;
}

bool CSupplementRenderer::GetValue(wxVariant& value) const
{
    value << m_value;
    return true;
}

wxSize CSupplementRenderer::GetSize() const
{
    wxSize size = GetTextExtent(m_value.GetText());
    if (m_value.GetBitmapBundle().IsOk())
        size.x += 20;
    size.IncTo(wxSize(16, 16));
    return size;
}

bool CSupplementRenderer::Render(wxRect cell, wxDC* dc, int state)
{
    int x = 0;
    const wxBitmapBundle& image = m_value.GetBitmapBundle();
    if (image.IsOk()) {
        const wxBitmap bitmap = image.GetBitmap(wxSize(16, 16));
        dc->DrawBitmap(bitmap, cell.x, cell.y + (cell.height - bitmap.GetHeight()) / 2, true);
        x = 20;
    }
    RenderText(m_value.GetText(), x, cell, dc, state);
    return true;
}

bool CSupplementRenderer::ActivateCell(const wxRect&, wxDataViewModel* model, const wxDataViewItem& item, unsigned,
                                       const wxMouseEvent* mouseEvent)
{
    // A click, or the space bar on the row: both tick a header row's supplements.
    (void)mouseEvent;
    auto* list = static_cast<wxDataViewListModel*>(model);
    return m_onClick(list->GetRow(item));
}
