#include "jobsettings/access_points.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "dictionaries/dict_names.h"
#include "dictionaries/dict_tree.h"
#include "dictionaries/typed_dicts.h"
#include "environment/app_context.h"
#include "registry/project_registry_error.h"
#include "registry/registry_keeper.h"
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
  PnDbDatabase* Reopen() {
    REMOVE_JOBSET(Drawing());
    return SaveAndReopen();
  }
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

// Init makes the settings once and uninit forgets only them; a reopened
// drawing's init creates nothing and caches nothing.
TEST_F(AccessPoints, ReinforcementInitUninitAndAReopenedDrawing) {
  pndbHostApplicationServices()->setWorkingDatabase(nullptr);
  EXPECT_FALSE(REINF_JOBSET_INIT());
  BackToDrawing();
  ASSERT_TRUE(REINF_JOBSET_INIT());
  KOVTReinfJobSettings* settings = IS_REINF_JOBSET();
  ASSERT_NE(settings, nullptr);
  std::size_t objects = Drawing()->numObjects();
  EXPECT_TRUE(REINF_JOBSET_INIT());
  EXPECT_EQ(REINF_JOBSET(), settings);
  EXPECT_EQ(Drawing()->numObjects(), objects);
  KOVTSteelJobSettings* steel = STEEL_JOBSET_FORCE();
  EXPECT_TRUE(REINF_JOBSET_UNINIT());
  EXPECT_EQ(IS_REINF_JOBSET(), nullptr);
  EXPECT_NE(REINF_JOBSET(), settings);
  EXPECT_EQ(STEEL_JOBSET(), steel);
  {
    KOVTContext reinforcement(KOVT_CONTEXT_REINFORCEMENT);
    EXPECT_TRUE(KOVTIsDict(DDT_ProjectSettings, DDI_Application));
    REINF_JOBSET()->Mater.ReinforcementCover = 35.0;
    REINF_JOBSET()->Save();
  }
  Reopen();
  objects = Drawing()->numObjects();
  EXPECT_TRUE(REINF_JOBSET_INIT());
  EXPECT_EQ(IS_REINF_JOBSET(), nullptr);
  EXPECT_EQ(Drawing()->numObjects(), objects);
  ASSERT_NE(REINF_JOBSET(), nullptr);
  EXPECT_EQ(REINF_JOBSET()->Mater.ReinforcementCover, 35.0);
  EXPECT_EQ(Drawing()->numOpenObjects(), 0u);
}

// The object cached under another drawing is read from the working one.
TEST_F(AccessPoints, SteelOfADrawingThatIsNotTheWorkingOne) {
  auto saveStructuralCode = [](const wchar_t* code) {
    KOVTSteelJobSettings* settings = STEEL_JOBSET_FORCE();
    KOVTContext steel(KOVT_CONTEXT_STEEL);
    settings->Norm.StructuralStd = code;
    settings->Save();
  };
  saveStructuralCode(L"Own");
  REMOVE_JOBSET(Drawing());
  OtherDrawing();
  saveStructuralCode(L"Working");
  KOVTSteelJobSettings* working = STEEL_JOBSET();
  PnDbDatabase withoutSteel;
  EXPECT_EQ(STEEL_JOBSET(&withoutSteel), nullptr);

  KOVTSteelJobSettings* cached = STEEL_JOBSET(Drawing());
  ASSERT_NE(cached, nullptr);
  EXPECT_NE(cached, working);
  EXPECT_EQ(cached->Norm.StructuralStd, L"Working");
  EXPECT_EQ(STEEL_JOBSET(), working);
  BackToDrawing();
  EXPECT_EQ(STEEL_JOBSET(), cached);
  EXPECT_EQ(Drawing()->numOpenObjects(), 0u);
}

