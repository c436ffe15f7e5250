// Registry values, product and host queries, start-up choices, module loading,
// configurations, application contexts, drawing markers and tolerance records,
// driven by the cases of data/settings_calls.txt and tolerance_refresh.txt;
// each case starts on an empty registry of its own.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <memory>

#include "environment/app_context.h"
#include "environment/config_access.h"
#include "environment/dir_scope.h"
#include "environment/host_utils.h"
#include "environment/module_loading.h"
#include "environment/orl_marker.h"
#include "environment/orl_settings.h"
#include "environment/product_info.h"
#include "environment/registry_value.h"
#include "environment/tolerance_refresh.h"
#include "environment/tolerances.h"
#include "environment/windows_registry.h"
#include "host/host.h"
#include "platform/modules.h"
#include "platform/path_helpers.h"
#include "platform/registry.h"
#include "tests/environment/env_test_support.h"
#include "tests/host/allocation_probe.h"
#include "tests/platform/scratch.h"
#include "tests/support/drawing_entries.h"
#include "tests/units/call_rows.h"
#include "tests/units/fake_units_service.h"

namespace {

using namespace ORL_Tools;
namespace fs = std::filesystem;

eORL Module(const std::wstring& text) { return static_cast<eORL>(I(text)); }
KOVT::ModuleType Kind(const std::wstring& text) { return static_cast<KOVT::ModuleType>(I(text)); }
// A call that reads into a text starting as "untouched": whether the read
// succeeded, and what it left in the text.
template <class Read>
auto ReadText(Read read) {
  return [read](const Args& a) {
    KOVTString out = L"untouched";
    const bool found = read(a, out);
    return B(found) + L"|" + out.str();
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

// The configurations by name.
const struct {
  const wchar_t* name;
  KOVTAppSet* (*get)();
  void (*release)();
} kConfigs[] = {{L"reinf", []() -> KOVTAppSet* { return REINF_CFG(); }, REINF_CFG_RELEASE},
                {L"steel", []() -> KOVTAppSet* { return STEEL_CFG(); }, STEEL_CFG_RELEASE},
                {L"common", []() -> KOVTAppSet* { return COMMON_CFG(); }, COMMON_CFG_RELEASE},
                {L"formwork", []() -> KOVTAppSet* { return FORMW_CFG(); }, FORMW_CFG_RELEASE},
                {L"barshape", []() -> KOVTAppSet* { return BARSHAPE_CFG(); }, BARSHAPE_CFG_RELEASE}};
const auto& ConfigNamed(const std::wstring& name) {
  return *std::find_if(std::begin(kConfigs), std::end(kConfigs),
                       [&](const auto& c) { return name == c.name; });
}
KOVTAppSet* Config(const std::wstring& name) { return ConfigNamed(name).get(); }
void Release(const std::wstring& name) { ConfigNamed(name).release(); }
std::wstring Which(const KovtIAppSet* config) {
  for (const auto& c : kConfigs)
    if (config == c.get()) return c.name;
  return L"null";
}

// Runs this program as a later session making the calls: its output, each line ended by '|'.
std::wstring Probe(const Args& calls) {
  const ScopedEnv list("KOVT_PROBE", WideToUtf8(Joined(calls)));
  FILE* pipe = ::popen(fs::read_symlink("/proc/self/exe").c_str(), "r");
  if (pipe == nullptr) return L"popen failed";
  std::string output;
  for (int c; (c = std::fgetc(pipe)) != EOF;) output += c == '\n' ? '|' : static_cast<char>(c);
  const int status = ::pclose(pipe);
  return Utf8ToWide(status == 0 ? output : output + "exit status " + std::to_string(status));
}

// Every field of both records by name: "C." the common record, "R." the reinforcement's.
std::vector<std::pair<std::wstring, double>> Fields(const KovtEpsilonPair& pair) {
  std::vector<std::pair<std::wstring, double>> fields;
  for (const auto& [prefix, r] :
       {std::pair<const wchar_t*, const KovtEpsilon*>{L"C.", &pair.Common}, {L"R.", &pair.Reinforcement}}) {
    const std::wstring p = prefix;
    fields.insert(fields.end(), {{p + L"Linear", r->LinearTolerance},
                                 {p + L"Display", r->DisplayTolerance},
                                 {p + L"Angular", r->AngularTolerance},
                                 {p + L"Metric", r->IsMetric ? 1.0 : 0.0},
                                 {p + L"Factor", r->UnitFactor},
                                 {p + L"SetBy", static_cast<double>(r->SetBy)}});
  }
  const KovrEpsilon& r = pair.Reinforcement;
  fields.insert(fields.end(), {{L"R.Distance", r.DistanceTolerance},
                               {L"R.Segment", r.SegmentTolerance},
                               {L"R.Fine", r.FineTolerance}});
  return fields;
}

// The fields of the working drawing's records that differ from a new pair's, "name=value" joined by '|'.
std::wstring Changed() {
  const auto fresh = Fields(KovtEpsilonPair{}), now = Fields(KovtEpsilonsOf(nullptr));
  std::wstring changed;
  for (std::size_t i = 0; i < now.size(); ++i)
    if (now[i].second != fresh[i].second)
      changed += (changed.empty() ? L"" : L"|") + now[i].first + L"=" + N(now[i].second);
  return changed.empty() ? L"none" : changed;
}

KovtEpsilon& Record(const std::wstring& name) { return name == L"R" ? KOVR_EPSILON() : KOVT_EPSILON(); }

// A call made for its effect on the records, answering as "tolerances" does.
template <class Effect>
auto Refreshed(Effect effect) {
  return [effect](const Args& a) {
    effect(a);
    return Changed();
  };
}

// Marks a drawing with an empty dictionary and counts its calls.
class DictionaryMarker : public KovtIMarkerCreator {
 public:
  bool CreateMarker(PnDbDatabase* database, const wchar_t* name) override {
    ++calls;
    return !Dict(database->namedObjectsDictionaryId(), name).isNull();
  }
  int calls = 0;
};

class SettingsCalls : public ::testing::Test {
 protected:
  void TearDown() override { EndCase(); }
  void EndCase() {
    KOVTContext::Clear();
    m_scopes.clear();
    pndbHostApplicationServices()->setWorkingDatabase(nullptr);
    KOVTSetSpecial(KOVT::eStandardHost);
    RegisterMarkerCreator(nullptr);
    m_marker.calls = 0;
    m_units.reset();
    KovtForgetEpsilons(&m_first);
    KovtForgetEpsilons(&m_second);
    for (const auto& c : kConfigs) c.release();
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
  PnDbDatabase m_first, m_second{false};  // a marker needs the default entries of the first
  // Contexts entered by name, left when their case ends if not before.
  std::map<std::wstring, std::shared_ptr<void>> m_scopes;
  const std::wstring m_start = CurrentDirectory();
  DictionaryMarker m_marker;
  std::unique_ptr<ScopedUnitsService> m_units;
};

// The calls that need nothing of their case; a later session makes them too.
CallTable SessionCalls() {
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
      {L"RegGetLocM2CurU_SZ", ReadText([](const Args& a, KOVTString& out) {
         return RegGetLocM2CurU_SZ(a[0].c_str(), a[1].c_str(), out);
       })},
      // A machine's value read into a buffer of the given characters.
      {L"KovtQueryStringValue", ReadText([](const Args& a, KOVTString& out) {
         HKEY key = nullptr;
         RegOpenKeyExW(HKEY_LOCAL_MACHINE, a[0].c_str(), 0, KEY_READ, &key);
         const bool found = KovtQueryStringValue(key, a[1].c_str(), I(a[2]), out);
         RegCloseKey(key);
         return found;
       })},
      {L"GetProductLang", [](const Args&) { return GetProductLang().str(); }},
      {L"GetPlnxLocaleId", ReadText([](const Args&, KOVTString& out) { return GetPlnxLocaleId(out); })},
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
         return N(version) + L"|" + name.str() + L"|" + key.str();
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
       [](const Args& a) { return Invoke<KOVT::KovtAppId>(KoVTAppSetUtils::GetApplicationName, a); }},
      {L"RegsiterModule",
       [](const Args& a) {
         const auto id = static_cast<KOVT::KovtAppId>(I(a[0]));
         return B(KoVTAppSetUtils::RegsiterModule(id, a[1].c_str(), a[2] == L"true"));
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
      {L"Stored", ReadText([](const Args& a, KOVTString& out) {
         return RegGetLocM2CurU_SZ(ORLSettingsKey(Module(a[0])), a[1].c_str(), out);
       })},
      {L"GetORLDwtTepmplate",
       ReadText([](const Args& a, KOVTString& out) { return GetORLDwtTepmplate(Module(a[0]), out); })},
      {L"SetORLDwtTepmplate",
       [](const Args& a) {
         return B(SetORLDwtTepmplate(Module(a[0]), a[1] == L"null" ? nullptr : a[1].c_str()));
       }},
      {L"GetORLWorkspace",
       ReadText([](const Args& a, KOVTString& out) { return GetORLWorkspace(Module(a[0]), out); })},
      {L"SetORLWorkspace", [](const Args& a) { return B(SetORLWorkspace(Module(a[0]), a[1].c_str())); }},
      {L"probe", Probe},
      // Modules and the host kind.
      {L"KOVTBinaryFolder", [](const Args&) { return KOVTBinaryFolder().str(); }},
      {L"KOVTResourceFolder", [](const Args&) { return KOVTResourceFolder().str(); }},
      {L"KOVTLoadLibrary", [](const Args& a) { return FileOf(KOVTLoadLibrary(Name(a[0]), Kind(a[1]))); }},
      {L"KOVTGetModuleHandle",
       [](const Args& a) { return FileOf(KOVTGetModuleHandle(Name(a[0]), Kind(a[1]))); }},
      {L"KOVTGetResourceHandle", [](const Args& a) { return FileOf(KOVTGetResourceHandle(a[0].c_str())); }},
      {L"KOVTLoadResLibrary",
       [](const Args& a) { return FileOf(KOVTLoadResLibrary(a[0].c_str(), Kind(a[1]))); }},
      {L"KOVTSetSpecial", Done([](const Args& a) { KOVTSetSpecial(static_cast<KOVT::PlnxType>(I(a[0]))); })},
      {L"KOVTGetPlnxType", [](const Args&) { return N(KOVTGetPlnxType()); }},
      {L"KOVTIsSpecialMode", [](const Args&) { return B(KOVTIsSpecialMode()); }},
      {L"cwd", [](const Args&) { return CurrentDirectory(); }},
      {L"dir-scope",
       [](const Args&) {
         const KOVTDirScope scope;
         return CurrentDirectory() + L"/";
       }},
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
  };
}

// Started with KOVT_PROBE set, the program is a later session of the product:
// it makes the calls listed there, as a row lists them but with ',' before
// each argument, prints each answer on a line of its own and ends.
void RunProbe(const char* list) {
  const CallTable calls = SessionCalls();
  for (std::wstring call : Split(Utf8ToWide(list))) {
    std::replace(call.begin(), call.end(), L',', L'|');
    const Args args = Split(call);
    std::printf("%s\n", WideToUtf8(calls.at(args[0])(Args(args.begin() + 1, args.end()))).c_str());
  }
}

CallTable SettingsCalls::Calls() {
  CallTable calls = SessionCalls();
  calls.insert({
      {L"working",
       Done([this](const Args& a) { pndbHostApplicationServices()->setWorkingDatabase(Db(a[0])); })},
      {L"enter", Done([this](const Args& a) {
         if (a[1] == L"query")
           m_scopes[a[0]] = std::make_shared<KOVTContext>(Db(a[2]));
         else
           m_scopes[a[0]] =
               std::make_shared<KOVTContext>(KOVTCONTEXT_TYPE(I(a[1])), Db(a.size() > 2 ? a[2] : L""));
       })},
      {L"enter-unit", Done([this](const Args& a) {
         if (a[1] == L"default")
           m_scopes[a[0]] = std::make_shared<KovtUnitContext>();
         else
           m_scopes[a[0]] = std::make_shared<KovtUnitContext>(KOVTCONTEXT_TYPE(I(a[1])));
       })},
      {L"leave", Done([this](const Args& a) { m_scopes.erase(a[0]); })},
      {L"context", [this](const Args& a) { return N(KOVTContext(Db(a[0])).GetContext()); }},
      {L"GetContext",
       [this](const Args& a) { return N(static_cast<KOVTContext*>(m_scopes[a[0]].get())->GetContext()); }},
      {L"unit-context", [](const Args&) { return N(KovtUnitContext::GetContext()); }},
      {L"Clear", Done([](const Args&) { KOVTContext::Clear(); })},
      // The drawing marker, made by a creator ("on" or none) that counts the
      // markers it made, as InitOrlMarker answers after its answer.
      {L"creator",
       Done([this](const Args& a) { RegisterMarkerCreator(a[0] == L"on" ? &m_marker : nullptr); })},
      {L"InitOrlMarker",
       [this](const Args& a) {
         const bool marked = InitOrlMarker(Db(a[0]));
         return B(marked) + L"|" + N(m_marker.calls);
       }},
      {L"IsOrlMarker", [this](const Args& a) { return B(IsOrlMarker(Db(a[0]))); }},
      // Whether the first drawing's marker was erased.
      {L"DeleteOrlMarker",
       [this](const Args& a) {
         const PnDbObjectId marker = At(&m_first, kOrlMarkerName);
         DeleteOrlMarker(Db(a[0]));
         return B(!marker.isNull() && marker.isErased());
       }},
      // Tolerance records: a refresh answers the fields of the working drawing's
      // records that differ from new ones.
      {L"units",
       [this](const Args&) {
         m_units = std::make_unique<ScopedUnitsService>();
         return B(KovtRegisteredUnits() != nullptr);
       }},
      {L"reinforcement", Refreshed([](const Args& a) {
         const KovtReinfToleranceUnits settings{I(a[1]), a[2].c_str(), 0.5, 2.0, 4.0};
         if (a[0] == L"R")
           KovtRefreshFromReinforcement(KOVR_EPSILON(), settings);
         else
           KovtRefreshFromReinforcement(KOVT_EPSILON(), settings);
       })},
      {L"steel", Refreshed([](const Args& a) { KovtRefreshFromSteel(Record(a[0]), I(a[1])); })},
      {L"formwork", Refreshed([](const Args& a) { KovtRefreshFromFormwork(Record(a[0]), a[1].c_str()); })},
      {L"set-by", Refreshed([](const Args& a) { Record(a[0]).SetBy = I(a[1]); })},
      {L"forget", Done([this](const Args& a) { KovtForgetEpsilons(Db(a[0])); })},
      {L"tolerances", [](const Args&) { return Changed(); }},
  });
  return calls;
}

// What no listed case can say: ids open for write.
TEST(HostUtils, ValidIdsOpenForRead) {
  PnDbDatabase db;
  EXPECT_FALSE(IsValidId(PnDbObjectId::kNull, true));
  EXPECT_TRUE(IsValidId(PnDbObjectId::kNull, false));
  PnDbDictionary* named = nullptr;
  ASSERT_EQ(db.getNamedObjectsDictionary(named, PnDb::kForWrite), Plnx::eOk);
  EXPECT_FALSE(IsValidId(db.namedObjectsDictionaryId(), true));  // open for write elsewhere
  auto* child = new PnDbDictionary;
  PnDbObjectId entry;
  ASSERT_EQ(named->setAt(L"Entry", child, entry), Plnx::eOk);
  named->close();
  child->erase();
  child->close();
  EXPECT_TRUE(IsValidId(db.namedObjectsDictionaryId(), true));
  EXPECT_FALSE(IsValidId(entry, true));
  EXPECT_TRUE(IsValidId(entry, false));
}

TEST_F(SettingsCalls, EveryCaseGivesItsAnswers) {
  const CallTable calls = Calls();
  std::wstring current;
  std::vector<GoldenRow> rows = ReadGoldenRows("environment/data/settings_calls.txt", 4);
  for (const GoldenRow& row : ReadGoldenRows("environment/data/tolerance_refresh.txt", 4))
    rows.push_back(row);
  for (GoldenRow row : rows) {
    if (row[0] != current) StartCase(current = row[0]);
    SCOPED_TRACE(WideToUtf8(current));
    for (std::wstring& field : row) field = WideUnescaped(Expanded(field));
    ExpectAnswer(calls, row, 1);
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (const char* list = std::getenv("KOVT_PROBE")) {
    RunProbe(list);
    return 0;
  }
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
