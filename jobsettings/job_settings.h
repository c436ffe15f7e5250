// The job settings common to the reinforcement, steel and formwork modules:
// the named settings sets, the project variables, page setup, printout header
// and footer, report templates, and the frame that reads and writes one set.
//
// Each set lives in the project registry opened on the module's
// "ProjectSettings" dictionary, as the key "\\<name>" (a key of the set's name
// inside a key with the empty name below "HKEY_CONFIG"); the list of names is
// the key "//SettingsVector". A null dictionary argument always means the
// settings dictionary of the working database, created when missing.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <utility>
#include <vector>

#include "core/kovt_string.h"
#include "jobsettings/job_sett_vect.h"
#include "jobsettings/key_table.h"
#include "jobsettings/project_block.h"
#include "registry/registry_access.h"

class PnDbDatabase;
class PnDbDictionary;

// Indices of the project variables, in the order of their stored keys.
enum PRN_VARIABLE_TYPES : int {
  VAR_REPORT_PAGE_NUMBER, VAR_REPORT_PAGE_TOTAL, VAR_REPORT_DATE, VAR_REPORT_TIME, VAR_USER_NAME,
  VAR_USER_ADDRESS, VAR_PROJECT_NAME, VAR_PROJECT_FILE, VAR_PROJECT_DIRECTORY, VAR_PROJECT_CREATED,
  VAR_PROJECT_MODIFIED, VAR_PROJECT_VERSION, VAR_COMPANY_NAME, VAR_COMPANY_ADDRESS, VAR_COMPANY_TELEPHONE,
  VAR_COMPANY_FAX, VAR_COMPANY_EMAIL, VAR_COMPANY_LOGO, VAR_INV_NAME, VAR_INV_ADDRESS, VAR_INV_PHONE,
  VAR_INV_FAX, VAR_INV_EMAIL, VAR_OFF_NAME, VAR_OFF_ADDRESS, VAR_OFF_PHONE, VAR_OFF_FAX, VAR_OFF_EMAIL,
  VAR_REV_NUM, VAR_REV_NAME, VAR_DRAW_NAME, VAR_VERIF, VAR_SCALE,
  VAR_COUNT
};

struct TVARIABLES {
  std::array<KOVTString, VAR_COUNT> Values;
};

struct TPAGESETUP {
  bool AddHeader = false;
  bool AddFooter = false;
  std::int32_t Frame = 0;
  bool IsHeaderFrame = false;
  bool IsTableFrame = false;
  bool IsFooterFrame = false;
  std::int32_t Orientation = 0;
  bool ProjNameTile = false;
};

// The page setup every module starts from.
inline constexpr TPAGESETUP kDefaultPageSetup{.AddHeader = true,
                                             .AddFooter = true,
                                             .Frame = 2,
                                             .IsHeaderFrame = true,
                                             .IsTableFrame = true,
                                             .IsFooterFrame = true,
                                             .Orientation = 0,
                                             .ProjNameTile = false};

// Printout header and footer as opaque byte buffers; copies own their bytes.
struct THEADERFOOTER {
  std::int32_t HeaderSize = 0;
  std::vector<std::uint8_t> HeaderData;
  std::int32_t FooterSize = 0;
  std::vector<std::uint8_t> FooterData;
};

struct TTEMPLATES {
  KOVTString ExcelName;
  KOVTString WordName;
  bool AddTable = false;
  bool NoEmpty = false;
  std::int32_t TabPlace = 0;
  std::int32_t RowCount = 0;
  std::int32_t ColWidth = 0;
  std::int32_t RowHeight = 0;
};

// A field of the project description and the variable that mirrors it.
struct ProjectMirror {
  KOVTString TPROJECT::* field;
  PRN_VARIABLE_TYPES variable;
};
// The mirrors of the steel and formwork modules.
inline constexpr ProjectMirror kProjectMirrors[] = {
    {&TPROJECT::Office, VAR_COMPANY_NAME},       {&TPROJECT::Investor, VAR_USER_NAME},
    {&TPROJECT::ProjectName, VAR_PROJECT_NAME},  {&TPROJECT::ProjectNo, VAR_PROJECT_VERSION},
    {&TPROJECT::Address, VAR_COMPANY_ADDRESS},   {&TPROJECT::Designer, VAR_USER_ADDRESS},
    {&TPROJECT::Revision, VAR_PROJECT_MODIFIED}, {&TPROJECT::Verified, VAR_PROJECT_CREATED},
    {&TPROJECT::Date, VAR_REPORT_DATE},
};

