#include "app/LeanlogApp.h"

#include "app/StartupPrompts.h"
#include "update/ProgramUpdates.h"
#include "banners/BannerCatalogue.h"
#include "store/DailyInfoRS.h"
#include "store/FoodRecordsets.h"
#include "store/PreferencesRS.h"
#include "store/Schema.h"

#include <sys/stat.h>

#include <unordered_map>

namespace {

bool FileExists(const std::string& path)
{
    struct stat st{};
    return ::stat(path.c_str(), &st) == 0;
}

/// An earlier diet's result: its first weighed row's whole pounds minus its
/// last weighed row's; 0 when no row is weighed; nullopt when it has no rows.
std::optional<std::int16_t> PastDietResult(CDatabase& db, const std::string& table)
{
    const std::string from = " FROM " + QuoteName(table);
    const std::string weighed = "(SELECT CAST(weight AS INTEGER)" + from + " WHERE weight <> 0 ORDER BY ID";
    CStatement st = db.Prepare("SELECT EXISTS(SELECT 1" + from + "), " + weighed + " LIMIT 1), " + weighed +
                               " DESC LIMIT 1)");
    st.Step();
    if (st.ColumnInt(0) == 0)
        return std::nullopt;
    if (st.IsNull(1))
        return 0;
    return static_cast<std::int16_t>(st.ColumnInt(1) - st.ColumnInt(2));
}

} // namespace

CLeanlogApp::CLeanlogApp(const CDataFolder& folder) : m_folder(folder), m_settings(folder.SettingsFile()) {}

CLeanlogApp::~CLeanlogApp() = default;

void CLeanlogApp::LoadBannerSettings()
{
    m_banners = std::make_unique<CBannerCatalogue>(m_settings, m_folder.path, m_settings.Get(kServerUrlSetting),
                                                   HttpClientOptionsFrom(m_settings), m_bOnline);
    m_banners->LoadBannerSettings();
}

CLeanlogApp::EStartup CLeanlogApp::InitData(CStartupPrompts& prompts)
{
    ReadSettings();
    SLoadFlags flags;
    OpenDatabase(flags);
    LoadData(flags);
    prompts.ShowAbout();
    if (!m_days.empty())
        return EStartup::Ready;
    const auto answers = prompts.AskNewDiet();
    if (!answers)
        return EStartup::Cancelled;
    CreateFirstDiet(*answers, flags);
    return EStartup::Ready;
}

void CLeanlogApp::ReadSettings()
{
    m_strAppDir = m_folder.path;
    m_dwTimeout = static_cast<std::uint32_t>(m_settings.Get(kTimeoutSetting));
    m_dwTimeout2 = static_cast<std::uint32_t>(m_settings.Get(kTimeout2Setting));
    m_strDbPath = m_strAppDir + "/" + m_strDbFileName;
    m_settings.Set(kDatabasePathSetting, m_strDbPath);
    m_updates = std::make_unique<CProgramUpdates>(m_settings, m_strAppDir, m_settings.Get(kServerUrlSetting),
                                                  HttpClientOptionsFrom(m_settings));
}

void CLeanlogApp::OpenDatabase(SLoadFlags& flags)
{
    // A missing file is a first run; any other failure stops start-up, so a
    // file that cannot be read is never replaced by a new one.
    if (!FileExists(m_strDbPath))
        return;
    m_db = CDatabase::OpenExisting(m_strDbPath);
    flags.databaseOpened = true;
}

void CLeanlogApp::LoadData(SLoadFlags& flags)
{
    if (!m_db)
        return;
    // Only a table that does not exist is made behind the New Diet answers.
    // Any other failure (busy, I/O, a row or column that does not read)
    // stops start-up: taken for a first run, it would point the preferences
    // at a new, empty diet.
    if (m_db->TableExists(kCategoriesTable))
        LoadCategories(flags);
    if (m_db->TableExists(kFoodItemTable))
        LoadFoodItems(flags);
    if (m_db->TableExists(kPrefsTable))
        LoadPreferencesAndDays(flags);
}

void CLeanlogApp::LoadCategories(SLoadFlags& flags)
{
    CFoodCategoryRS rs(*m_db);
    rs.Open(CRecordset::dbOpenDynaset, kLoadCategoriesSql);
    flags.categoriesOpened = true;
    for (; !rs.IsEOF(); rs.MoveNext()) {
        auto category = std::make_unique<CItemCategory>();
        category->ID = rs.m_rec.ID;
        category->CatCode = rs.m_rec.CatCode;
        category->Category = rs.m_rec.Category;
        m_categories.push_back(std::move(category));
    }
}

