// Registry values, product and host queries, start-up choices, module loading,
// configurations and application contexts, driven by the cases of
// data/settings_calls.txt; each case starts on an empty registry of its own.
#include <cstdio>
#include <map>
#include <memory>

#include "environment/app_context.h"
#include "environment/config_access.h"
#include "environment/host_utils.h"
#include "environment/module_loading.h"
#include "environment/orl_settings.h"
#include "environment/product_info.h"
#include "environment/windows_registry.h"
#include "host/host.h"
#include "platform/modules.h"
#include "platform/path_helpers.h"
#include "platform/registry.h"
#include "tests/environment/env_test_support.h"
#include "tests/host/allocation_probe.h"
#include "tests/platform/scratch.h"
#include "tests/units/call_rows.h"

namespace {

using namespace ORL_Tools;
namespace fs = std::filesystem;

eORL Module(const std::wstring& text) { return static_cast<eORL>(I(text)); }
KOVT::ModuleType Kind(const std::wstring& text) { return static_cast<KOVT::ModuleType>(I(text)); }
const wchar_t* Name(const std::wstring& text) { return text == L"(null)" ? nullptr : text.c_str(); }
// Whether the read succeeded, and what it left in a text that starts as "untouched".
template <class Read>
std::wstring ReadText(Read read) {
  KOVTString out = L"untouched";
  const bool found = read(out);
  return B(found) + L"|" + out.str();
}
// A call made for its effect, answering "-".
template <class Effect>
std::function<std::wstring(const Args&)> Done(Effect effect) {
  return [effect](const Args& a) {
    effect(a);
    return std::wstring(L"-");
  };
}
// A module as the file it was loaded from.
std::wstring FileOf(HMODULE module) {
  wchar_t path[MAX_PATH] = {};
  return module == nullptr ? L"null" : std::wstring(path, GetModuleFileNameW(module, path, MAX_PATH));
}
// The path as the module reports folders: with '/' and a trailing separator.
std::wstring FolderText(const fs::path& folder) { return Utf8ToWide(folder.string() + "/"); }
// Writes a value below `root`, as an installer writes the machine's.
LONG SetValue(HKEY root, const Args& a, DWORD type, const void* data, std::size_t size) {
  HKEY key = nullptr;
  RegCreateKeyExW(root, a[0].c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr);
  const LONG status =
      RegSetValueExW(key, a[1].c_str(), 0, type, static_cast<const BYTE*>(data), static_cast<DWORD>(size));
  RegCloseKey(key);
  return status;
}
std::wstring CurrentDirectory() {
  wchar_t path[MAX_PATH] = {};
  return std::wstring(path, GetCurrentDirectoryW(MAX_PATH, path));
}

const wchar_t* const kConfigs[] = {L"reinf", L"steel", L"common", L"formwork", L"barshape"};
KOVTAppSet* Config(const std::wstring& name) {
  if (name == L"reinf") return REINF_CFG();
  if (name == L"steel") return STEEL_CFG();
  if (name == L"common") return COMMON_CFG();
  if (name == L"formwork") return FORMW_CFG();
  if (name == L"barshape") return BARSHAPE_CFG();
  return nullptr;
}
void Release(const std::wstring& name) {
  if (name == L"reinf") REINF_CFG_RELEASE();
  if (name == L"steel") STEEL_CFG_RELEASE();
  if (name == L"common") COMMON_CFG_RELEASE();
  if (name == L"formwork") FORMW_CFG_RELEASE();
  if (name == L"barshape") BARSHAPE_CFG_RELEASE();
}
std::wstring Which(const KovtIAppSet* config) {
  for (const wchar_t* name : kConfigs)
    if (config == Config(name)) return name;
  return L"null";
}

// Runs the probe with the test's environment: its output, each line ended by '|'.
std::wstring Probe(const std::wstring& arguments) {
  const std::string command = std::string(KOVT_SETTINGS_PROBE) + " " + WideToUtf8(arguments);
  FILE* pipe = ::popen(command.c_str(), "r");
  if (pipe == nullptr) return L"popen failed";
  std::string output;
  for (int c; (c = std::fgetc(pipe)) != EOF;) output += c == '\n' ? '|' : static_cast<char>(c);
  const int status = ::pclose(pipe);
  return Utf8ToWide(status == 0 ? output : output + "exit status " + std::to_string(status));
}

class SettingsCalls : public ::testing::Test {
 protected:
  void TearDown() override { EndCase(); }
  void EndCase() {
    KOVTContext::Clear();
    m_scopes.clear();
    pndbHostApplicationServices()->setWorkingDatabase(nullptr);
    KOVTSetSpecial(KOVT::eStandardHost);
    for (const wchar_t* name : kConfigs) Release(name);
  }
  // Moves the registry and the data folders to new ones of the case.
  void StartCase(const std::wstring& name) {
    EndCase();
    const fs::path folder = m_scratch.Path() / WideToUtf8(name);
    m_data = folder / "data";
    // Each undoes its own change only when it goes before the next is made.
    m_registryEnv.reset();
    m_dataEnv.reset();
    m_registryEnv = std::make_unique<ScopedEnv>("KOVT_REGISTRY_DIR", (folder / "registry").string());
    m_dataEnv = std::make_unique<ScopedEnv>("KOVT_DATA_DIR", m_data.string());
  }
  PnDbDatabase* Db(const std::wstring& name) {
    return name == L"first" ? &m_first : name == L"second" ? &m_second : nullptr;
  }
  // The placeholders of the data file filled in.
  std::wstring Expanded(const std::wstring& text) const {
    const std::wstring host = KOVTString(kPlnxRegistryKey).str() + L"\\PLNX-E030:" + kTestLocaleId;
    return ::Expanded(text, {{L"{host}", host},
                             {L"{plnx}", kPlnxRegistryKey},
                             {L"{common}", ORLSettingsKey(eORL_Common).str()},
                             {L"{bin}", FolderText(KOVT_APPSET_MODULE_DIR)},
                             {L"{user}", FolderText(m_data / "AppData/Hexlon/Lattice/Common Data")},
                             {L"{shared}", FolderText(m_data / "CommonAppData/Hexlon/Lattice/Common Data")},
                             {L"{start}", m_start}});
  }
  CallTable Calls();

