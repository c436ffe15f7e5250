// The path-based registry on a keeper of the working drawing or of a given dictionary.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "dictionaries/dict_tree.h"
#include "environment/app_context.h"
#include "registry/registry_access.h"
#include "tests/support/golden_rows.h"
#include "tests/support/kovt_drawing.h"

using namespace KoVTPrjReg;

namespace {

class RegistryAccess : public KovtDrawingTest {
 protected:
  // The dictionary "Settings" of the named-objects dictionary, made on first use.
  PnDbDictionary* Settings(PnDb::OpenMode mode) {
    PnDbDictionary* namedObjects = NamedObjects(PnDb::kForRead);
    PnDbDictionary* settings = GetSubDict(PnDbDictionary::desc(), namedObjects, L"Settings", mode, true);
    if (settings != nullptr && settings->isWriteEnabled() && mode == PnDb::kForRead) settings->downgradeOpen();
    return settings;
  }
};

// Where the current key lies: its root and the names below it, joined by ">"; "-" for none.
std::wstring Where(const TRegistry& registry) {
  std::vector<std::pair<const TKeyMap*, std::wstring>> pending{{registry.RootKeys(), L""}};
  while (registry.GetCurrentKey() != nullptr && !pending.empty()) {
    auto [keys, path] = pending.back();
    pending.pop_back();
    for (const auto& [name, key] : *keys) {
      std::wstring here = path.empty() ? name.str() : path + L">" + name.str();
      if (key.get() == registry.GetCurrentKey()) return here;
      pending.push_back({&key->SubKeys(), here});
    }
  }
  return L"-";
}

// Reads value `name` as `kind` (int, bool, float or string): whether it was
// read, and the value then held, which starts as 7, false, 3 or "kept".
std::wstring Read(const TRegistry& registry, const wchar_t* name, const std::wstring& kind) {
  int number = 7;
  bool flag = false;
  double real = 3.0;
  KOVTString text = L"kept";
  bool read = false;
  if (kind == L"int") read = registry.ReadInteger(name, number);
  else if (kind == L"bool") read = registry.ReadBool(name, flag);
  else if (kind == L"float") read = registry.ReadFloat(name, real);
  else read = registry.ReadString(name, text);
  const std::wstring value = kind == L"int"     ? std::to_wstring(number)
                             : kind == L"bool"  ? (flag ? L"true" : L"false")
                             : kind == L"float" ? std::to_wstring(real)
                                                : text.str();
  return (read ? L"1|" : L"0|") + value;
}

// The registry works on whatever keeper it has: a key and a value round trip.
void ExpectUsable(TRegistry& registry) {
  ASSERT_TRUE(registry.OpenKey(L"\\\\Standard", true));
  ASSERT_TRUE(registry.WriteInteger(L"Version", 4));
  int version = 0;
  EXPECT_TRUE(registry.ReadInteger(L"Version", version));
  EXPECT_EQ(version, 4);
}

TEST_F(RegistryAccess, OnAGivenDictionaryTheKeeperIsAddedOrKeptInMemory) {
  struct Case {
    PnDb::OpenMode mode;
    bool secondReader;  // the dictionary cannot be upgraded
    TAccessRight access;
    bool added;
  } cases[] = {
      {PnDb::kForRead, false, kReadWrite, true},  {PnDb::kForWrite, false, kReadWrite, true},
      {PnDb::kForRead, false, kReadOnly, true},   {PnDb::kForRead, true, kReadWrite, false},
      {PnDb::kForRead, true, kReadOnly, false},
  };
  for (const Case& c : cases) {
    NewDrawing();
    PnDbDictionary* settings = Settings(c.mode);
    ASSERT_NE(settings, nullptr);
    PnDbDictionary* other = c.secondReader ? Settings(PnDb::kForRead) : nullptr;
    {
      TRegistry registry(settings, c.access);
      ExpectUsable(registry);
      PnDbObjectId entry;
      EXPECT_EQ(settings->getAt(kRegistryKeeperEntry, entry) == Plnx::eOk, c.added);
      EXPECT_EQ(registry.GetId(), c.added ? entry : PnDbObjectId());
      EXPECT_EQ(settings->isWriteEnabled(), c.mode == PnDb::kForWrite);  // an upgrade is undone
    }
    EXPECT_TRUE(settings->isReadEnabled());  // the caller's to close
    settings->close();
    if (other != nullptr) other->close();
    EXPECT_EQ(Drawing()->numOpenObjects(), 0u);
  }
}

TEST_F(RegistryAccess, WithoutAKeeperEveryPathAndValueFails) {
  auto foreignEntry = [this] {
    PnDbDictionary* settings = Settings(PnDb::kForWrite);
    auto* foreign = new PnDbDictionary;
    PnDbObjectId id;
    settings->setAt(kRegistryKeeperEntry, foreign, id);
    foreign->close();
    return settings;
  };
  PnDbObject* held = nullptr;
  auto busyKeeper = [this, &held] {
    PnDbDictionary* settings = Settings(PnDb::kForRead);
    PnDbObjectId keeper = TRegistry(settings).GetId();
    EXPECT_EQ(pndbOpenObject(held, keeper, PnDb::kForWrite), Plnx::eOk);  // held by someone else
    return settings;
  };
  auto noApplicationRoot = [] { return static_cast<PnDbDictionary*>(nullptr); };
  for (const std::function<PnDbDictionary*()>& setUp :
       std::initializer_list<std::function<PnDbDictionary*()>>{foreignEntry, busyKeeper, noApplicationRoot}) {
    NewDrawing();
    KOVTContext none(KOVT_CONTEXT_NONE);
    PnDbDictionary* settings = setUp();
    {
      TRegistry registry(settings);
      EXPECT_TRUE(registry.GetId().isNull());
      EXPECT_EQ(registry.RootKeys(), nullptr);
      EXPECT_FALSE(registry.OpenKey(L"\\\\Standard", true));
      EXPECT_FALSE(registry.KeyExists(L"\\\\Standard"));
      EXPECT_FALSE(registry.WriteInteger(L"Version", 1));
      EXPECT_FALSE(registry.DeleteValue(L"Version"));
    }
    if (settings != nullptr) settings->close();
    if (held != nullptr) held->close();
    held = nullptr;
    EXPECT_EQ(Drawing()->numOpenObjects(), 0u);
  }
}

TEST_F(RegistryAccess, CopiesShareTheKeeper) {
  {
    TRegistry registry;
    TRegistry copy(nullptr, kReadOnly);
    copy = registry;  // the keeper is closed once
    EXPECT_EQ(copy.GetId(), registry.GetId());
  }
  ExpectNothingOpen();
}

// The common root is made only when asked; the registry asks for it.
TEST_F(RegistryAccess, TheWorkingDrawingGetsTheApplicationRootItLacks) {
  KOVTContext common(KOVT_CONTEXT_COMMON);
  ASSERT_FALSE(IsAppRootDict(Drawing()));
  {
    TRegistry registry;
    ExpectUsable(registry);
  }
  EXPECT_TRUE(IsAppRootDict(Drawing()));
  ExpectNothingOpen();
}

TEST_F(RegistryAccess, PathsWalkTheTreeAsListed) {
  TRegistry registry;
  for (const GoldenRow& row : ReadGoldenRows("registry/data/key_paths.txt", 5)) {
    const std::wstring& op = row[0];
    const wchar_t* path = row[1].c_str();
    std::wstring result = L"-";
    auto flag = [](bool value) { return std::wstring(value ? L"1" : L"0"); };
    if (op == L"open" || op == L"create") result = flag(registry.OpenKey(path, op == L"create"));
    else if (op == L"exists") result = flag(registry.KeyExists(path));
    else if (op == L"destroy") result = flag(registry.DestroyKey(path));
    else if (op == L"int") result = flag(registry.WriteInteger(path, std::stoi(row[2])));
    else if (op == L"float") result = flag(registry.WriteFloat(path, std::stod(row[2])));
    else if (op == L"string") result = flag(registry.WriteString(path, KOVTString(row[2].c_str())));
    else if (op == L"rename-value") result = flag(registry.RenameValue(path, row[2].c_str()));
    else if (op == L"delete-value") result = flag(registry.DeleteValue(path));
    else if (op == L"read") result = Read(registry, path, row[2]);
    else if (op == L"rename") registry.RenameKey(path, row[2]);
    else if (op == L"root") registry.SetRootKey(static_cast<std::uint32_t>(std::stoul(row[2])));
    else ADD_FAILURE() << "unknown operation";
    EXPECT_EQ(result, row[3]) << op << " " << path;
    EXPECT_EQ(Where(registry), row[4]) << op << " " << path;
  }
  EXPECT_EQ(registry.RootKeys()->size(), 2u);
}

TEST_F(RegistryAccess, ValuesRoundTripByKindAndNeverCrossKinds) {
  TRegistry registry;
  ASSERT_TRUE(registry.OpenKey(L"\\RW", true));
  auto roundTrip = [&registry](auto operation, auto written, auto blank) {
    auto value = written, read = blank, untouched = blank;
    EXPECT_TRUE((registry.*operation)(false, L"value", value));
    EXPECT_TRUE((registry.*operation)(true, L"value", read));
    EXPECT_EQ(read, written);
    EXPECT_FALSE((registry.*operation)(true, L"missing", untouched));
    EXPECT_EQ(untouched, blank);
  };
  roundTrip(&TRegistry::RWBool, true, false);
  roundTrip(&TRegistry::RWInteger, -42L, 7L);
  roundTrip(&TRegistry::RWFloat, 0.125, 2.0);
  roundTrip(&TRegistry::RWString, KOVTString(L"Standard"), KOVTString(L"x"));
  registry.WriteHandle(L"Handle", PnDbHandle(0x2A));
  PnDbHandle handle;
  EXPECT_TRUE(registry.ReadHandle(L"Handle", handle));
  EXPECT_EQ(handle, PnDbHandle(0x2A));

  registry.WriteInteger(L"flag", 2);
  // Binary reads replace the caller's buffer with a new one, whatever the size.
  const std::uint8_t bytes[] = {7, 0, 9};
  std::uint8_t* buffer = new std::uint8_t[1]{5};
  for (int size : {3, 0}) {
    registry.WriteBinaryData(L"blob", bytes, size);
    int read = -1;
    ASSERT_TRUE(registry.ReadBinaryData(L"blob", buffer, read)) << size;
    EXPECT_EQ(read, size);
    EXPECT_NE(buffer, nullptr);
    EXPECT_TRUE(std::equal(bytes, bytes + size, buffer));
  }
  delete[] buffer;
  buffer = nullptr;
  int size = 5;
  EXPECT_FALSE(registry.ReadBinaryData(L"flag", buffer, size));
  EXPECT_EQ(size, 5);
}

}  // namespace
