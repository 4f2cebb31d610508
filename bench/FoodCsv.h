#pragma once

#include <cstddef>
#include <string>

class CLeanlogApp;

/// The repository's USDA food table, the one the feed is built from.
inline constexpr const char* kSharedFoodCsv = LEANLOG_FOOD_CSV;

/// Puts the food table of a CSV file (a header line, then one item a line:
/// ItemName, CatCode, Category, ServingSizeCode, ServingSizeName and the
/// stored fields) into the app's catalogue in memory, in catalogue order,
/// replacing what it held. With `count` above the file's rows the rows are
/// repeated under numbered names until there are `count` items. Returns the
/// number of items; 0 when the file cannot be read.
size_t LoadFoodCsv(CLeanlogApp& app, const std::string& path, size_t count = 0);
