#pragma once

#include "harness/WindowTest.h"

#include <wx/dataview.h>
#include <wx/dialog.h>
#include <wx/srchctrl.h>
#include <wx/textctrl.h>
#include <wx/uiaction.h>

#include <functional>
#include <string>
#include <vector>

/// Answers a modal dialog as a user would: shows it, runs `act` (real
/// clicks and keys), waits until a button closed it and returns its code.
template <class T>
CExpectDialog<T> Drive(std::function<void(T*)> act)
{
    return CExpectDialog<T>([act](T* dialog) {
        // A dialog that is not modal hides on OK or Cancel without keeping
        // the code: remember the last button that was pressed.
        int pressed = wxID_CANCEL;
        dialog->Bind(wxEVT_BUTTON, [&pressed](wxCommandEvent& event) {
            pressed = event.GetId();
            event.Skip();
        });
        dialog->Show();
        Pump(std::chrono::milliseconds(150));
        act(dialog);
        const bool closed = WaitUntil([dialog] { return !dialog->IsShown(); }, std::chrono::seconds(5));
        EXPECT_TRUE(closed) << "the dialog stayed open";
        if (!closed)
            dialog->Hide();
        return closed ? pressed : wxID_CANCEL;
    });
}

/// A real click in the middle of `window`, then time for what it opens.
inline void ClickAndWait(wxWindow* window)
{
    ClickCentre(window);
    Pump(std::chrono::milliseconds(300));
}

/// Clicks into `field` (a text or search field), selects its text with Ctrl+A and types `text` over it.
inline void TypeInto(wxWindow* field, const std::string& text)
{
    ClickCentre(field);
    WaitUntil([field] { return wxWindow::FindFocus() == field; }, std::chrono::seconds(2));
    wxUIActionSimulator simulator;
    simulator.Char('a', wxMOD_CONTROL);
    Pump(std::chrono::milliseconds(50));
    simulator.Text(text.c_str());
    Pump(std::chrono::milliseconds(150));
}

/// A real key press (Return, Escape, ...) on the focused window.
inline void PressKey(int key)
{
    wxUIActionSimulator simulator;
    simulator.Char(key);
    Pump(std::chrono::milliseconds(200));
}

/// The middle of a cell of a data view, in the view's client pixels.
inline wxPoint CellCentre(wxDataViewCtrl* view, const wxDataViewItem& item, unsigned column)
{
    view->EnsureVisible(item);
    Pump(std::chrono::milliseconds(50));
    const wxRect rect = view->GetItemRect(item, view->GetColumn(column));
    return wxPoint(rect.x + rect.width / 2, rect.y + rect.height / 2);
}

/// A real double click on a cell.
inline void DoubleClickCell(wxDataViewCtrl* view, const wxDataViewItem& item, unsigned column = 0)
{
    MoveMouseTo(view, CellCentre(view, item, column));
    wxUIActionSimulator simulator;
    simulator.MouseDblClick();
    Pump(std::chrono::milliseconds(150));
}

/// Shows `item` of a tree (expanding its parents) and selects it with a real click.
inline void ClickTreeItem(wxDataViewCtrl* view, const wxDataViewItem& item)
{
    std::vector<wxDataViewItem> parents;
    for (wxDataViewItem p = view->GetModel()->GetParent(item); p.IsOk(); p = view->GetModel()->GetParent(p))
        parents.insert(parents.begin(), p);
    for (const auto& parent : parents)
        view->Expand(parent);
    Pump(std::chrono::milliseconds(200));
    ClickAt(view, CellCentre(view, item, 0));
    WaitUntil([&] { return view->GetSelection() == item; }, std::chrono::seconds(2));
}

/// Selects row `row` of a list with a real click.
inline void ClickListRow(wxDataViewCtrl* view, unsigned row)
{
    const wxDataViewItem item = static_cast<wxDataViewVirtualListModel*>(view->GetModel())->GetItem(row);
    ClickAt(view, CellCentre(view, item, 0));
    WaitUntil([&] { return view->GetSelection() == item; }, std::chrono::seconds(2));
}

/// The text of a cell of a list model (an image's text for image cells).
inline std::string CellText(wxDataViewCtrl* view, unsigned row, unsigned column)
{
    auto* model = static_cast<wxDataViewVirtualListModel*>(view->GetModel());
    wxVariant value;
    model->GetValueByRow(value, row, column);
    if (value.GetType() != "wxDataViewIconText")
        return value.GetString().utf8_string();
    wxDataViewIconText text;
    text << value;
    return text.GetText().utf8_string();
}
