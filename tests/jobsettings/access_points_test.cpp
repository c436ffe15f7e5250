#include "jobsettings/access_points.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "dictionaries/dict_names.h"
#include "dictionaries/dict_tree.h"
#include "environment/app_context.h"
#include "registry/project_registry_error.h"
#include "registry/registry_keeper.h"
#include "tests/jobsettings/listing.h"
#include "tests/support/kovt_drawing.h"

namespace {

class AccessPoints : public KovtDrawingTest {
 protected:
  void TearDown() override {
    for (PnDbDatabase* database : {Drawing(), m_other.get()}) REMOVE_JOBSET(database);
    REINF_JOBSET_UNINIT();
    pndbHostApplicationServices()->setWorkingDatabase(nullptr);
    m_other.reset();
    KovtDrawingTest::TearDown();
  }

  // A second drawing, made the working one.
  PnDbDatabase* OtherDrawing() {
    if (!m_other) m_other = std::make_unique<PnDbDatabase>();
    pndbHostApplicationServices()->setWorkingDatabase(m_other.get());
    return m_other.get();
  }
  void BackToDrawing() { pndbHostApplicationServices()->setWorkingDatabase(Drawing()); }
  // The cache must forget a drawing before its address can be reused.
  PnDbDatabase* Fresh() {
    REMOVE_JOBSET(Drawing());
    return NewDrawing();
  }

  static bool HasModuleRoot(const wchar_t* name) {
    PnDbDictionary* root = GetRootDict(nullptr, PnDb::kForRead, false);
    return root != nullptr && IsSubDict(root, name);
  }