// Removing a drawing drops its objects of all three modules, and only its.
TEST_F(AccessPoints, EachDrawingHasItsOwnObjectsUntilRemoved) {
  ASSERT_TRUE(REINF_JOBSET_INIT());
  KOVTSteelJobSettings* firstSteel = STEEL_JOBSET_FORCE();
  KOVTReinfJobSettings* first = REINF_JOBSET();
  first->Options.DisplayCrossDescr = false;
  kFormworkRoot();
  KOVTFormworkJobSettings* firstFormwork = FORMWORK_JOBSET();
  ASSERT_NE(firstFormwork, nullptr);
  firstFormwork->Units.WorkUnits = L"mm";  // not saved

  PnDbDatabase* other = OtherDrawing();
  ASSERT_TRUE(REINF_JOBSET_INIT());
  KOVTReinfJobSettings* second = REINF_JOBSET();
  kFormworkRoot();
  KOVTFormworkJobSettings* secondFormwork = FORMWORK_JOBSET();
  EXPECT_NE(second, first);
  EXPECT_NE(secondFormwork, firstFormwork);
  EXPECT_EQ(STEEL_JOBSET(), nullptr);
  EXPECT_EQ(STEEL_JOBSET(Drawing()), firstSteel);

  REMOVE_JOBSET(Drawing());
  EXPECT_EQ(REINF_JOBSET(), second);
  EXPECT_EQ(FORMWORK_JOBSET(), secondFormwork);
  BackToDrawing();
  KOVTReinfJobSettings* renewed = REINF_JOBSET();
  KOVTFormworkJobSettings* renewedFormwork = FORMWORK_JOBSET();
  ASSERT_NE(renewed, nullptr);
  ASSERT_NE(renewedFormwork, nullptr);
  EXPECT_NE(renewed, first);
  EXPECT_NE(renewedFormwork, firstFormwork);
  EXPECT_NE(STEEL_JOBSET(), firstSteel);
  // Nothing was saved: the fresh objects read the stored values. The old
  // ones stay usable by whoever still holds them.
  EXPECT_TRUE(renewed->Options.DisplayCrossDescr);
  EXPECT_FALSE(first->Options.DisplayCrossDescr);
  EXPECT_EQ(renewedFormwork->Units.WorkUnits, L"m");
  EXPECT_EQ(firstFormwork->Units.WorkUnits, L"mm");
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

class ReinfJobsetCopy : public AccessPoints {
 protected:
  // A template drawing file with two reinforcement sets, "Standard" and "Beams".
  std::wstring SaveTemplate() {
    EXPECT_TRUE(REINF_JOBSET_INIT());
    KOVTReinfJobSettings* settings = REINF_JOBSET();
    KOVTContext reinforcement(KOVT_CONTEXT_REINFORCEMENT);
    settings->Mater.ReinforcementCover = 42.0;
    settings->Save();
    settings->Mater.ReinforcementCover = 25.0;
    settings->Norms.Reinforce = L"Template code";
    settings->AddSettingName(L"Beams");
    settings->WriteJobSettings(L"Beams", nullptr);
    std::wstring file = ScratchFile("template.pndwg");
    EXPECT_EQ(Drawing()->saveAs(file.c_str()), Plnx::eOk);
    return file;
  }
};

// Every set and the name list reach a drawing without settings; one with
// settings keeps its own.
TEST_F(ReinfJobsetCopy, SetsReachADrawingWithoutSettingsOnly) {
  std::wstring templateFile = SaveTemplate();
  Fresh();
  PnDbDatabase source(false);
  ASSERT_EQ(source.readDwgFile(templateFile.c_str()), Plnx::eOk);
  {
    KOVTContext reinforcement(KOVT_CONTEXT_REINFORCEMENT);
    EXPECT_TRUE(CopyReinfJobsetFromTo(&source, nullptr));
  }
  EXPECT_EQ(source.numOpenObjects(), 0u);
  EXPECT_EQ(Drawing()->numOpenObjects(), 0u);

  Reopen();
  KOVTContext reinforcement(KOVT_CONTEXT_REINFORCEMENT);
  KOVTReinfJobSettings* settings = REINF_JOBSET();
  ASSERT_NE(settings, nullptr);
  ASSERT_EQ(settings->GetSettingSize(), 2);
  EXPECT_EQ(settings->GetSettingName(0), KOVTString(L"Standard"));
  EXPECT_EQ(settings->GetSettingName(1), KOVTString(L"Beams"));
  EXPECT_EQ(settings->Mater.ReinforcementCover, 42.0);
  ASSERT_TRUE(settings->ReadJobSettings(L"Beams", nullptr, KoVTPrjReg::kReadOnly));
  EXPECT_EQ(settings->Mater.ReinforcementCover, 25.0);
  EXPECT_EQ(settings->Norms.Reinforce, KOVTString(L"Template code"));

  settings->DelSettingName(L"Beams");
  settings->WriteVector(nullptr);
  settings->Mater.ReinforcementCover = 7.0;
  settings->Save();
  EXPECT_TRUE(CopyReinfJobsetFromTo(&source, Drawing()));
  REMOVE_JOBSET(Drawing());
  ASSERT_NE(REINF_JOBSET(), nullptr);
  EXPECT_EQ(REINF_JOBSET()->GetSettingSize(), 1);
  EXPECT_EQ(REINF_JOBSET()->Mater.ReinforcementCover, 7.0);
}

TEST_F(ReinfJobsetCopy, NothingToCopyOrNoSource) {
  PnDbDatabase empty;
  std::size_t objects = Drawing()->numObjects();
  KOVTContext reinforcement(KOVT_CONTEXT_REINFORCEMENT);
  EXPECT_TRUE(CopyReinfJobsetFromTo(&empty, Drawing()));
  EXPECT_EQ(Drawing()->numObjects(), objects);
  EXPECT_FALSE(CopyReinfJobsetFromTo(nullptr, Drawing()));
  pndbHostApplicationServices()->setWorkingDatabase(nullptr);
  EXPECT_FALSE(CopyReinfJobsetFromTo(&empty, nullptr));
}

// The list keeps the entries of the given grades (compared exactly), adds the
// missing ones with the last entry's symbols, and counts the grades given.
TEST_F(AccessPoints, SteelVectorUpdate) {
  struct Case {
    std::vector<RSTEEL> before;
    std::vector<const wchar_t*> grades;
    std::vector<RSTEEL> after;
  };
  const Case cases[] = {
      {{{L"B", 3, L"b"}, {L"C", 7, L"c-symbol"}}, {L"A", L"B"}, {{L"B", 3, L"b"}, {L"A", 7, L"c-symbol"}}},
      {{{L"fe 500", 2, L""}}, {L"FE 500", L"FE 500"}, {{L"FE 500", 2, L""}}},
      {{{L"B", 3, L"b"}}, {}, {}},
      {{}, {L"X"}, {{L"X", 0, L""}}},
  };
  ASSERT_TRUE(REINF_JOBSET_INIT());
  KOVTReinfJobSettings* settings = REINF_JOBSET();
  for (const Case& c : cases) {
    settings->Mater.SteelList = c.before;
    settings->Mater.ReinfSteelSize = static_cast<std::int32_t>(c.before.size());
    KoVT::Core::TStringList grades;
    for (const wchar_t* grade : c.grades) grades.Add(grade);
    KOVTReinfSteelVectorUpdate(grades);
    ASSERT_EQ(settings->Mater.SteelList.size(), c.after.size()) << c.grades.size();
    for (std::size_t i = 0; i < c.after.size(); ++i) {
      EXPECT_EQ(settings->Mater.SteelList[i].Class, c.after[i].Class);
      EXPECT_EQ(settings->Mater.SteelList[i].Symbol, c.after[i].Symbol);
      EXPECT_EQ(settings->Mater.SteelList[i].UserSymbol, c.after[i].UserSymbol);
    }
    EXPECT_EQ(settings->Mater.ReinfSteelSize, static_cast<std::int32_t>(c.grades.size()));
  }
  // A drawing without reinforcement is left alone.
  Fresh();
  KoVT::Core::TStringList grade;
  grade.Add(L"A");
  KOVTReinfSteelVectorUpdate(grade);
  EXPECT_FALSE(HasModuleRoot(kKovrRootDictName));
  EXPECT_EQ(IS_REINF_JOBSET(), nullptr);
}

}  // namespace
