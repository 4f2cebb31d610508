// Converts the food catalogue (data/foods/*.csv: UTF-8, RFC 4180 quoting)
// into the feed's two replies, in code page 1252 with every field ended by
// a line feed:
//   <out>/leanlog/getnewfoodcatrecs.asp   CatCode, Category
//   <out>/leanlog/getnewfooditemrecs.asp  the 26 columns of foods.csv in order
// The third item field is the category's name, which the client reads and
// does not use. Refuses (exit 1) a header, row width or text it cannot carry.
#include "base/Csv.h"
#include "base/FileText.h"
#include "update/Cp1252.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

using Row = std::vector<std::string>;

const Row kCategoryHeader{"CatCode", "Category"};
const Row kFoodHeader{"ItemName", "CatCode", "Category", "ServingSizeCode", "ServingSizeName", "ServingSizeAmt",
                      "ServingSizeUnit", "Calories", "FatCalories", "FatGrams", "FatGramsPercent", "SaturatedFat",
                      "SaturatedFatPercent", "PolySatFat", "MonoUnsatFat", "Cholesterol", "CholesterolPercent",
                      "Sodium", "SodiumPercent", "Carbs", "CarbsPercent", "Fiber", "FiberPercent", "Sugars",
                      "Protein", "Points"};

/// The file's CSV rows; throws naming the file when it cannot be read or parsed.
std::vector<Row> ReadCsv(const std::filesystem::path& path)
{
    const auto text = ReadWholeFile(path.string());
    if (!text)
        throw std::runtime_error("cannot read " + path.string());
    std::string error;
    std::vector<Row> rows;
    for (auto& record : ParseCsv(*text, error))
        rows.push_back(std::move(record.fields));
    if (!error.empty())
        throw std::runtime_error(path.string() + ": " + error);
    return rows;
}

/// The rows after the header, each as wide as the header.
std::vector<Row> Table(const std::filesystem::path& path, const Row& header)
{
    std::vector<Row> rows = ReadCsv(path);
    if (rows.empty() || rows.front() != header)
        throw std::runtime_error(path.string() + ": the header is not the expected one");
    rows.erase(rows.begin());
    for (size_t i = 0; i < rows.size(); ++i)
        if (rows[i].size() != header.size())
            throw std::runtime_error(path.string() + ": row " + std::to_string(i + 2) + " has " +
                                     std::to_string(rows[i].size()) + " fields, not " + std::to_string(header.size()));
    return rows;
}

/// The rows as reply text: each field in code page 1252, ended by a line feed.
std::string Reply(const std::vector<Row>& rows)
{
    std::string out;
    for (const Row& row : rows)
        for (const std::string& field : row) {
            const auto bytes = Utf8ToCp1252(field);
            if (!bytes || bytes->find_first_of(std::string("\n\0", 2)) != std::string::npos)
                throw std::runtime_error("a field the feed cannot carry: " + field);
            out += *bytes + '\n';
        }
    return out;
}

/// Writes beside the target, then renames, so a server never sends half a file.
void WriteReply(const std::filesystem::path& path, const std::string& bytes)
{
    std::filesystem::create_directories(path.parent_path());
    const std::filesystem::path partial = path.string() + ".part";
    {
        std::ofstream out(partial, std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        if (!out.flush())
            throw std::runtime_error("cannot write " + partial.string());
    }
    std::filesystem::rename(partial, path);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 4) {
        std::cerr << "usage: leanlog-feed-convert FOODS.csv CATEGORIES.csv OUTDIR\n";
        return 2;
    }
    try {
        const auto items = Table(argv[1], kFoodHeader);
        const auto categories = Table(argv[2], kCategoryHeader);
        const std::filesystem::path out = std::filesystem::path(argv[3]) / "leanlog";
        WriteReply(out / "getnewfoodcatrecs.asp", Reply(categories));
        WriteReply(out / "getnewfooditemrecs.asp", Reply(items));
        std::printf("%zu categories, %zu items\n", categories.size(), items.size());
    } catch (const std::exception& e) {
        std::cerr << "leanlog-feed-convert: " << e.what() << '\n';
        return 1;
    }
    return 0;
}