 private:
  std::unique_ptr<PnDbDatabase> m_other;
};

// Each access point, the root of its module and what it does on a miss:
// only finds (Find), creates where the root exists (Create) or creates the
// root too (Force). `make` is the creating lookup of the point's module.
enum class Miss { Find, Create, Force };
struct Point {
  const char* name;
  const wchar_t* root;
  Miss miss;
  std::function<KOVTJobSettings*()> get, make;
  void (*makeRoot)();
};

template <class Settings, KOVTCONTEXT_TYPE context>
void MakeRoot() {
  KOVTContext scope(context);
  Settings().Save();
}
KOVTJobSettings* Steel() { return STEEL_JOBSET(); }
KOVTJobSettings* SteelOfNull() { return STEEL_JOBSET(nullptr); }
KOVTJobSettings* SteelOfWorking() { return STEEL_JOBSET(pndbHostApplicationServices()->workingDatabase()); }

constexpr auto kReinfRoot = &MakeRoot<KOVTReinfJobSettings, KOVT_CONTEXT_REINFORCEMENT>;
constexpr auto kSteelRoot = &MakeRoot<KOVTSteelJobSettings, KOVT_CONTEXT_STEEL>;
constexpr auto kFormworkRoot = &MakeRoot<KOVTFormworkJobSettings, KOVT_CONTEXT_FORMWORK>;
const Point kPoints[] = {
    {"IS_REINF_JOBSET", kKovrRootDictName, Miss::Find, IS_REINF_JOBSET, REINF_JOBSET, kReinfRoot},
    {"REINF_JOBSET", kKovrRootDictName, Miss::Create, REINF_JOBSET, REINF_JOBSET, kReinfRoot},
    {"IS_STEEL_JOBSET", kKovsRootDictName, Miss::Find, IS_STEEL_JOBSET, Steel, kSteelRoot},
    {"STEEL_JOBSET", kKovsRootDictName, Miss::Create, Steel, Steel, kSteelRoot},
    {"STEEL_JOBSET(null)", kKovsRootDictName, Miss::Create, SteelOfNull, Steel, kSteelRoot},
    {"STEEL_JOBSET(working)", kKovsRootDictName, Miss::Create, SteelOfWorking, Steel, kSteelRoot},
    {"STEEL_JOBSET_FORCE", kKovsRootDictName, Miss::Force, STEEL_JOBSET_FORCE, Steel, kSteelRoot},
    {"FORMWORK_JOBSET", kKovxRootDictName, Miss::Create, FORMWORK_JOBSET, FORMWORK_JOBSET, kFormworkRoot},
};

// Every point answers null without a working drawing, and without its root
// unless it forces one; then it hands out one cached object, in the caller's
// context, leaving nothing open and the other modules' roots alone.
TEST_F(AccessPoints, EveryPointFromNoDrawingToItsCachedObject) {
  for (const Point& point : kPoints) {
    SCOPED_TRACE(point.name);
    Fresh();
    KOVTContext caller(KOVT_CONTEXT_BARSHAPES);
    pndbHostApplicationServices()->setWorkingDatabase(nullptr);
    EXPECT_EQ(point.get(), nullptr);
    BackToDrawing();
    KOVTJobSettings* first = point.get();
    EXPECT_EQ(first != nullptr, point.miss == Miss::Force);
    EXPECT_EQ(HasModuleRoot(point.root), point.miss == Miss::Force);
    if (point.miss != Miss::Force) point.makeRoot();
    EXPECT_EQ(point.get() == nullptr, point.miss == Miss::Find);
    KOVTJobSettings* made = point.make();
    ASSERT_NE(made, nullptr);
    EXPECT_EQ(point.get(), made);
    EXPECT_EQ(KOVTContext().GetContext(), KOVT_CONTEXT_BARSHAPES);
    for (const wchar_t* root : {kKovrRootDictName, kKovsRootDictName, kKovxRootDictName})
      EXPECT_EQ(HasModuleRoot(root), root == point.root) << KOVTString(root).c_str();
    EXPECT_EQ(Drawing()->numOpenObjects(), 0u);
  }
}

// Init makes the settings once, and on a drawing that has them creates
// nothing and caches nothing; uninit forgets only the reinforcement objects.
TEST_F(AccessPoints, ReinforcementInitAndUninit) {
  pndbHostApplicationServices()->setWorkingDatabase(nullptr);
  EXPECT_FALSE(REINF_JOBSET_INIT());
  BackToDrawing();
  ASSERT_TRUE(REINF_JOBSET_INIT());
  KOVTReinfJobSettings* settings = IS_REINF_JOBSET();
  ASSERT_NE(settings, nullptr);
  EXPECT_TRUE(REINF_JOBSET_INIT());
  EXPECT_EQ(REINF_JOBSET(), settings);
  KOVTSteelJobSettings* steel = STEEL_JOBSET_FORCE();
  {
    KOVTContext reinforcement(KOVT_CONTEXT_REINFORCEMENT);
    settings->Mater.ReinforcementCover = 35.0;
    settings->Save();
  }
  const std::size_t objects = Drawing()->numObjects();
  EXPECT_TRUE(REINF_JOBSET_UNINIT());
  EXPECT_EQ(IS_REINF_JOBSET(), nullptr);
  EXPECT_TRUE(REINF_JOBSET_INIT());
  EXPECT_EQ(IS_REINF_JOBSET(), nullptr);
  EXPECT_EQ(Drawing()->numObjects(), objects);
  EXPECT_EQ(STEEL_JOBSET(), steel);
  ASSERT_NE(REINF_JOBSET(), nullptr);
  EXPECT_NE(REINF_JOBSET(), settings);
  EXPECT_EQ(REINF_JOBSET()->Mater.ReinforcementCover, 35.0);
  EXPECT_EQ(Drawing()->numOpenObjects(), 0u);
}

// Each drawing has its own objects; removing a drawing drops those of all
// three modules, and only its, while whoever holds them can still use them.
// A steel object asked for another drawing reads the working one.
TEST_F(AccessPoints, EachDrawingHasItsOwnObjectsUntilRemoved) {
  ASSERT_TRUE(REINF_JOBSET_INIT());
  kFormworkRoot();
  KOVTReinfJobSettings* first = REINF_JOBSET();
  KOVTFormworkJobSettings* firstFormwork = FORMWORK_JOBSET();
  KOVTSteelJobSettings* firstSteel = STEEL_JOBSET_FORCE();
  first->Options.DisplayCrossDescr = false;  // not saved

  PnDbDatabase* other = OtherDrawing();
  ASSERT_TRUE(REINF_JOBSET_INIT());
  kFormworkRoot();
  KOVTReinfJobSettings* second = REINF_JOBSET();
  KOVTFormworkJobSettings* secondFormwork = FORMWORK_JOBSET();
  EXPECT_NE(second, first);
  EXPECT_NE(secondFormwork, firstFormwork);
  EXPECT_EQ(STEEL_JOBSET(), nullptr);
  EXPECT_EQ(STEEL_JOBSET(Drawing()), firstSteel);

  REMOVE_JOBSET(Drawing());
  {
    KOVTContext steel(KOVT_CONTEXT_STEEL);
    STEEL_JOBSET_FORCE()->Norm.StructuralStd = L"Working";
    STEEL_JOBSET()->Save();
  }
  KOVTSteelJobSettings* cached = STEEL_JOBSET(Drawing());
  ASSERT_NE(cached, nullptr);
  EXPECT_NE(cached, firstSteel);
  EXPECT_EQ(cached->Norm.StructuralStd, L"Working");
  EXPECT_NE(STEEL_JOBSET(), cached);
  EXPECT_EQ(REINF_JOBSET(), second);
  EXPECT_EQ(FORMWORK_JOBSET(), secondFormwork);
  BackToDrawing();
  EXPECT_EQ(STEEL_JOBSET(), cached);
  KOVTReinfJobSettings* renewed = REINF_JOBSET();
  ASSERT_NE(renewed, nullptr);
  EXPECT_NE(renewed, first);
  EXPECT_NE(FORMWORK_JOBSET(), nullptr);
  EXPECT_NE(FORMWORK_JOBSET(), firstFormwork);
  EXPECT_TRUE(renewed->Options.DisplayCrossDescr);
  EXPECT_FALSE(first->Options.DisplayCrossDescr);
  EXPECT_EQ(other->numOpenObjects(), 0u);
  EXPECT_EQ(Drawing()->numOpenObjects(), 0u);
}

TEST_F(AccessPoints, ConstructorExceptionsReachTheCallerAndCacheNothing) {
  KoVTPrjReg::Finalize();
  EXPECT_THROW(STEEL_JOBSET_FORCE(), KoVT::EProjectRegistry);
  KoVTPrjReg::Initialize();
  EXPECT_EQ(IS_STEEL_JOBSET(), nullptr);
  EXPECT_EQ(Drawing()->numOpenObjects(), 0u);
  EXPECT_NE(STEEL_JOBSET(), nullptr);
}

// Every set and the name list reach a drawing without settings; one with
// settings keeps its own. A source without settings copies nothing.
TEST_F(AccessPoints, CopyingTheReinforcementSettings) {
  PnDbDatabase* source = OtherDrawing();
  ASSERT_TRUE(REINF_JOBSET_INIT());
  {
    KOVTContext reinforcement(KOVT_CONTEXT_REINFORCEMENT);
    KOVTReinfJobSettings* settings = REINF_JOBSET();
    settings->Mater.ReinforcementCover = 42.0;
    settings->Save();
    settings->Mater.ReinforcementCover = 25.0;
    settings->AddSettingName(L"Beams");
    settings->WriteJobSettings(L"Beams", nullptr);
  }
  BackToDrawing();
  KOVTContext reinforcement(KOVT_CONTEXT_REINFORCEMENT);
  PnDbDatabase empty;
  const std::size_t objects = Drawing()->numObjects();
  EXPECT_TRUE(CopyReinfJobsetFromTo(&empty, nullptr));
  EXPECT_EQ(Drawing()->numObjects(), objects);
  EXPECT_FALSE(CopyReinfJobsetFromTo(nullptr, Drawing()));
  EXPECT_TRUE(CopyReinfJobsetFromTo(source, nullptr));
  EXPECT_EQ(source->numOpenObjects(), 0u);
  EXPECT_EQ(Drawing()->numOpenObjects(), 0u);
  KOVTReinfJobSettings* settings = REINF_JOBSET();
  ASSERT_NE(settings, nullptr);
  ASSERT_EQ(settings->GetSettingSize(), 2);
  EXPECT_EQ(settings->GetSettingName(1), KOVTString(L"Beams"));
  EXPECT_EQ(settings->Mater.ReinforcementCover, 42.0);
  ASSERT_TRUE(settings->ReadJobSettings(L"Beams", nullptr, KoVTPrjReg::kReadOnly));
  EXPECT_EQ(settings->Mater.ReinforcementCover, 25.0);

  settings->DelSettingName(L"Beams");
  settings->WriteVector(nullptr);
  settings->Mater.ReinforcementCover = 7.0;
  settings->Save();
  EXPECT_TRUE(CopyReinfJobsetFromTo(source, Drawing()));
  REMOVE_JOBSET(Drawing());
  EXPECT_EQ(REINF_JOBSET()->GetSettingSize(), 1);
  EXPECT_EQ(REINF_JOBSET()->Mater.ReinforcementCover, 7.0);
  pndbHostApplicationServices()->setWorkingDatabase(nullptr);
  EXPECT_FALSE(CopyReinfJobsetFromTo(source, nullptr));
}

// Rows of data/steel_list_updates.txt; a drawing without reinforcement is left alone.
TEST_F(AccessPoints, SteelListUpdates) {
  ASSERT_TRUE(REINF_JOBSET_INIT());
  KOVTReinfJobSettings* settings = REINF_JOBSET();
  const auto update = [](const std::wstring& names) {
    KoVT::Core::TStringList grades;
    for (const std::wstring& grade : Split(names)) grades.Add(grade.c_str());
    KOVTReinfSteelVectorUpdate(grades);
    return grades.GetCount();
  };
  for (const GoldenRow& row : ReadGoldenRows("jobsettings/data/steel_list_updates.txt", 3)) {
    SCOPED_TRACE(WideToUtf8(row[0] + L" by " + row[1]));
    settings->Mater.SteelList = SteelList(row[0]);
    settings->Mater.ReinfSteelSize = static_cast<std::int32_t>(settings->Mater.SteelList.size());
    EXPECT_EQ(update(row[1]), settings->Mater.ReinfSteelSize);
    EXPECT_EQ(WideToUtf8(SteelListText(settings->Mater.SteelList)), WideToUtf8(row[2]));
  }
  Fresh();
  update(L"A");
  EXPECT_FALSE(HasModuleRoot(kKovrRootDictName));
  EXPECT_EQ(IS_REINF_JOBSET(), nullptr);
}

}  // namespace
