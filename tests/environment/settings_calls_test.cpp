// Registry values, product and host queries and the start-up choices, driven
// by the cases of data/settings_calls.txt; each case starts on an empty
// registry of its own.
#include "environment/config_access.h"
#include "environment/host_utils.h"
#include "environment/orl_settings.h"
#include "environment/product_info.h"
#include "environment/windows_registry.h"
#include "host/host.h"
#include "tests/environment/env_test_support.h"
#include "tests/units/call_rows.h"

namespace {

using namespace ORL_Tools;

eORL Module(const std::wstring& text) { return static_cast<eORL>(I(text)); }
// Whether the read succeeded, and what it left in a text that starts as "untouched".
template <class Read>
std::wstring ReadText(Read read) {
  KOVTString out = L"untouched";
  const bool found = read(out);
  return B(found) + L"|" + out.str();
}

const CallTable& Calls() {
  static const CallTable calls = {
      {L"machine",
       [](const Args& a) {
         SetMachineValue(a[0].c_str(), a[1].c_str(), a[2].c_str());
         return std::wstring(L"-");
       }},
      {L"RegSet2Cur_SZ", [](const Args& a) { return B(RegSet2Cur_SZ(a[0].c_str(), a[1].c_str(), a[2].c_str(), I(a[3]))); }},
      {L"RegGetLocM2CurU_SZ",
       [](const Args& a) { return ReadText([&](KOVTString& out) { return RegGetLocM2CurU_SZ(a[0].c_str(), a[1].c_str(), out); }); }},
      {L"GetProductLang", [](const Args&) { return GetProductLang().str(); }},
      {L"GetPlnxLocaleId", [](const Args&) { return ReadText([](KOVTString& out) { return GetPlnxLocaleId(out); }); }},
      {L"GetProductVersionNo", [](const Args&) { return GetProductVersionNo().str(); }},
      {L"GetSupName", [](const Args& a) { return GetSupName(a[0].c_str(), I(a[1])).str(); }},
      {L"DecomposeTempl",
       [](const Args& a) {
         KOVTString name;
         DecomposeTempl(a[0].c_str(), name);
         return name.str();
       }},
      {L"GetPlnxVersion",
       [](const Args&) {
         KOVTString name, key;
         const int version = KoVTAppSetUtils::GetPlnxVersion(name, key);
         return N(version) + L"|" + key.str();
       }},
      {L"GetPlnxPath", [](const Args& a) { return KoVTAppSetUtils::GetPlnxPath(a[0].c_str(), I(a[1])).str(); }},
      {L"GetSupportPath", [](const Args&) { return KoVTAppSetUtils::GetSupportPath().str(); }},
      {L"GetPatFilePath", [](const Args&) { return KoVTAppSetUtils::GetPatFilePath().str(); }},
      {L"CompletePath",
       [](const Args& a) {
         KOVTString path = a.empty() ? L"" : a[0].c_str();
         const KOVTString answer = KoVTAppSetUtils::CompletePath(path);
         return answer.str() + L"|" + path.str();
       }},
      {L"GetApplicationName",
       [](const Args& a) { return T(KoVTAppSetUtils::GetApplicationName(static_cast<KOVT::KovtAppId>(I(a[0])))); }},
      {L"GetFilerType",
       [](const Args& a) {
         if (a.empty()) return T(GetFilerType(nullptr));
         PnDbMemoryFiler filer(static_cast<PnDb::FilerType>(I(a[0])));
         return T(GetFilerType(&filer));
       }},
      {L"GetORLShowStartup", [](const Args&) { return B(GetORLShowStartup()); }},
      {L"SetORLShowStartup", [](const Args& a) { return B(SetORLShowStartup(a[0] == L"true")); }},
      {L"GetORLModule", [](const Args&) { return N(GetORLModule()); }},
      {L"SetORLModule", [](const Args& a) { return B(SetORLModule(Module(a[0]))); }},
      {L"Stored",
       [](const Args& a) {
         return ReadText([&](KOVTString& out) { return RegGetLocM2CurU_SZ(ORLSettingsKey(Module(a[0])), a[1].c_str(), out); });
       }},
      {L"GetORLDwtTepmplate",
       [](const Args& a) { return ReadText([&](KOVTString& out) { return GetORLDwtTepmplate(Module(a[0]), out); }); }},
      {L"SetORLDwtTepmplate",
       [](const Args& a) { return B(SetORLDwtTepmplate(Module(a[0]), a[1] == L"null" ? nullptr : a[1].c_str())); }},
      {L"GetORLWorkspace",
       [](const Args& a) { return ReadText([&](KOVTString& out) { return GetORLWorkspace(Module(a[0]), out); }); }},
      {L"SetORLWorkspace", [](const Args& a) { return B(SetORLWorkspace(Module(a[0]), a[1].c_str())); }},
  };
  return calls;
}

// In a row, "{plnx}" stands for the host's registry key, "{host}" for its key
// of the test locale, "{common}" for the suite's settings key and "{bin}" for
// the module's folder.
std::wstring Expanded(std::wstring text) {
  const std::pair<std::wstring, std::wstring> names[] = {
      {L"{host}", KOVTString(kPlnxRegistryKey).str() + L"\\PLNX-E030:" + kTestLocaleId},
      {L"{plnx}", kPlnxRegistryKey},
      {L"{common}", ORLSettingsKey(eORL_Common).str()},
      {L"{bin}", FolderText(KOVT_APPSET_MODULE_DIR).str()}};
  for (const auto& [name, value] : names)
    for (std::size_t at; (at = text.find(name)) != std::wstring::npos;) text.replace(at, name.size(), value);
  return text;
}

using SettingsCalls = EnvironmentTest;

TEST_F(SettingsCalls, EveryCaseGivesItsAnswers) {
  std::unique_ptr<ScopedEnv> registry;
  std::wstring current;
  for (GoldenRow row : ReadGoldenRows("environment/data/settings_calls.txt", 4)) {
    if (row[0] != current) {
      current = row[0];
      ReleaseAllConfigs();
      registry.reset();
      registry = std::make_unique<ScopedEnv>("KOVT_REGISTRY_DIR", (Root() / "cases" / WideToUtf8(current)).string());
    }
    SCOPED_TRACE(WideToUtf8(current));
    for (std::wstring& field : row) field = Expanded(field);
    ExpectAnswer(Calls(), row, 1);
  }
}

}  // namespace
