// Finding the registry keepers of a drawing whose dictionaries do not form a tree.
#include "tools/registry_keepers.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <sstream>

#include "host/database.h"
#include "registry/registry_keeper.h"
#include "tests/host/host_test_support.h"
#include "tools/drawing.h"

namespace {

using crafted::Entries;

constexpr std::uint64_t kTop = 10, kShared = 11, kKeeper = 12;

struct Case {
  const char* name;
  Entries top;     // entries of dictionary kTop, listed as "Top"
  Entries shared;  // entries of dictionary kShared, owned by kTop
  std::vector<std::string> expected;
};

const std::u16string kKeeperName(kRegistryKeeperEntry, kRegistryKeeperEntry + std::wcslen(kRegistryKeeperEntry));

std::vector<std::string> KeeperLocations(std::vector<CraftedObject> objects) {
  ScratchDir dir;
  const auto path = dir.Path() / "loops.pndwg";
  writeFile(path, craftDrawing(crafted::header().bytes(), objects));
  PnDbDatabase db(false);
  EXPECT_EQ(db.readDwgFile(path.wstring().c_str()), Plnx::eOk);
  std::vector<std::string> locations;
  for (const KeeperPlace& place : FindKeepers(&db)) locations.push_back(place.location);
  return locations;
}

// Hostile dictionaries; the keeper entry names kKeeper.
TEST(KeeperSearch, VisitsEachDictionaryOnce) {
  const Case cases[] = {
      {"ListsItselfTwice", {{kKeeperName, kKeeper}, {u"A", kTop}, {u"B", kTop}}, {}, {"Top"}},
      {"SharesAChild", {{u"A", kShared}, {u"B", kShared}}, {{kKeeperName, kKeeper}}, {"Top/A"}},
      {"ChildListsItsParent", {{u"A", kShared}}, {{kKeeperName, kKeeper}, {u"Up", kTop}, {u"Self", kShared}},
       {"Top/A"}},
  };
  for (const Case& c : cases) {
    std::vector<CraftedObject> objects = crafted::minimalDrawing({{u"Top", kTop}});
    objects.push_back(crafted::dictionary(kTop, crafted::kNamedObjects, c.top));
    objects.push_back(crafted::dictionary(kShared, kTop, c.shared));
    objects.push_back(crafted::dictionary(kKeeper, kTop, {}));
    EXPECT_EQ(KeeperLocations(std::move(objects)), c.expected) << c.name;
  }
}

// A chain of dictionaries 40 deep, each holding a keeper: the search stops 32 levels down.
TEST(KeeperSearchDepth, StopsThirtyTwoLevelsDown) {
  constexpr std::uint64_t kChain = 100;
  std::vector<CraftedObject> objects = crafted::minimalDrawing({{u"Top", kChain}});
  for (std::uint64_t level = 0; level < 40; ++level)
    objects.push_back(crafted::dictionary(kChain + level, level == 0 ? crafted::kNamedObjects : kChain + level - 1,
                                          {{kKeeperName, kKeeper}, {u"D", kChain + level + 1}}));
  objects.push_back(crafted::dictionary(kKeeper, kChain, {}));
  std::vector<std::string> locations = KeeperLocations(std::move(objects));
  ASSERT_EQ(locations.size(), 32u);
  std::sort(locations.begin(), locations.end());
  std::string deepest = "Top";
  for (int level = 1; level < 32; ++level) deepest += "/D";
  EXPECT_EQ(locations.back(), deepest);
}

// A chain of keys one longer than the limit is cut, and the last key shown says so,
// in JSON as in text.
TEST(RegistryTreeJson, MarksOnlyAKeyCutAtTheDepthLimit) {
  for (int length : {kMaxKeyDepth, kMaxKeyDepth + 1}) {
    KoVTPrjReg::TKeyMap roots;
    KoVTPrjReg::TKey* key = (roots[L"R"] = std::make_unique<KoVTPrjReg::TKey>()).get();
    for (int depth = 1; depth < length; ++depth) key = key->CreateSubKey(L"k");
    const JsonValue tree = RegistryTreeJson(roots);
    const JsonValue* deepest = &tree.at("R");
    for (int depth = 1; depth < kMaxKeyDepth; ++depth) deepest = &deepest->at("keys").at("k");
    EXPECT_EQ(deepest->value("truncated", false), length > kMaxKeyDepth) << length;
    EXPECT_TRUE(deepest->at("keys").empty());
    std::ostringstream text;
    PrintRegistryTree(text, roots);
    EXPECT_EQ(text.str().ends_with("  (deeper keys not shown)\n"), length > kMaxKeyDepth) << length;
  }
}

// A drawing that ends leaves the working database alone unless it was that one.
TEST(DrawingEnd, ClearsTheWorkingDatabaseOnlyWhenItWasTheDrawings) {
  PnDbHostApplicationServices* services = pndbHostApplicationServices();
  PnDbDatabase other;
  for (bool working : {false, true}) {
    services->setWorkingDatabase(&other);
    std::unique_ptr<Drawing> drawing = Drawing::Create("unsaved.pndwg");
    if (working) services->setWorkingDatabase(drawing->Database());
    drawing.reset();
    EXPECT_EQ(services->workingDatabase(), working ? nullptr : &other) << working;
  }
}

}  // namespace
