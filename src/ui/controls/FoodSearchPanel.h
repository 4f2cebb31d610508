#pragma once

#include "entry/FoodFinder.h"

#include <wx/panel.h>

#include <functional>

class CFoodItem;
class CFoodResultsModel;
class wxDataViewCtrl;
class wxSearchCtrl;
class wxStaticText;

/// What a food chooser does when its search moves on. Empty members are not called.
struct SFoodSearchHandlers
{
    std::function<void()> started;                  ///< the results took the tree's place
    std::function<void()> ended;                    ///< the tree is back
    std::function<void(CFoodItem&)> chosen;         ///< a result row was selected
    std::function<void(CFoodItem&)> activated;      ///< a result row was double-clicked
};

/// The "Search foods" field above a food tree. While the field holds text
/// a list of the results stands in for the tree; Escape (in the field or
/// the list) or clearing the field gives the tree back untouched. The
/// owner makes its tree a child of this panel and hands it to SetTree.
/// UI thread only.
class CFoodSearchPanel : public wxPanel
{
public:
    CFoodSearchPanel(wxWindow* parent, const CFoodSearch& search, SFoodSearchHandlers handlers);
    ~CFoodSearchPanel() override;

    /// Puts `tree` (a child of this panel) under the field.
    void SetTree(wxWindow* tree);

    wxSearchCtrl* Field() const { return m_pField; }
    wxDataViewCtrl* Results() const { return m_pResults; }
    /// Shown while the words typed match no food.
    wxStaticText* NoMatch() const { return m_pNoMatch; }
    const CFoodFinder& Finder() const { return m_finder; }

private:
    void OnText();
    void OnKey(wxKeyEvent& event);
    void ShowResults(bool show);
    CFoodItem* SelectedItem() const;

    CFoodFinder m_finder;
    SFoodSearchHandlers m_handlers;
    wxSearchCtrl* m_pField = nullptr;
    wxWindow* m_pTree = nullptr;
    wxDataViewCtrl* m_pResults = nullptr;
    wxStaticText* m_pNoMatch = nullptr;
    CFoodResultsModel* m_pModel = nullptr;   ///< reference held by the results control
};
