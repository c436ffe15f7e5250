#include "jobsettings/access_points.h"

#include <gtest/gtest.h>

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

// Init makes the settings once; callers share one object, which a reopened
// drawing reads back without creating anything.
TEST_F(AccessPoints, ReinforcementSettingsFromInitToAReopenedDrawing) {
  EXPECT_EQ(REINF_JOBSET(), nullptr);
  EXPECT_EQ(IS_REINF_JOBSET(), nullptr);
  EXPECT_FALSE(HasModuleRoot(kKovrRootDictName));

  ASSERT_TRUE(REINF_JOBSET_INIT());
  KOVTReinfJobSettings* settings = IS_REINF_JOBSET();
  ASSERT_NE(settings, nullptr);
  EXPECT_EQ(REINF_JOBSET(), settings);
  EXPECT_TRUE(HasModuleRoot(kKovrRootDictName));
  std::size_t objects = Drawing()->numObjects();
  EXPECT_TRUE(REINF_JOBSET_INIT());
  EXPECT_EQ(REINF_JOBSET(), settings);
  EXPECT_EQ(Drawing()->numObjects(), objects);
  {
    KOVTContext reinforcement(KOVT_CONTEXT_REINFORCEMENT);
    EXPECT_TRUE(KOVTIsDict(DDT_ProjectSettings, DDI_Application));
    REINF_JOBSET()->Mater.ReinforcementCover = 35.0;
    REINF_JOBSET()->Save();
  }
  Reopen();
  EXPECT_TRUE(HasModuleRoot(kKovrRootDictName));
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

TEST_F(AccessPoints, WithoutAWorkingDrawingEverythingAnswersNull) {
  pndbHostApplicationServices()->setWorkingDatabase(nullptr);
  EXPECT_FALSE(REINF_JOBSET_INIT());
  EXPECT_EQ(REINF_JOBSET(), nullptr);
  EXPECT_EQ(STEEL_JOBSET(), nullptr);
  EXPECT_EQ(STEEL_JOBSET(nullptr), nullptr);
  EXPECT_EQ(STEEL_JOBSET_FORCE(), nullptr);
  EXPECT_EQ(FORMWORK_JOBSET(), nullptr);
  EXPECT_TRUE(REINF_JOBSET_UNINIT());
}

// The formwork application makes the root; the access point only finds it.
void MakeFormworkDrawing(const wchar_t* workUnits) {
  KOVTContext formwork(KOVT_CONTEXT_FORMWORK);
  KOVTFormworkJobSettings settings;
  settings.Units.WorkUnits = workUnits;
  settings.Save();
}

TEST_F(AccessPoints, FormworkSettingsNeedTheFormworkRoot) {
  EXPECT_EQ(FORMWORK_JOBSET(), nullptr);
  EXPECT_FALSE(HasModuleRoot(kKovxRootDictName));
  STEEL_JOBSET_FORCE();
  EXPECT_EQ(FORMWORK_JOBSET(), nullptr);

  MakeFormworkDrawing(L"cm");
  KOVTContext steel(KOVT_CONTEXT_STEEL);
  KOVTFormworkJobSettings* formwork = FORMWORK_JOBSET();
  ASSERT_NE(formwork, nullptr);
  EXPECT_EQ(formwork->Units.WorkUnits, L"cm");
  EXPECT_EQ(FORMWORK_JOBSET(), formwork);
  EXPECT_EQ(KOVTContext().GetContext(), KOVT_CONTEXT_STEEL);
  EXPECT_EQ(REINF_JOBSET(), nullptr);
  EXPECT_EQ(Drawing()->numOpenObjects(), 0u);
}

TEST_F(AccessPoints, SteelForceCreatesTheSteelRoot) {
  EXPECT_EQ(STEEL_JOBSET(), nullptr);
  EXPECT_EQ(IS_STEEL_JOBSET(), nullptr);
  KOVTSteelJobSettings* steel = STEEL_JOBSET_FORCE();
  ASSERT_NE(steel, nullptr);
  EXPECT_TRUE(HasModuleRoot(kKovsRootDictName));
  EXPECT_FALSE(HasModuleRoot(kKovrRootDictName));
  EXPECT_EQ(STEEL_JOBSET(), steel);
  EXPECT_EQ(IS_STEEL_JOBSET(), steel);
  EXPECT_EQ(STEEL_JOBSET(Drawing()), steel);
  EXPECT_EQ(STEEL_JOBSET(nullptr), steel);
  EXPECT_EQ(STEEL_JOBSET_FORCE(), steel);
  EXPECT_EQ(REINF_JOBSET(), nullptr);
  EXPECT_EQ(Drawing()->numOpenObjects(), 0u);
}

// Removing a drawing drops its objects of all three modules, and only its.
TEST_F(AccessPoints, EachDrawingHasItsOwnObjectsUntilRemoved) {
  ASSERT_TRUE(REINF_JOBSET_INIT());
  KOVTSteelJobSettings* firstSteel = STEEL_JOBSET_FORCE();
  KOVTReinfJobSettings* first = REINF_JOBSET();
  first->Options.DisplayCrossDescr = false;
  MakeFormworkDrawing(L"cm");
  KOVTFormworkJobSettings* firstFormwork = FORMWORK_JOBSET();
  ASSERT_NE(firstFormwork, nullptr);
  firstFormwork->Units.WorkUnits = L"mm";  // not saved

  PnDbDatabase* other = OtherDrawing();
  ASSERT_TRUE(REINF_JOBSET_INIT());
  KOVTReinfJobSettings* second = REINF_JOBSET();
  MakeFormworkDrawing(L"m");
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
  EXPECT_EQ(renewedFormwork->Units.WorkUnits, L"cm");
  EXPECT_EQ(firstFormwork->Units.WorkUnits, L"mm");
  EXPECT_EQ(other->numOpenObjects(), 0u);
  EXPECT_EQ(Drawing()->numOpenObjects(), 0u);
}

TEST_F(AccessPoints, UninitEmptiesOnlyTheReinforcementCacheAndLookupsKeepTheContext) {
  KOVTContext steelContext(KOVT_CONTEXT_STEEL);
  ASSERT_TRUE(REINF_JOBSET_INIT());
  KOVTReinfJobSettings* reinforcement = REINF_JOBSET();
  EXPECT_EQ(KOVTContext().GetContext(), KOVT_CONTEXT_STEEL);
  KOVTSteelJobSettings* steel = STEEL_JOBSET_FORCE();
  EXPECT_TRUE(REINF_JOBSET_UNINIT());
  EXPECT_EQ(IS_REINF_JOBSET(), nullptr);
  EXPECT_NE(REINF_JOBSET(), reinforcement);
  EXPECT_EQ(STEEL_JOBSET(), steel);
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

TEST_F(ReinfJobsetCopy, EverySetAndTheNameListReachTheOtherDrawingFile) {
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
  KOVTReinfJobSettings* settings = REINF_JOBSET();
  ASSERT_NE(settings, nullptr);
  ASSERT_EQ(settings->GetSettingSize(), 2);
  EXPECT_EQ(settings->GetSettingName(0), KOVTString(L"Standard"));
  EXPECT_EQ(settings->GetSettingName(1), KOVTString(L"Beams"));
  EXPECT_EQ(settings->Mater.ReinforcementCover, 42.0);
  KOVTContext reinforcement(KOVT_CONTEXT_REINFORCEMENT);
  ASSERT_TRUE(settings->ReadJobSettings(L"Beams", nullptr, KoVTPrjReg::kReadOnly));
  EXPECT_EQ(settings->Mater.ReinforcementCover, 25.0);
  EXPECT_EQ(settings->Norms.Reinforce, KOVTString(L"Template code"));
}

TEST_F(ReinfJobsetCopy, ADestinationRegistryIsKept) {
  std::wstring templateFile = SaveTemplate();
  Fresh();
  ASSERT_TRUE(REINF_JOBSET_INIT());
  PnDbDatabase source(false);
  ASSERT_EQ(source.readDwgFile(templateFile.c_str()), Plnx::eOk);
  {
    KOVTContext reinforcement(KOVT_CONTEXT_REINFORCEMENT);
    EXPECT_TRUE(CopyReinfJobsetFromTo(&source, Drawing()));
  }
  REMOVE_JOBSET(Drawing());
  ASSERT_NE(REINF_JOBSET(), nullptr);
  EXPECT_EQ(REINF_JOBSET()->GetSettingSize(), 1);
  EXPECT_EQ(REINF_JOBSET()->Mater.ReinforcementCover, 50.0);
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