void CLeanlogApp::LoadFoodItems(SLoadFlags& flags)
{
    std::unordered_map<std::string, CItemCategory*> byCode;
    for (const auto& category : m_categories)
        byCode.emplace(category->CatCode, category.get());

    CFoodItemRS rs(*m_db);
    rs.Open(CRecordset::dbOpenDynaset, kLoadFoodItemsSql);
    flags.itemsOpened = true;
    for (; !rs.IsEOF(); rs.MoveNext()) {
        auto item = std::make_unique<CFoodItem>(CFoodItem::FromRecordset(rs));
        // An item whose code names no category is kept without one.
        const auto found = byCode.find(item->ItemCategoryCode);
        if (found != byCode.end()) {
            item->m_pCategory = found->second;
            found->second->m_items.push_back(item.get());
        }
        m_foodItems.push_back(std::move(item));
    }
}

void CLeanlogApp::LoadPreferencesAndDays(SLoadFlags& flags)
{
    CPreferencesRS prefs(*m_db);
    prefs.Open();
    flags.preferencesOpened = true;
    if (prefs.IsEOF())
        return;
    flags.preferencesRow = true;
    m_strDietTable = prefs.m_DietFilename;
    m_nGoalWeight = prefs.m_GoalWeight;
    prefs.Close();
    if (m_db->TableExists(m_strDietTable))
        LoadDays();
    FindPastDiets();
    LoadPastDietResults();
}

void CLeanlogApp::LoadDays()
{
    CDailyInfoRS rs(*m_db);
    rs.m_strTableName = m_strDietTable;
    rs.Open();
    for (; !rs.IsEOF(); rs.MoveNext())
        m_days.push_back(std::make_unique<CDailyInfo>(CDailyInfo::CopyFromRecordset(rs)));
}

void CLeanlogApp::FindPastDiets()
{
    m_pastDietTables.clear();
    for (auto& name : m_db->TableNames())
        if (name != m_strDietTable && name.rfind("LnLg_2", 0) == 0)
            m_pastDietTables.push_back(std::move(name));
}

void CLeanlogApp::LoadPastDietResults()
{
    // First and last *weighed* rows: a diet whose last day was saved without
    // a weight must not count its whole start weight as lost.
    m_previousDietResults.clear();
    for (const auto& table : m_pastDietTables)
        if (const auto result = PastDietResult(*m_db, table))
            m_previousDietResults.push_back(*result);
}

void CLeanlogApp::CreateFirstDiet(const CNewDietAnswers& answers, const SLoadFlags& flags)
{
    if (!flags.databaseOpened)
        m_db = CDatabase::Create(m_strDbPath);
    auto day = std::make_unique<CDailyInfo>(answers.startDate, 0, 0);
    // One transaction: an interrupted first run leaves nothing half made.
    CTransaction transaction(*m_db);
    m_nGoalWeight = answers.goalWeight;
    m_strDietTable = DietTableName(answers.startDate);
    CreateDailyTable(*m_db, m_strDietTable);
    AddDailyRow(*day);
    if (!flags.preferencesOpened)
        CreatePrefsTable(*m_db);
    if (flags.preferencesRow)
        SavePreferences();
    else
        AddPreferencesRow();
    if (!flags.categoriesOpened)
        CreateCategoriesTable(*m_db);
    if (!flags.itemsOpened)
        CreateFoodItemTable(*m_db);
    transaction.Commit();
    m_days.push_back(std::move(day));
}

void CLeanlogApp::AddDailyRow(CDailyInfo& day)
{
    CDailyInfoRS rs(*m_db);
    rs.m_strTableName = m_strDietTable;
    rs.Open();
    rs.AddNew();
    rs.CopyToRecordset(day);
    rs.Update();
    rs.Close();
    rs.Open(CRecordset::dbOpenDynaset, SelectNewestFirstSql(m_strDietTable));
    if (!rs.IsEOF())
        day.ID = rs.m_rec.ID;
    rs.Close();
}

void CLeanlogApp::UpdateDailyRow(const CDailyInfo& day)
{
    CDailyInfoRS rs(*m_db);
    rs.m_strTableName = m_strDietTable;
    rs.Open(CRecordset::dbOpenDynaset, SelectByIdSql(m_strDietTable, day.ID));
    rs.Edit();
    rs.CopyToRecordset(day);
    rs.Update();
    rs.Close();
}

void CLeanlogApp::AddPreferencesRow()
{
    CPreferencesRS prefs(*m_db);
    prefs.Open();
    prefs.AddNew();
    prefs.m_DietFilename = m_strDietTable;
    prefs.m_GoalWeight = m_nGoalWeight;
    prefs.Update();
    prefs.Close();
}

