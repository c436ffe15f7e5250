// Finding the registry keepers of a drawing whose dictionaries do not form a tree.
#include "tools/registry_keepers.h"

#include <gtest/gtest.h>

#include <cstring>

#include "host/database.h"
#include "registry/registry_keeper.h"
#include "tests/host/host_test_support.h"

namespace {

using crafted::Entries;

constexpr std::uint64_t kTop = 10, kShared = 11, kKeeper = 12;

struct Case {
  const char* name;
  Entries top;     // entries of dictionary kTop, listed as "Top"
  Entries shared;  // entries of dictionary kShared, owned by kTop
  std::vector<std::string> expected;
};

class KeeperSearch : public ::testing::TestWithParam<Case> {};

TEST_P(KeeperSearch, VisitsEachDictionaryOnce) {
  const std::u16string keeper(kRegistryKeeperEntry, kRegistryKeeperEntry + std::wcslen(kRegistryKeeperEntry));
  auto withKeeper = [&](Entries entries) {
    for (auto& entry : entries)
      if (entry.first == u"@") entry.first = keeper;
    return entries;
  };
  std::vector<CraftedObject> objects = crafted::minimalDrawing({{u"Top", kTop}});
  objects.push_back(crafted::dictionary(kTop, crafted::kNamedObjects, withKeeper(GetParam().top)));
  objects.push_back(crafted::dictionary(kShared, kTop, withKeeper(GetParam().shared)));
  objects.push_back(crafted::dictionary(kKeeper, kTop, {}));
  ScratchDir dir;
  const auto path = dir.Path() / "loops.pndwg";
  writeFile(path, craftDrawing(crafted::header().bytes(), objects));
  PnDbDatabase db(false);
  ASSERT_EQ(db.readDwgFile(path.wstring().c_str()), Plnx::eOk);

  std::vector<std::string> locations;
  for (const KeeperPlace& place : FindKeepers(&db)) locations.push_back(place.location);
  EXPECT_EQ(locations, GetParam().expected);
}

// "@" stands for the keeper entry, which names kKeeper.
INSTANTIATE_TEST_SUITE_P(
    HostileDictionaries, KeeperSearch,
    ::testing::Values(
        Case{"ListsItselfTwice", {{u"@", kKeeper}, {u"A", kTop}, {u"B", kTop}}, {}, {"Top"}},
        Case{"SharesAChild", {{u"A", kShared}, {u"B", kShared}}, {{u"@", kKeeper}}, {"Top/A"}},
        Case{"ChildListsItsParent", {{u"A", kShared}}, {{u"@", kKeeper}, {u"Up", kTop}, {u"Self", kShared}},
             {"Top/A"}}),
    [](const auto& row) { return std::string(row.param.name); });

}  // namespace
