#include "core/module.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/module_load.h"
#include "core/object_maps.h"
#include "host/print.h"

namespace {

class RecordingModule : public KOVTMoKmoModule {
 public:
  std::vector<std::string> calls;
  bool failClasses = false;

  bool RegisterModule(void* p) override { return record("RegisterModule", KOVTMoKmoModule::RegisterModule(p)); }
  bool LoadModules(void* p) override { return record("LoadModules", KOVTMoKmoModule::LoadModules(p)); }
  bool UnLoadModules(void* p) override { return record("UnLoadModules", KOVTMoKmoModule::UnLoadModules(p)); }
  bool RegisterClasses(void* p) override {
    PnRxClass* cls = newPnRxClass(L"CoreTestClassA", L"PnDbObject", 0, 0, 0, nullptr);
    RegisteredClasses().push_back(cls);
    RegisteredClasses().push_back(nullptr);
    RegisteredClasses().push_back(newPnRxClass(L"CoreTestClassB", L"CoreTestClassA", 0, 0, 0, nullptr));
    return record("RegisterClasses", !failClasses && KOVTMoKmoModule::RegisterClasses(p));
  }
  bool UnRegisterClasses(void* p) override { return record("UnRegisterClasses", KOVTMoKmoModule::UnRegisterClasses(p)); }
  bool RegisterClassServants(void* p) override { return record("RegisterClassServants", true); }
  bool UnRegisterClassServants(void* p) override { return record("UnRegisterClassServants", true); }
  bool RegisterServices(void* p) override { return record("RegisterServices", true); }
  bool UnRegisterServices(void* p) override { return record("UnRegisterServices", true); }

 private:
  bool record(const char* name, bool result) {
    calls.emplace_back(name);
    return result;
  }
};

TEST(ModuleBase, InitialisesAndUnloadsInMirroredOrder) {
  RecordingModule module;
  int packet = 0;
  EXPECT_EQ(module.ProcessAppMsg(PnRx::kInitAppMsg, &packet), PnRx::kRetOK);
  EXPECT_EQ(module.ModuleHandle(), &packet);
  EXPECT_NE(pnrxFindPnRxClass(L"CoreTestClassB"), nullptr);
  EXPECT_EQ(module.ProcessAppMsg(PnRx::kUnloadAppMsg, &packet), PnRx::kRetOK);
  EXPECT_EQ(module.calls, (std::vector<std::string>{
                              "RegisterModule", "LoadModules", "RegisterClasses", "RegisterClassServants",
                              "RegisterServices", "UnRegisterServices", "UnRegisterClassServants",
                              "UnRegisterClasses", "UnLoadModules"}));
  EXPECT_EQ(pnrxFindPnRxClass(L"CoreTestClassA"), nullptr);
  EXPECT_EQ(pnrxFindPnRxClass(L"CoreTestClassB"), nullptr);
  EXPECT_EQ(module.ProcessAppMsg(PnRx::kLoadDwgMsg, nullptr), PnRx::kRetOK);
}

TEST(ModuleBase, AFailingHookFailsInitialisationButTheOthersStillRun) {
  RecordingModule module;
  module.failClasses = true;
  EXPECT_EQ(module.ProcessAppMsg(PnRx::kInitAppMsg, nullptr), PnRx::kRetError);
  EXPECT_EQ(module.calls.size(), 5u);
  module.ProcessAppMsg(PnRx::kUnloadAppMsg, nullptr);
}

TEST(ModuleLoad, MissingModulesFailQuietlyOrWithAMessage) {
  KovtModuleLoad loader;
  pnutCaptureOutput(true);
  EXPECT_FALSE(loader.Load(L"NoSuchCompanion.zem", false));
  EXPECT_EQ(pnutTakeCapturedOutput(), L"");
  EXPECT_FALSE(loader.Load(L"NoSuchCompanion.zem", true));
  EXPECT_NE(pnutTakeCapturedOutput().find(L"NoSuchCompanion.zem"), std::wstring::npos);
  pnutCaptureOutput(false);
  EXPECT_FALSE(loader.IsLoaded(L"NoSuchCompanion.zem"));
  EXPECT_FALSE(loader.Load(nullptr, true));
}

TEST(ObjectMaps, OnePerContextWithUniqueNames) {
  EXPECT_EQ(GetObjectMaps(6), nullptr);
  EXPECT_EQ(GetObjectMaps(-1), nullptr);
  ASSERT_NE(GetObjectMaps(2), nullptr);
  EXPECT_NE(GetObjectMaps(2), GetObjectMaps(0));
  auto factory = +[]() -> void* { return nullptr; };
  EXPECT_TRUE(GetObjectMaps(2)->Add(L"Thing", factory));
  EXPECT_FALSE(GetObjectMaps(2)->Add(L"Thing", factory));
  EXPECT_EQ(GetObjectMaps(2)->Find(L"Thing"), factory);
  EXPECT_EQ(GetObjectMaps(0)->Find(L"Thing"), nullptr);
  EXPECT_TRUE(GetObjectMaps(2)->Remove(L"Thing"));
  EXPECT_FALSE(GetObjectMaps(2)->Remove(L"Thing"));
  EXPECT_EQ(GetObjectMaps(2)->Find(L"Thing"), nullptr);
}

}  // namespace