void CLeanlogApp::SavePreferences()
{
    CPreferencesRS prefs(*m_db);
    prefs.Open();
    prefs.Edit();
    prefs.m_DietFilename = m_strDietTable;
    prefs.m_GoalWeight = m_nGoalWeight;
    prefs.Update();
    prefs.Close();
}

void CLeanlogApp::SaveDailyInfo(CDailyInfo& day)
{
    CTransaction transaction(*m_db);
    const SDailyRecord before = day;
    day.wAttribs |= kAttribDesktopSaved;
    try {
        if (day.ID > 0)
            UpdateDailyRow(day);
        else
            AddDailyRow(day);
        transaction.Commit();
    } catch (...) {
        // Rolled back: the day keeps its old key and attributes.
        day.ID = before.ID;
        day.wAttribs = before.wAttribs;
        throw;
    }
}

void CLeanlogApp::SaveDayBatch(std::vector<CDailyInfo> updates, std::vector<CDailyInfo> additions)
{
    CTransaction transaction(*m_db);
    for (auto& day : updates) {
        day.wAttribs |= kAttribDesktopSaved;
        UpdateDailyRow(day);
    }
    // Thousands of new rows: one recordset, each key read from the insert itself.
    CDailyInfoRS adder(*m_db);
    adder.m_strTableName = m_strDietTable;
    for (auto& day : additions) {
        day.wAttribs |= kAttribDesktopSaved;
        adder.AddNew();
        adder.CopyToRecordset(day);
        adder.Update();
        day.ID = static_cast<std::int32_t>(m_db->LastInsertId());
    }
    transaction.Commit();
    std::unordered_map<std::int32_t, CDailyInfo*> byId;
    for (auto& held : m_days)
        byId.emplace(held->ID, held.get());
    for (auto& day : updates)
        if (const auto found = byId.find(day.ID); found != byId.end())
            *found->second = std::move(day);
    for (auto& day : additions)
        m_days.push_back(std::make_unique<CDailyInfo>(std::move(day)));
}

bool CLeanlogApp::StartDietOver(CStartupPrompts& prompts)
{
    const auto answers = prompts.AskNewDiet();
    if (!answers)
        return false;
    StartDietOver(*answers);
    return true;
}

void CLeanlogApp::StartDietOver(const CNewDietAnswers& answers)
{
    auto day = std::make_unique<CDailyInfo>(answers.startDate, 0, 0);
    const std::string table = DietTableName(answers.startDate);
    const std::string oldTable = m_strDietTable;
    const std::int32_t oldGoal = m_nGoalWeight;
    CTransaction transaction(*m_db);
    m_strDietTable = table;
    m_nGoalWeight = answers.goalWeight;
    try {
        CreateDailyTable(*m_db, table);
        AddDailyRow(*day);
        SavePreferences();
        transaction.Commit();
    } catch (...) {
        m_strDietTable = oldTable;
        m_nGoalWeight = oldGoal;
        throw;
    }
    m_days.clear();
    m_days.push_back(std::move(day));
}

CItemCategory* CLeanlogApp::FindCategoryByCode(std::string_view code) const
{
    for (const auto& category : m_categories)
        if (category->CatCode == code)
            return category.get();
    return nullptr;
}

CFoodItem* CLeanlogApp::FindFoodItem(std::string_view name, std::string_view categoryCode,
                                     std::int32_t servingSizeCode) const
{
    for (const auto& item : m_foodItems)
        if (item->ItemName == name && item->ItemCategoryCode == categoryCode &&
            item->ServingSizeCode == servingSizeCode)
            return item.get();
    return nullptr;
}

void CLeanlogApp::SaveFoodItem(CFoodItem& item)
{
    CTransaction transaction(*m_db);
    CFoodItemRS rs(*m_db);
    const bool isNew = item.ID < 1;
    const std::int32_t oldId = item.ID;
    const std::int32_t oldAttribs = item.wAttribs;
    item.wAttribs |= kAttribDesktopSaved;
    try {
        std::int32_t key = item.ID;
        if (isNew) {
            rs.Open();
            rs.AddNew();
            key = rs.m_rec.ID;
        } else {
            rs.Open(CRecordset::dbOpenDynaset, FoodItemByIdSql(item.ID));
            rs.Edit();
        }
        rs.m_rec = item;
        rs.m_rec.ID = key;
        rs.Update();
        rs.Close();
        if (isNew) {
            rs.Open(CRecordset::dbOpenDynaset, kNewestFoodItemSql);
            if (!rs.IsEOF())
                item.ID = rs.m_rec.ID;
            rs.Close();
        }
        transaction.Commit();
    } catch (...) {
        item.ID = oldId;
        item.wAttribs = oldAttribs;
        throw;
    }
}

void CLeanlogApp::ExitInstance()
{
    m_days.clear();
    m_categories.clear();
    m_foodItems.clear();
}
