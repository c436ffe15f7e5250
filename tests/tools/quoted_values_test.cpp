// Values printed quoted, from the rows of data/quoted_values.txt (appended
// after other cells, as show prints them, the command-line cases check).
#include <gtest/gtest.h>

#include "tests/support/golden_rows.h"
#include "tools/values.h"

namespace {

TEST(QuotedValues, EscapeStringsAndPrintOtherKindsAsText) {
  const std::vector<GoldenRow> rows = ReadGoldenRows("tools/data/quoted_values.txt", 3);
  ASSERT_FALSE(rows.empty());
  for (const GoldenRow& row : rows) {
    const std::string given = Unescaped(row[1]), expected = Unescaped(row[2]);
    SCOPED_TRACE(given);
    const std::optional<Kind> kind = KindOfName(Unescaped(row[0]));
    ASSERT_TRUE(kind.has_value());
    const Value value = ParseText(*kind, given);
    EXPECT_EQ(Quoted(value), expected);
  }
}

}  // namespace
