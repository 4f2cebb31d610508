#pragma once

#include "entry/MealGrid.h"
#include "entry/MealInfo.h"

#include <array>
#include <optional>
#include <string>

class CDailyInfo;
class CLeanlogApp;
struct MealSlot;

/// One cell of the meal grid.
struct SGridCell
{
    std::string text;
    int image = -1;   ///< -1 none, 0 an empty check box, 1 a ticked one
};

inline constexpr int kSupplementColumn = 1;

/// The Day Info dialog's values and rules for one day of the diet: the date
/// line, the typed weight and steps, the Protein Day check and the meal
/// grid. The window shows them and forwards the user's acts. UI thread only.
class CDayEntry
{
public:
    /// `app` supplies the diet's first day and m_bProteinDayNeeded.
    explicit CDayEntry(const CLeanlogApp& app) : m_app(app) {}

    /// Takes the day; with `load` its weight, steps and flag fill the fields.
    /// Chooses the layout and the date line.
    void SetDay(CDailyInfo* day, bool load);
    /// The Protein Day check was clicked; typed weight and steps are kept,
    /// slot contents stay (hidden slots keep counting in the total).
    void ProteinDayClicked(bool checked);

    EGridLayout Layout() const { return LayoutWithRows(m_nRows); }
    /// The meal position shown in `row`; -1 when none.
    int PositionAtRow(int row) const;
    SGridCell Cell(int row, int column) const;
    /// Inverts the supplement flag of a meal header row at once; false when
    /// `row` is not a header row.
    bool ToggleSupplement(int row);
    /// The Meal Info values for a meal row; nullopt for a header row or a row
    /// outside the grid.
    std::optional<CMealInfo> OpenSlot(int row) const;
    /// Meal Info OK: the slot takes item, size and carbs (leading digits), and
    /// the day's total is recomputed over all 23 slots.
    void ApplySlot(int row, const CMealInfo& info);
    /// The message Day Info's OK shows for a weight or steps it refuses;
    /// nullopt when both are fine.
    std::optional<std::string> Validate() const;
    /// Day Info OK: weight and steps (as Validate reads them) and the flag go into the
    /// day, which is saved. Throws std::invalid_argument with Validate's
    /// message, before anything changes, for refused values. On failure the day keeps its earlier values and
    /// the exception passes on.
    void FinishDay(CLeanlogApp& app);

    std::string m_strDate;
    std::string m_strWeight;
    std::string m_strSteps;
    bool m_bProteinDay = false;
    CDailyInfo* m_pDay = nullptr;   ///< not owned: a day of the app's list
    int m_nRows = 0;
    std::array<int, kMealPositionCount> m_nSlotRow{};   ///< row of each position, -1 when hidden

private:
    /// The day's slot shown in a meal row; null for header rows and rows outside the grid.
    MealSlot* SlotAtRow(int row) const;

    const CLeanlogApp& m_app;
};