  ScratchDir m_scratch;
  fs::path m_data;
  std::unique_ptr<ScopedEnv> m_registryEnv, m_dataEnv;
  PnDbDatabase m_first{false}, m_second{false};
  // Contexts entered by name, left when their case ends if not before.
  std::map<std::wstring, std::shared_ptr<void>> m_scopes;
  const std::wstring m_start = CurrentDirectory();
};

CallTable SettingsCalls::Calls() {
  return {
      {L"machine",
       [](const Args& a) {
         return N(SetValue(HKEY_LOCAL_MACHINE, a, REG_SZ, a[2].c_str(), a[2].size() * sizeof(wchar_t)));
       }},
      {L"dword",
       [](const Args& a) {
         const DWORD number = static_cast<DWORD>(I(a[2]));
         return N(SetValue(HKEY_CURRENT_USER, a, REG_DWORD, &number, sizeof number));
       }},
      {L"RegSet2Cur_SZ",
       [](const Args& a) { return B(RegSet2Cur_SZ(a[0].c_str(), a[1].c_str(), a[2].c_str(), I(a[3]))); }},
      {L"RegGetLocM2CurU_SZ",
       [](const Args& a) {
         return ReadText(
             [&](KOVTString& out) { return RegGetLocM2CurU_SZ(a[0].c_str(), a[1].c_str(), out); });
       }},
      {L"GetProductLang", [](const Args&) { return GetProductLang().str(); }},
      {L"GetPlnxLocaleId",
       [](const Args&) { return ReadText([](KOVTString& out) { return GetPlnxLocaleId(out); }); }},
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
      {L"GetPlnxPath",
       [](const Args& a) { return KoVTAppSetUtils::GetPlnxPath(a[0].c_str(), I(a[1])).str(); }},
      {L"GetSupportPath", [](const Args&) { return KoVTAppSetUtils::GetSupportPath().str(); }},
      {L"GetPatFilePath", [](const Args&) { return KoVTAppSetUtils::GetPatFilePath().str(); }},
      {L"CompletePath",
       [](const Args& a) {
         KOVTString path = a.empty() ? L"" : a[0].c_str();
         const KOVTString answer = KoVTAppSetUtils::CompletePath(path);
         return answer.str() + L"|" + path.str();
       }},
      {L"GetApplicationName",
       [](const Args& a) {
         return T(KoVTAppSetUtils::GetApplicationName(static_cast<KOVT::KovtAppId>(I(a[0]))));
       }},
      {L"GetModulePath",
       [](const Args& a) {
         wchar_t path[MAX_PATH] = {};
         const bool found = KoVTAppSetUtils::GetModulePath(a[0].c_str(), path, static_cast<DWORD>(I(a[1])));
         return found ? std::wstring(path) : L"false";
       }},
      {L"GetFilerType",
       [](const Args& a) {
         if (a.empty()) return T(GetFilerType(nullptr));
         PnDbMemoryFiler filer(static_cast<PnDb::FilerType>(I(a[0])));
         return T(GetFilerType(&filer));
       }},
      {L"GetORLShowStartup", [](const Args&) { return B(GetORLShowStartup()); }},
      {L"SetORLShowStartup", [](const Args& a) { return B(SetORLShowStartup(a[0] == L"true")); }},
      {L"GetORLModule", [](const Args&) { return N(GetORLModule()); }},
      {L"IsMDB", [](const Args&) { return B(IsMDB()); }},
      {L"SetORLModule", [](const Args& a) { return B(SetORLModule(Module(a[0]))); }},
      {L"Stored",
       [](const Args& a) {
         return ReadText([&](KOVTString& out) {
           return RegGetLocM2CurU_SZ(ORLSettingsKey(Module(a[0])), a[1].c_str(), out);
         });
       }},
      {L"GetORLDwtTepmplate",
       [](const Args& a) {
         return ReadText([&](KOVTString& out) { return GetORLDwtTepmplate(Module(a[0]), out); });
       }},
      {L"SetORLDwtTepmplate",
       [](const Args& a) {
         return B(SetORLDwtTepmplate(Module(a[0]), a[1] == L"null" ? nullptr : a[1].c_str()));
       }},
      {L"GetORLWorkspace",
       [](const Args& a) {
         return ReadText([&](KOVTString& out) { return GetORLWorkspace(Module(a[0]), out); });
       }},
      {L"SetORLWorkspace", [](const Args& a) { return B(SetORLWorkspace(Module(a[0]), a[1].c_str())); }},
      {L"probe", [](const Args& a) { return Probe(a[0]); }},
      // Modules and the host kind.
      {L"KOVTBinaryFolder", [](const Args&) { return KOVTBinaryFolder().str(); }},
      {L"KOVTResourceFolder", [](const Args&) { return KOVTResourceFolder().str(); }},
      {L"KOVTLoadLibrary", [](const Args& a) { return FileOf(KOVTLoadLibrary(Name(a[0]), Kind(a[1]))); }},
      {L"KOVTGetModuleHandle",
       [](const Args& a) { return FileOf(KOVTGetModuleHandle(a[0].c_str(), Kind(a[1]))); }},
      {L"KOVTGetResourceHandle", [](const Args& a) { return FileOf(KOVTGetResourceHandle(a[0].c_str())); }},
      {L"KOVTLoadResLibrary",
       [](const Args& a) { return FileOf(KOVTLoadResLibrary(a[0].c_str(), Kind(a[1]))); }},
      {L"KOVTSetSpecial", Done([](const Args& a) { KOVTSetSpecial(static_cast<KOVT::PlnxType>(I(a[0]))); })},
      {L"KOVTGetPlnxType", [](const Args&) { return N(KOVTGetPlnxType()); }},
      {L"KOVTIsSpecialMode", [](const Args&) { return B(KOVTIsSpecialMode()); }},
      {L"cwd", [](const Args&) { return CurrentDirectory(); }},
      // Data folders and configurations.
      {L"mkdir", [](const Args& a) { return B(std::filesystem::create_directories(WideToUtf8(a[0]))); }},
      {L"touch", Done([](const Args& a) { WriteText(WideToUtf8(a[0]), "data"); })},
      {L"link", Done([](const Args& a) {
         std::filesystem::create_directory_symlink(WideToUtf8(a[1]), WideToUtf8(a[0]));
       })},
      {L"release", Done([](const Args& a) { Release(a[0]); })},
      {L"CFG_RELEASE", Done([](const Args&) { CFG_RELEASE(); })},
      {L"ModuleFolder", [](const Args& a) { return Config(a[0])->ModuleFolder().str(); }},
      {L"UserDataFolder", [](const Args& a) { return Config(a[0])->UserDataFolder().str(); }},
      {L"SharedDataFolder", [](const Args& a) { return Config(a[0])->SharedDataFolder().str(); }},
      {L"GetApplication",
       [](const Args& a) {
         return std::wstring(Config(a[0])->GetApplicationName()) + L"|" +
                Config(a[0])->GetApplicationVersion();
       }},
      {L"GetAppPath", [](const Args& a) { return T(Config(a[0])->GetAppPath(a[1].c_str(), 0)); }},
      {L"GetPathAndFile",
       [](const Args& a) { return T(Config(a[0])->GetPathAndFile(a[1].c_str(), a[2].c_str(), 0)); }},
      {L"CFG", [](const Args&) { return Which(CFG()); }},
      {L"Cfg", [](const Args&) { return Which(KOVTConfigurationAccess::Cfg()); }},
      // A configuration whose creation fails, then the next try.
      {L"refused",
       [](const Args& a) {
         Release(a[0]);
         KOVTAppSet* refused = nullptr;
         {
           AllocationProbe probe;
           probe.Refuse(true);
           refused = Config(a[0]);
         }
         return Which(refused) + L"|" + Which(Config(a[0]));
       }},
      // Contexts: entered by name as a type and a drawing (first, second or none).
      {L"working",
       Done([this](const Args& a) { pndbHostApplicationServices()->setWorkingDatabase(Db(a[0])); })},
      {L"enter",
       [this](const Args& a) {
         if (a[1] == L"query")
           m_scopes[a[0]] = std::make_shared<KOVTContext>(Db(a[2]));
         else
           m_scopes[a[0]] =
               std::make_shared<KOVTContext>(KOVTCONTEXT_TYPE(I(a[1])), Db(a.size() > 2 ? a[2] : L""));
         return std::wstring(L"-");
       }},
      {L"enter-unit",
       [this](const Args& a) {
         if (a[1] == L"default")
           m_scopes[a[0]] = std::make_shared<KovtUnitContext>();
         else
           m_scopes[a[0]] = std::make_shared<KovtUnitContext>(KOVTCONTEXT_TYPE(I(a[1])));
         return std::wstring(L"-");
       }},
      {L"leave", Done([this](const Args& a) { m_scopes.erase(a[0]); })},
      {L"context", [this](const Args& a) { return N(KOVTContext(Db(a[0])).GetContext()); }},
      {L"GetContext",
       [this](const Args& a) { return N(static_cast<KOVTContext*>(m_scopes[a[0]].get())->GetContext()); }},
      {L"unit-context", [](const Args&) { return N(KovtUnitContext::GetContext()); }},
      {L"Clear", Done([](const Args&) { KOVTContext::Clear(); })},
  };
}

TEST_F(SettingsCalls, EveryCaseGivesItsAnswers) {
  const CallTable calls = Calls();
  std::wstring current;
  for (GoldenRow row : ReadGoldenRows("environment/data/settings_calls.txt", 4)) {
    if (row[0] != current) StartCase(current = row[0]);
    SCOPED_TRACE(WideToUtf8(current));
    for (std::wstring& field : row) field = Expanded(field);
    ExpectAnswer(calls, row, 1);
  }
}

}  // namespace
