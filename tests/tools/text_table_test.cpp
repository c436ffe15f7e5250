// Plain-text tables printed from the rows of data/text_tables.txt.
#include <gtest/gtest.h>

#include <map>
#include <sstream>

#include "tests/support/golden_rows.h"
#include "tools/text_table.h"

namespace {

TEST(TextTable, PadsColumnsToTheirWidestCellInCharacters) {
  std::map<std::string, std::pair<std::vector<TextRow>, std::string>> tables;  // rows and text, by name
  for (const GoldenRow& golden : ReadGoldenRows("tools/data/text_tables.txt", 3)) {
    auto& [rows, expected] = tables[Unescaped(golden[0])];
    rows.emplace_back();
    for (std::string all = Unescaped(golden[1]) + "|"; !all.empty(); all.erase(0, all.find('|') + 1))
      rows.back().push_back(all.substr(0, all.find('|')));
    expected += Unescaped(golden[2]) + "\n";
  }
  ASSERT_FALSE(tables.empty());
  for (const auto& [name, table] : tables) {
    std::ostringstream out;
    PrintTable(out, table.first);
    EXPECT_EQ(out.str(), table.second) << name;
  }
}

}  // namespace
