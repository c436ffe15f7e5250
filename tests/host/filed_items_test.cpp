// Filed items walked once: whether they are whole, where their ids lie, and
// an id given another handle in place.
#include "host/filed_items.h"

#include <gtest/gtest.h>

#include <sstream>

#include "platform/wide_string.h"
#include "tests/support/golden_rows.h"

namespace {

std::vector<std::uint8_t> hexBytes(const std::wstring& text) {
  std::vector<std::uint8_t> bytes;
  std::istringstream in(WideToUtf8(text));
  for (unsigned value = 0; in >> std::hex >> value;) bytes.push_back(static_cast<std::uint8_t>(value));
  return bytes;
}

std::wstring idsOf(const PnDbFiledItems& items) {
  std::wostringstream out;
  for (const PnDbFiledId& id : items.ids())
    out << (out.tellp() > 0 ? L" " : L"") << static_cast<int>(id.kind) << L':' << id.handle << L'@' << id.at;
  return items.ids().empty() ? L"-" : out.str();
}

TEST(FiledItems, AreWalkedOnceAndTheirIdsMovedInPlace) {
  for (const GoldenRow& row : ReadGoldenRows("host/data/filed_items.txt", 5)) {
    SCOPED_TRACE(WideToUtf8(row[0]));
    PnDbFiledItems items(hexBytes(row[0]));
    EXPECT_EQ(items.whole() ? L"yes" : L"no", row[1]);
    EXPECT_EQ(idsOf(items), row[2]);
    if (row[3] != L"-") {
      const std::size_t equals = row[3].find(L'=');
      items.setHandle(std::stoul(row[3].substr(0, equals)), std::stoull(row[3].substr(equals + 1)));
    }
    EXPECT_EQ(items.bytes(), hexBytes(row[4] == L"-" ? row[0] : row[4]));
  }
}

}  // namespace
