// Plain-text tables printed from the rows of data/text_tables.txt.
#include <gtest/gtest.h>

#include <sstream>

#include "tests/support/golden_rows.h"
#include "tools/text_table.h"

namespace {

TEST(TextTable, PadsColumnsToTheirWidestCellInCharacters) {
  std::vector<std::pair<std::string, std::vector<TextRow>>> tables;
  std::vector<std::string> expected;
  for (const GoldenRow& golden : ReadGoldenRows("tools/data/text_tables.txt", 3)) {
    const std::string name = Unescaped(golden[0]);
    if (tables.empty() || tables.back().first != name) {
      tables.push_back({name, {}});
      expected.emplace_back();
    }
    TextRow row;
    for (std::string all = Unescaped(golden[1]) + "|"; !all.empty(); all.erase(0, all.find('|') + 1))
      row.push_back(all.substr(0, all.find('|')));
    tables.back().second.push_back(row);
    expected.back() += Unescaped(golden[2]) + "\n";
  }
  ASSERT_FALSE(tables.empty());
  for (std::size_t i = 0; i < tables.size(); ++i) {
    std::ostringstream out;
    PrintTable(out, tables[i].second);
    EXPECT_EQ(out.str(), expected[i]) << tables[i].first;
  }
}

}  // namespace
