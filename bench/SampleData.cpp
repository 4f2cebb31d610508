#include "SampleData.h"

#include "app/LeanlogApp.h"
#include "app/StartupPrompts.h"
#include "store/Schema.h"

#include <random>

namespace {

class CFixedAnswers : public CStartupPrompts
{
public:
    explicit CFixedAnswers(CNewDietAnswers answers) : m_answers(answers) {}
    std::optional<CNewDietAnswers> AskNewDiet() override { return m_answers; }

private:
    CNewDietAnswers m_answers;
};

void AddFood(CDatabase& db, const SSampleDataSize& size, std::mt19937& random)
{
    static const char* words[] = {"Apple", "bread", "Cheese", "dried", "Egg", "fresh", "Grape", "ham",
                                  "Juice", "kale", "Lentil", "milk", "Noodle", "oat", "Pepper", "rice"};
    db.Execute("INSERT INTO LnLg_FoodCategories (CatCode, Category) VALUES ('0100', 'Dairy and Egg Products'), "
               "('0200', 'Spices and Herbs'), ('0900', 'Fruits and Fruit Juices'), ('1100', 'Vegetables'), "
               "('1800', 'Baked Products'), ('2000', 'Cereal Grains and Pasta')");
    static const char* codes[] = {"0100", "0200", "0900", "1100", "1800", "2000"};
    CStatement insert = db.Prepare(
        "INSERT INTO LnLg_FoodItem (ItemName, ItemCategoryCode, ServingSizeCode, ServingSizeName, ServingSizeAmt, "
        "ServingSizeUnit, Calories, FatCalories, FatGrams, Carbs, Protein, Sodium, Fiber, Sugars) "
        "VALUES (?, ?, ?, ?, ?, 'g', ?, ?, ?, ?, ?, ?, ?, ?)");
    std::uniform_real_distribution<double> value(0, 400);
    for (int i = 0; i < size.foodItems;) {
        const std::string name = std::string(words[random() % 16]) + ", " + words[random() % 16] + " " +
                                 std::to_string(i) + " " + words[random() % 16] + " prepared";
        const int sizes = 1 + static_cast<int>(random() % 3);
        for (int s = 1; s <= sizes && i < size.foodItems; ++s, ++i) {
            insert.Reset();
            insert.BindText(0, name);
            insert.BindText(1, codes[random() % 6]);
            insert.BindInt(2, s);
            insert.BindText(3, std::to_string(s) + " cup");
            insert.BindDouble(4, value(random));
            insert.BindInt(5, static_cast<int>(value(random)));
            insert.BindInt(6, static_cast<int>(value(random) / 3));
            for (int c = 7; c < 13; ++c)
                insert.BindDouble(c, value(random) / 7);
            insert.Step();
        }
    }
}

void AddDays(CDatabase& db, const std::string& table, CDateTime start, int days, std::mt19937& random)
{
    CreateDailyTable(db, table);
    CStatement insert = db.Prepare("INSERT INTO " + QuoteName(table) +
                                   " (date, weight, steps, carbs, isProteinDay, BFproteinItem, BFproteinSize, "
                                   "BFproteinCarbs, LsaladItem, LsaladSize, LsaladCarbs) "
                                   "VALUES (?, ?, ?, ?, ?, 'Eggs, scrambled', '2 large', 2, 'Garden salad', "
                                   "'1 bowl', 6)");
    double weight = 230;
    for (int d = 0; d < days; ++d) {
        weight += static_cast<double>(static_cast<int>(random() % 5) - 3) * 0.5;
        if (weight < 140)   // long diets level off instead of going below any real weight
            weight += 20;
        insert.Reset();
        insert.BindText(0, start.AddDays(d).StorageText());
        insert.BindInt(1, static_cast<int>(weight));
        insert.BindInt(2, static_cast<int>(random() % 12000));
        insert.BindInt(3, 8);
        insert.BindInt(4, d < 3 || random() % 9 == 0);
        insert.Step();
    }
}

} // namespace

void MakeSampleDataFolder(const std::string& folder, const SSampleDataSize& size)
{
    const CDataFolder dataFolder{folder, true};
    dataFolder.EnsureExists();
    const CDateTime start = CDateTime::FromDate(2025, 10, 1);
    CLeanlogApp app(dataFolder);
    CFixedAnswers answers({start, 150});
    app.InitData(answers);

    std::mt19937 random(20261206);
    CDatabase& db = *app.m_db;
    CTransaction transaction(db);
    if (size.foodItems > 0)
        AddFood(db, size, random);
    for (int p = 0; p < size.pastDiets; ++p)
        AddDays(db, DietTableName(CDateTime::FromDate(2014 + p, 1 + p % 12, 1 + p)), CDateTime::FromDate(2014 + p, 1, 1),
                size.pastDays, random);
    db.Execute("DELETE FROM " + QuoteName(app.m_strDietTable));
    AddDays(db, app.m_strDietTable, start, size.days, random);
    transaction.Commit();
}
