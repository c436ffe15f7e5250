// Ids a copy brings from a template drawing, moved to the target's records.
#include "tools/copied_references.h"

#include "registry/registry_access.h"
#include "tests/copy/copy_fixture.h"

namespace {

using KoVTPrjReg::TRegistry;

class MovedReferences : public CopyTest {
 protected:
  // The id values below, written to a registry of the target, found and
  // moved there; answers them as read back from the drawing after a reopen.
  std::vector<std::wstring> MoveAndReopen(const std::vector<PnDbObjectId>& ids) {
    PnDbObjectId settings = Dict(Drawing()->namedObjectsDictionaryId(), L"Settings");
    {
      PnDbDictionary* dictionary = nullptr;
      EXPECT_EQ(pndbOpenObject(dictionary, settings, PnDb::kForWrite), Plnx::eOk);
      TRegistry registry(dictionary);
      EXPECT_TRUE(registry.OpenKey(L"//Standard/Deep", true));
      for (std::size_t i = 0; i < ids.size(); ++i) registry.WriteObjectId(Name(i).c_str(), ids[i]);
      CopiedReferences(Source(), registry).MoveTo(Drawing(), registry);
      dictionary->close();
    }
    PnDbDatabase* reopened = SaveAndReopen();
    PnDbDictionary* dictionary = nullptr;
    EXPECT_EQ(pndbOpenObject(dictionary, At(reopened, L"Settings"), PnDb::kForRead), Plnx::eOk);
    std::vector<std::wstring> names;
    {
      TRegistry registry(dictionary, KoVTPrjReg::kReadOnly);
      EXPECT_TRUE(registry.OpenKey(L"//Standard/Deep", false));
      for (std::size_t i = 0; i < ids.size(); ++i) {
        PnDbObjectId id;
        EXPECT_TRUE(registry.ReadObjectId(Name(i).c_str(), id));
        names.push_back(id.isNull() ? L"(null)" : RecordName(id));
      }
    }
    dictionary->close();
    return names;
  }

 private:
  static std::wstring Name(std::size_t i) { return L"Id" + std::to_wstring(i); }
};

TEST_F(MovedReferences, TemplateIdsBecomeTheTargetsRecordsOfTheSameName) {
  AddLinetype(Drawing(), L"Filler");  // so that equal names sit at other handles
  AddLinetype(Drawing(), L"Dashed");
  AddDimStyle(Drawing(), L"Iso");
  const PnDbObjectId own = AddLinetype(Drawing(), L"Own");
  const std::vector<PnDbObjectId> ids = {
      AddLinetype(Source(), L"DASHED"),
      AddLinetype(Source(), L"Phantom", {1.0, -0.5}),
      AddTextStyle(Source(), L"Notes"),
      AddDimStyle(Source(), L"Iso"),
      AddDimStyle(Source(), L"Metric"),
      Source()->namedObjectsDictionaryId(),
      own,
      PnDbObjectId(),
  };
  EXPECT_EQ(MoveAndReopen(ids),
            (std::vector<std::wstring>{L"Dashed", L"Phantom", L"Notes", L"Iso", L"(null)", L"(null)", L"Own",
                                       L"(null)"}));
  // The missing linetype and text style were copied over, once each.
  EXPECT_EQ(RecordNames<PnDbTextStyleTable>(Drawing()).back(), L"Notes");
  const auto linetypes = RecordNames<PnDbLinetypeTable>(Drawing());
  EXPECT_EQ(std::count(linetypes.begin(), linetypes.end(), L"Phantom"), 1);
}

}  // namespace