class KOVTJobSettings {
 public:
  virtual ~KOVTJobSettings() = default;

  // Gives every member of the module its default.
  virtual void Initialize() = 0;
  // Loads the set called `name`; false (and nothing changed) when it is not stored.
  virtual bool ReadJobSettings(KOVTString name, PnDbDictionary* dict, KoVTPrjReg::TAccessRight access) = 0;
  // Stores the object as the set called `name`, and the name list in the working database.
  virtual void WriteJobSettings(KOVTString name, PnDbDictionary* dict) = 0;
  // One project variable, or null for a type the module does not keep.
  virtual KOVTString* GetVariable(PRN_VARIABLE_TYPES type) = 0;

  // Whether the database holds the application root of the current context.
  static bool IsInitialized(PnDbDatabase* db);

  // Loads the name list and the default name; false when the list is not
  // stored. Throws KoVT::EProjectRegistry, changing nothing, when the stored
  // list counts more names than its key holds values.
  bool ReadVector(PnDbDictionary* dict, KoVTPrjReg::TAccessRight access);
  void WriteVector(PnDbDictionary* dict);

  void SetDefault(KOVTString name) { m_vector.Default() = name; }
  KOVTString& GetDefault() { return m_vector.Default(); }
  void AddSettingName(KOVTString name) { m_vector.Add(name); }
  void DelSettingName(KOVTString name) { m_vector.Remove(name); }
  // The caller keeps 0 <= i < GetSettingSize().
  KOVTString& GetSettingName(int i) { return m_vector.Names()[static_cast<std::size_t>(i)]; }
  int GetSettingSize() const { return static_cast<int>(m_vector.Names().size()); }

  void Read() { ReadJobSettings(GetDefault(), nullptr, KoVTPrjReg::kReadWrite); }
  void Save() { WriteJobSettings(GetDefault(), nullptr); }
  void Reinit();

  KOVTJobSettVect& SettingsVector() { return m_vector; }
  TVARIABLES& Variables() { return m_variables; }
  TPAGESETUP& PageSetup() { return m_pageSetup; }
  THEADERFOOTER& HeaderFooter() { return m_headerFooter; }
  TTEMPLATES& Templates() { return m_templates; }

  // The stored key of a project variable ("Variables.sVAR_...").
  static const wchar_t* VariableKey(int index);
  // The key path of the set called `name`.
  static KOVTString SetPath(const KOVTString& name);

 protected:
  void VariablesToProject(TPROJECT& project, std::span<const ProjectMirror> mirrors = kProjectMirrors);
  void ProjectToVariables(const TPROJECT& project, std::span<const ProjectMirror> mirrors = kProjectMirrors);
  // Files the "Project." keys of a module's project description.
  template <class Settings>
  static void WalkProject(Settings& settings, KovtJobKeys::Filer& filer) {
    static const KovtJobKeys::Key<Settings> kKeys[] = {
        KEY(Project.Office),   KEY(Project.Investor), KEY(Project.ProjectName), KEY(Project.ProjectNo),
        KEY(Project.Address),  KEY(Project.Designer), KEY(Project.Revision),    KEY(Project.Verified),
        KEY(Project.Date),     KEY(Project.Note),
    };
    KovtJobKeys::Walk<Settings>(kKeys, settings, filer);
  }
  // The variable `type` when it is one of the first `count`, else null.
  KOVTString* VariableAmong(PRN_VARIABLE_TYPES type, int count) {
    return type >= 0 && type < count ? &m_variables.Values[static_cast<std::size_t>(type)] : nullptr;
  }
  // Gives the common blocks a new set's values; `pageNumberText` gives the
  // page-number variable its text, which the formwork module leaves empty.
  void ResetCommonBlocks(bool pageNumberText);

  // A project variable that sets written before it had a key of its own
  // leave missing: it takes the value of `source`, read before it.
  struct VariableFallback {
    PRN_VARIABLE_TYPES variable;
    PRN_VARIABLE_TYPES source;
  };

  // How much of the common blocks a module stores: the reinforcement module
  // keeps every variable and template key, the others a leading part.
  struct CommonBlocks {
    int variables;
    int templates;
    // Header and footer data are read only after a stored size above 0.
    bool dataAfterSize = false;
    std::span<const VariableFallback> variableFallbacks = {};
  };

