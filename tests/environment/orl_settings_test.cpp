// The suite's per-user start-up choices and the drawing marker.
#include "environment/config_access.h"
#include "environment/orl_marker.h"
#include "environment/orl_settings.h"
#include "environment/windows_registry.h"
#include "host/database.h"
#include "tests/environment/env_test_support.h"

namespace {

using namespace ORL_Tools;

using OrlSettings = EnvironmentTest;

KOVTString Stored(eORL module, const wchar_t* valueName) {
  KOVTString out;
  RegGetLocM2CurU_SZ(ORLSettingsKey(module), valueName, out);
  return out;
}

TEST_F(OrlSettings, StartupPageAndModule) {
  EXPECT_FALSE(GetORLShowStartup());
  EXPECT_EQ(GetORLModule(), eORL_None);
  // An installer's values serve until the user chooses.
  SetMachineValue(ORLSettingsKey(eORL_Common), L"ORLShowStartup", L"1");
  SetMachineValue(ORLSettingsKey(eORL_Common), L"ORLModule", L"Steel");
  EXPECT_TRUE(GetORLShowStartup());
  EXPECT_EQ(GetORLModule(), eORL_Steel);
  ASSERT_TRUE(SetORLShowStartup(false));
  EXPECT_FALSE(GetORLShowStartup());
  ASSERT_TRUE(SetORLModule(eORL_Formwork));
  EXPECT_EQ(Stored(eORL_Common, L"ORLModule"), L"Formwork");
  EXPECT_EQ(GetORLModule(), eORL_Formwork);
  EXPECT_FALSE(SetORLModule(eORL_Common));
  EXPECT_EQ(GetORLModule(), eORL_Formwork);
  RegSet2Cur_SZ(ORLSettingsKey(eORL_Common), L"ORLModule", L"Bridges", 7);
  EXPECT_EQ(GetORLModule(), eORL_None);
}

TEST_F(OrlSettings, TemplatesDefaultToTheConfigurationFolder) {
  KOVTString out = L"untouched";
  EXPECT_FALSE(GetORLDwtTepmplate(eORL_Common, out));
  EXPECT_EQ(out, L"untouched");
  ASSERT_TRUE(GetORLDwtTepmplate(eORL_Formwork, out));
  EXPECT_EQ(out, KOVTString(REINF_CFG()->GetAppPath(L"PATHCFG", 0)) + L"KOVX-044.DWT");
}

TEST_F(OrlSettings, TemplatesAreStoredPerModuleAndLocale) {
  for (const auto& [module, path] : {std::pair{eORL_None, L"x.dwt"}, {eORL_Common, L"x.dwt"},
                                      {eORL_Reinforcement, static_cast<const wchar_t*>(nullptr)}})
    EXPECT_FALSE(SetORLDwtTepmplate(module, path)) << module;
  EXPECT_EQ(Stored(eORL_Common, L"ORLDwtTemplate"), L"");
  ASSERT_TRUE(SetORLDwtTepmplate(eORL_Reinforcement, L"C:\\Templates\\Site.dwt"));
  EXPECT_EQ(Stored(eORL_Reinforcement, L"ORLDwtTemplate"), L"C:\\Templates\\Site.dwt");
  EXPECT_EQ(Stored(eORL_Reinforcement, L"ORLDwtTemplate_407"), L"C:\\Templates\\Site.dwt");
  KOVTString out;
  ASSERT_TRUE(GetORLDwtTepmplate(eORL_Reinforcement, out));
  EXPECT_EQ(out, L"C:\\Templates\\Site.dwt");
  ASSERT_TRUE(GetORLDwtTepmplate(eORL_Steel, out));
  EXPECT_EQ(out.Right(12), L"KOVS-001.DWT");
  // Written up to kMaxTemplateLength characters; read back only what the registry read takes.
  const std::wstring fits(kMaxRegistryCharacters - 1, L'a'), tooLong(kMaxTemplateLength + 10, L'a');
  ASSERT_TRUE(SetORLDwtTepmplate(eORL_Steel, fits.c_str()));
  ASSERT_TRUE(GetORLDwtTepmplate(eORL_Steel, out));
  EXPECT_EQ(out, fits);
  ASSERT_TRUE(SetORLDwtTepmplate(eORL_Steel, tooLong.c_str()));
  ASSERT_TRUE(GetORLDwtTepmplate(eORL_Steel, out));
  EXPECT_EQ(out.Right(12), L"KOVS-001.DWT");
}

TEST_F(OrlSettings, WorkspacesDefaultToTheSuiteResources) {
  const std::pair<eORL, const wchar_t*> defaults[] = {{eORL_Steel, L"Steel Detailing"},
                                                      {eORL_Reinforcement, L"Reinforcement Detailing"},
                                                      {eORL_Formwork, L"Formwork Detailing"},
                                                      {eORL_Common, L"Detailing Suite"}};
  KOVTString out;
  for (const auto& [module, name] : defaults) {
    ASSERT_TRUE(GetORLWorkspace(module, out));
    EXPECT_EQ(out, name);
  }
  ASSERT_TRUE(SetORLWorkspace(eORL_Common, L"My Workspace"));
  EXPECT_EQ(Stored(eORL_Common, L"ORLWorkspace_407"), L"My Workspace");
  ASSERT_TRUE(GetORLWorkspace(eORL_Common, out));
  EXPECT_EQ(out, L"My Workspace");
  EXPECT_FALSE(GetORLWorkspace(static_cast<eORL>(5), out));
  EXPECT_FALSE(SetORLWorkspace(eORL_None, L"x"));
}

// Marks a drawing with an empty dictionary and counts its calls.
class DictionaryMarker : public KovtIMarkerCreator {
 public:
  bool CreateMarker(PnDbDatabase* database, const wchar_t* name) override {
    ++calls;
    PnDbDictionary* named = nullptr;
    if (database->getNamedObjectsDictionary(named, PnDb::kForWrite) != Plnx::eOk) return false;
    auto* marker = new PnDbDictionary;
    PnDbObjectId id;
    const bool added = named->setAt(name, marker, id) == Plnx::eOk;
    if (added) marker->close();
    else delete marker;
    named->close();
    return added;
  }
  int calls = 0;
};

TEST(OrlMarker, IsCreatedOnceAndDeletedWithItsObject) {
  PnDbDatabase db, other;
  DictionaryMarker creator;
  pndbHostApplicationServices()->setWorkingDatabase(&db);
  EXPECT_FALSE(InitOrlMarker(nullptr));
  RegisterMarkerCreator(&creator);
  EXPECT_TRUE(InitOrlMarker(nullptr));
  EXPECT_TRUE(InitOrlMarker(&db));
  EXPECT_EQ(creator.calls, 1);
  EXPECT_TRUE(IsOrlMarker(&db));
  EXPECT_FALSE(IsOrlMarker(&other));
  PnDbDictionary* named = nullptr;
  ASSERT_EQ(db.getNamedObjectsDictionary(named, PnDb::kForRead), Plnx::eOk);
  PnDbObjectId marker;
  named->getAt(kOrlMarkerName, marker);
  named->close();
  DeleteOrlMarker(nullptr);
  EXPECT_FALSE(IsOrlMarker(&db));
  EXPECT_TRUE(marker.isErased());
  DeleteOrlMarker(&db);
  pndbHostApplicationServices()->setWorkingDatabase(nullptr);
  EXPECT_FALSE(InitOrlMarker(nullptr));
  EXPECT_EQ(creator.calls, 1);
  RegisterMarkerCreator(nullptr);
}

}  // namespace
