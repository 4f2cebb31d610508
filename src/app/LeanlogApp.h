#pragma once

#include "app/DataFolder.h"
#include "app/Settings.h"
#include "store/DailyInfo.h"
#include "store/Database.h"
#include "store/FoodItem.h"

#include <atomic>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

class CProgramUpdates;
class CBannerCatalogue;
class CStartupPrompts;
struct CNewDietAnswers;

/// The application's data: the open database, the current diet's days, the
/// food catalogue, the goal weight and the settings, with the operations
/// that load and save them. UI thread only unless a member says otherwise.
class CLeanlogApp
{
public:
    explicit CLeanlogApp(const CDataFolder& folder);
    ~CLeanlogApp();
    CLeanlogApp(const CLeanlogApp&) = delete;
    CLeanlogApp& operator=(const CLeanlogApp&) = delete;

    enum class EStartup { Ready, Cancelled };

    /// Start-up's data steps: settings, database, food catalogue,
    /// preferences, days and earlier diets; the About text; and, when the
    /// diet has no days, the New Diet answers and the first diet. Throws
    /// CDbException when the database file cannot be used or a table that
    /// exists cannot be read; only missing tables are created.
    EStartup InitData(CStartupPrompts& prompts);
    /// Frees the in-memory model.
    void ExitInstance();

    void SavePreferences();
    /// Writes one day of the current diet (adds its row when it has none).
    void SaveDailyInfo(CDailyInfo& day);
    /// Writes `updates` (days of the current diet, by key) and appends
    /// `additions` (new days after the last one, in date order) in one
    /// transaction; m_days changes only after it committed.
    void SaveDayBatch(std::vector<CDailyInfo> updates, std::vector<CDailyInfo> additions);
    void FindPastDiets();
    void LoadPastDietResults();
    /// Asks for the New Diet answers and starts the new diet; false when cancelled.
    bool StartDietOver(CStartupPrompts& prompts);
    /// Starts a new diet from the answers. The database changes in one
    /// transaction and memory only after it committed, so a failure keeps
    /// the current diet whole.
    void StartDietOver(const CNewDietAnswers& answers);

    CItemCategory* FindCategoryByCode(std::string_view code) const;
    CFoodItem* FindFoodItem(std::string_view name, std::string_view categoryCode, std::int32_t servingSizeCode) const;
    void SaveFoodItem(CFoodItem& item);

    CSettings& Settings() { return m_settings; }
    /// The version checks and the program update's state (the designed
    /// m_strPrcVersion, m_strConduitVersion, m_strExeVersion and
    /// m_bUpdatePending live there, under its lock). Made when InitData reads the settings.
    CProgramUpdates& Updates() { return *m_updates; }
    const CDataFolder& Folder() const { return m_folder; }

    // The shared model; members in the designed order.
    std::string m_strAppDir;                          ///< the data folder
    std::string m_strDbFileName = "RiRedo.mdb";
    std::string m_strDbPath;
    std::unique_ptr<CDatabase> m_db;                  ///< null until opened or created
    CDayList m_days;                                  ///< current diet, oldest first
    std::string m_strDietTable;
    std::int32_t m_nGoalWeight = 0;                   ///< whole pounds
    std::vector<std::unique_ptr<CItemCategory>> m_categories;   ///< ID order
    std::vector<std::unique_ptr<CFoodItem>> m_foodItems;        ///< name, then serving size code
    std::atomic<bool> m_bOnline{false};               ///< also written by worker threads
    std::uint32_t m_dwTimeout = 5000;                 ///< ms
    std::uint32_t m_dwTimeout2 = 60000;               ///< ms
    std::string m_strLastFoodCatDlDate;
    std::int32_t m_nKetosisAnswer = -1;               ///< -1 not asked, 1 yes, 0 no
    bool m_bProteinDayNeeded = false;
    std::vector<std::int16_t> m_previousDietResults;  ///< pounds lost per earlier diet
    std::vector<std::string> m_pastDietTables;
    bool m_bMissingDaysWarningShown = false;          ///< the warning shows once per run

private:
    struct SLoadFlags
    {
        bool databaseOpened = false;
        bool categoriesOpened = false;
        bool itemsOpened = false;
        bool preferencesOpened = false;
        bool preferencesRow = false;
    };

    void ReadSettings();
    void OpenDatabase(SLoadFlags& flags);
    void LoadData(SLoadFlags& flags);
    void LoadCategories(SLoadFlags& flags);
    void LoadFoodItems(SLoadFlags& flags);
    void LoadPreferencesAndDays(SLoadFlags& flags);
    void LoadDays();
    void CreateFirstDiet(const CNewDietAnswers& answers, const SLoadFlags& flags);
    /// Adds the day as a new row and reads its key back.
    void AddDailyRow(CDailyInfo& day);
    /// Writes the day over its row, found by its key.
    void UpdateDailyRow(const CDailyInfo& day);
    void AddPreferencesRow();

    CDataFolder m_folder;
    CSettings m_settings;
    std::unique_ptr<CProgramUpdates> m_updates;

    // The banner catalogue; declared after the settings it writes, so it ends first.
public:
    /// Creates the catalogue (ServerURL, the HTTP options, m_bOnline) and loads it.
    void LoadBannerSettings();
    /// Null until LoadBannerSettings.
    CBannerCatalogue* Banners() { return m_banners.get(); }

private:
    std::unique_ptr<CBannerCatalogue> m_banners;
};