  // Copy-assigning keeps the strings' buffers, so resetting a block that
  // holds its defaults already, as a new one does, allocates nothing.
  template <class Block>
  static void ResetBlock(Block& block) {
    static const Block kDefaults{};
    block = kDefaults;
  }

  // What every module constructor does: defaults, the name list and the
  // default set, whose defaults are stored when the set is missing.
  void Load(PnDbDictionary* dict, KoVTPrjReg::TAccessRight access);

  // Files the module's own keys, after the common blocks.
  using Walker = void (*)(KOVTJobSettings& settings, KovtJobKeys::Filer& filer);

  // The read and write frame shared by the modules: opens the set's key and
  // files "Version" (read into `version` when stored), the common blocks, then
  // whatever `walkModule` files. A read that has the module's plan follows it,
  // else it finds each value by name.
  bool ReadSet(const KOVTString& name, PnDbDictionary* dict, KoVTPrjReg::TAccessRight access,
               std::int32_t& version, CommonBlocks blocks, Walker walkModule,
               const KovtJobKeys::ReadPlan* plan = nullptr);
  // The plan of a read of the blocks and module keys, made by walking this
  // object; it holds only names, so one serves every object of a module.
  KovtJobKeys::ReadPlan PlanRead(CommonBlocks blocks, Walker walkModule);
  void WriteSet(const KOVTString& name, PnDbDictionary* dict, std::int32_t version, CommonBlocks blocks,
                Walker walkModule);
  // Every value a written set holds, in stored order, with the member holding it.
  std::vector<KovtJobKeys::Entry> ListSet(std::int32_t& version, CommonBlocks blocks, Walker walkModule);
  // Every name a written set holds, in stored order, those of the values the
  // registry files itself included (a presentation structure by its prefix).
  std::vector<KOVTString> ListSetNames(std::int32_t& version, CommonBlocks blocks, Walker walkModule);

 private:
  void FileSet(KovtJobKeys::Filer& filer, std::int32_t& version, CommonBlocks blocks, Walker walkModule);
  void FileCommonBlocks(KovtJobKeys::Filer& filer, CommonBlocks blocks);
  void FileVariables(KovtJobKeys::Filer& filer, CommonBlocks blocks);
  void FileHeaderFooter(KovtJobKeys::Filer& filer, bool dataAfterSize);

  KOVTJobSettVect m_vector;
  TVARIABLES m_variables;
  TPAGESETUP m_pageSetup;
  THEADERFOOTER m_headerFooter;
  TTEMPLATES m_templates;
};

// What the modules' settings share. A set of Module holds "Version", the
// common blocks Module::StoredBlocks() names, then what Module::WalkModule
// files; every read of a stored set and every write refreshes the drawing's
// tolerance records (Module::RefreshTolerances). Reads store the version in
// ReadVersion(), writes and listings file WrittenVersion(): both
// Module::FormatVersion unless Module declares its own.
template <class Module>
class KOVTModuleJobSettings : public KOVTJobSettings {
 public:
  bool ReadJobSettings(KOVTString name, PnDbDictionary* dict, KoVTPrjReg::TAccessRight access) override {
    // Made at the module's first read and kept.
    static const KovtJobKeys::ReadPlan kPlan = PlanRead(Module::StoredBlocks(), &Module::WalkModule);
    if (!ReadSet(name, dict, access, Self().ReadVersion(), Module::StoredBlocks(), &Module::WalkModule, &kPlan))
      return false;
    Self().RefreshTolerances();
    return true;
  }
  void WriteJobSettings(KOVTString name, PnDbDictionary* dict) override {
    WriteSet(name, dict, Self().WrittenVersion(), Module::StoredBlocks(), &Module::WalkModule);
    Self().RefreshTolerances();
  }
  // The project variables the module stores; null for any other type.
  KOVTString* GetVariable(PRN_VARIABLE_TYPES type) override {
    return VariableAmong(type, Module::StoredBlocks().variables);
  }

  // Every value a written set holds, in stored order, with its member.
  std::vector<KovtJobKeys::Entry> ListKeys() {
    return ListSet(Self().WrittenVersion(), Module::StoredBlocks(), &Module::WalkModule);
  }

 protected:
  static std::int32_t& ReadVersion() { return Module::FormatVersion; }
  static std::int32_t& WrittenVersion() { return Module::FormatVersion; }
  // Gives every member the module's keys file its default.
  void ResetModuleKeys() {
    KovtJobKeys::Filer resetting;
    Module::WalkModule(*this, resetting);
  }

 private:
  Module& Self() { return static_cast<Module&>(*this); }
};
