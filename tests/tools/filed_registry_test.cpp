// The template's registry added to a target as the items it files, against
// the key-by-key copy it stands for: the saved targets agree byte for byte,
// and the ids then name the target's records.
#include "tools/filed_registry.h"

#include <filesystem>
#include <map>
#include <optional>
#include <sstream>

#include "registry/registry_access.h"
#include "registry/registry_keeper.h"
#include "tests/copy/copy_fixture.h"
#include "tests/host/host_test_support.h"
#include "tests/support/golden_rows.h"

namespace {

using KoVTPrjReg::TRegistry;

class FiledRegistries : public CopyTest {
 protected:
  // The template's "Settings" holds a keeper with a few values and `ids`
  // (as the cases write them), and `other` beside it unless that is empty.
  void FillTemplate(const std::wstring& ids, const std::wstring& other) {
    // Its names differ in case from the target's: records match by name alone.
    m_records = {{L"linetype:DASHED", AddLinetype(Source(), L"DASHED")},
                 {L"linetype:Phantom", AddLinetype(Source(), L"Phantom", {1.0, -0.5})},
                 {L"textstyle:NOTES", AddTextStyle(Source(), L"NOTES")},
                 {L"textstyle:Titles", AddTextStyle(Source(), L"Titles")},
                 {L"dimstyle:Iso", AddDimStyle(Source(), L"ISO")},
                 {L"dimstyle:Metric", AddDimStyle(Source(), L"Metric")},
                 {L"named-objects", Source()->namedObjectsDictionaryId()}};
    m_settings = Dict(Source()->namedObjectsDictionaryId(), L"Settings");
    if (!other.empty()) Dict(m_settings, other.c_str());
    PnDbDictionary* dictionary = nullptr;
    ASSERT_EQ(pndbOpenObject(dictionary, m_settings, PnDb::kForWrite), Plnx::eOk);
    {
      TRegistry registry(dictionary);
      ASSERT_TRUE(registry.OpenKey(L"//Standard/Deep", true));
      registry.WriteString(L"Name", L"Tower B");
      registry.WriteFloat(L"Scale", 0.125);
      std::wistringstream list(ids);
      int i = 0;
      for (std::wstring id; std::getline(list, id, L',');)
        registry.WriteObjectId((L"Id" + std::to_wstring(i++)).c_str(), m_records[id]);
    }
    dictionary->close();
  }

  // A new target, its records at other handles than the template's, given the
  // template's registry filed or key by key; when that was done, saved and
  // reopened, and the bytes saved.
  Bytes Copied(bool filed) {
    PnDbDatabase* target = NewDrawing();
    AddLinetype(target, L"Filler");
    AddLinetype(target, L"Dashed");
    AddTextStyle(target, L"Notes");
    AddDimStyle(target, L"Iso");
    const PnDbObjectId settings = Dict(target->namedObjectsDictionaryId(), L"Settings");
    PnDbDictionary* source = nullptr;
    EXPECT_EQ(pndbOpenObject(source, m_settings, PnDb::kForRead), Plnx::eOk);
    std::optional<CopiedReferences> references;
    {
      TRegistry registry(source, KoVTPrjReg::kReadOnly);
      references.emplace(Source(), registry);
    }
    const std::optional<FiledRegistry> registry = FiledRegistry::Of(*source);
    PnDbDictionary* destination = nullptr;
    EXPECT_EQ(pndbOpenObject(destination, settings, PnDb::kForWrite), Plnx::eOk);
    bool done = false;
    if (filed) {
      done = registry && references->FoundIn(target) && registry->AddTo(*destination, references->In(target));
    } else {
      PnDbObject* keeper = nullptr;
      EXPECT_EQ(source->getAt(kRegistryKeeperEntry, keeper, PnDb::kForRead), Plnx::eOk);
      PnDbObject* clone = keeper->clone();
      keeper->close();
      PnDbObjectId id;
      EXPECT_EQ(destination->setAt(kRegistryKeeperEntry, clone, id), Plnx::eOk);
      clone->close();
      TRegistry copied(destination);
      references->MoveTo(target, copied);
      done = true;
    }
    destination->close();
    source->close();
    if (!done) return {};
    SaveAndReopen();
    return readFile(ScratchFile("reopened.pndwg"));
  }
  // The ids of the reopened target's registry, as the names of their records.
  std::wstring IdNames() {
    PnDbDictionary* dictionary = nullptr;
    EXPECT_EQ(pndbOpenObject(dictionary, At(Drawing(), L"Settings"), PnDb::kForRead), Plnx::eOk);
    std::wstring names;
    {
      TRegistry registry(dictionary, KoVTPrjReg::kReadOnly);
      EXPECT_TRUE(registry.OpenKey(L"//Standard/Deep", false));
      PnDbObjectId id;
      for (int i = 0; registry.ReadObjectId((L"Id" + std::to_wstring(i)).c_str(), id); ++i)
        names += (i == 0 ? L"" : L",") + (id.isNull() ? std::wstring(L"(null)") : RecordName(id));
    }
    dictionary->close();
    return names;
  }

 private:
  std::map<std::wstring, PnDbObjectId> m_records;  // the template's, as the cases name them
  PnDbObjectId m_settings;
};

TEST_F(FiledRegistries, SaveAsTheKeyByKeyCopy) {
  for (const GoldenRow& row : ReadGoldenRows("tools/data/filed_registry_cases.txt", 4)) {
    SCOPED_TRACE(std::filesystem::path(row[0]).string() + " / " + std::filesystem::path(row[1]).string());
    TearDown();
    SetUp();
    FillTemplate(row[0], row[1]);
    const Bytes filed = Copied(true);
    ExpectAllClosed();
    EXPECT_EQ(filed.empty(), row[2] == L"keys") << "added filed";
    const Bytes keys = Copied(false);
    EXPECT_EQ(IdNames(), row[3]);
    EXPECT_TRUE(filed.empty() || filed == keys) << "the saved targets differ";
  }
}

}  // namespace
