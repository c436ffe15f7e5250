#include "jobsettings/job_settings.h"

#include <string>

#include "dictionaries/dict_tree.h"
#include "jobsettings/settings_dictionary.h"
#include "registry/project_registry_error.h"

namespace {

using KoVTPrjReg::TRegistry;
using Key = KovtJobKeys::Key<KOVTJobSettings>;
using Field = KovtJobKeys::Field;

constexpr const wchar_t* kVectorPath = L"//SettingsVector";

// A project variable's key is named after its index.
#define VARIABLE_KEY(variable) L"Variables.s" #variable
const wchar_t* const kVariableKeys[VAR_COUNT] = {
    VARIABLE_KEY(VAR_REPORT_PAGE_NUMBER), VARIABLE_KEY(VAR_REPORT_PAGE_TOTAL), VARIABLE_KEY(VAR_REPORT_DATE),
    VARIABLE_KEY(VAR_REPORT_TIME), VARIABLE_KEY(VAR_USER_NAME), VARIABLE_KEY(VAR_USER_ADDRESS),
    VARIABLE_KEY(VAR_PROJECT_NAME), VARIABLE_KEY(VAR_PROJECT_FILE), VARIABLE_KEY(VAR_PROJECT_DIRECTORY),
    VARIABLE_KEY(VAR_PROJECT_CREATED), VARIABLE_KEY(VAR_PROJECT_MODIFIED), VARIABLE_KEY(VAR_PROJECT_VERSION),
    VARIABLE_KEY(VAR_COMPANY_NAME), VARIABLE_KEY(VAR_COMPANY_ADDRESS), VARIABLE_KEY(VAR_COMPANY_TELEPHONE),
    VARIABLE_KEY(VAR_COMPANY_FAX), VARIABLE_KEY(VAR_COMPANY_EMAIL), VARIABLE_KEY(VAR_COMPANY_LOGO),
    VARIABLE_KEY(VAR_INV_NAME), VARIABLE_KEY(VAR_INV_ADDRESS), VARIABLE_KEY(VAR_INV_PHONE),
    VARIABLE_KEY(VAR_INV_FAX), VARIABLE_KEY(VAR_INV_EMAIL), VARIABLE_KEY(VAR_OFF_NAME),
    VARIABLE_KEY(VAR_OFF_ADDRESS), VARIABLE_KEY(VAR_OFF_PHONE), VARIABLE_KEY(VAR_OFF_FAX),
    VARIABLE_KEY(VAR_OFF_EMAIL), VARIABLE_KEY(VAR_REV_NUM), VARIABLE_KEY(VAR_REV_NAME),
    VARIABLE_KEY(VAR_DRAW_NAME), VARIABLE_KEY(VAR_VERIF), VARIABLE_KEY(VAR_SCALE),
};
#undef VARIABLE_KEY

// The page setup and template keys are named after their fields.
#define PAGE_SETUP_KEY(field) KEY_AS(L"PageSet." #field, PageSetup().field)
const Key kPageSetupKeys[] = {
    PAGE_SETUP_KEY(AddHeader),     PAGE_SETUP_KEY(AddFooter),    PAGE_SETUP_KEY(Frame),
    PAGE_SETUP_KEY(IsHeaderFrame), PAGE_SETUP_KEY(IsTableFrame), PAGE_SETUP_KEY(IsFooterFrame),
    PAGE_SETUP_KEY(Orientation),   PAGE_SETUP_KEY(ProjNameTile),
};
#undef PAGE_SETUP_KEY

#define TEMPLATE_KEY(field) KEY_AS(L"Templates." #field, Templates().field)
const Key kTemplateKeys[] = {
    TEMPLATE_KEY(ExcelName), TEMPLATE_KEY(WordName), TEMPLATE_KEY(AddTable),  TEMPLATE_KEY(NoEmpty),
    TEMPLATE_KEY(TabPlace),  TEMPLATE_KEY(RowCount), TEMPLATE_KEY(ColWidth), TEMPLATE_KEY(RowHeight),
};
#undef TEMPLATE_KEY

// A printout header or footer: its size, then its bytes. The size written is
// the buffer's length, and bytes read set it to theirs.
void FileBuffer(KovtJobKeys::Filer& filer, const wchar_t* sizeKey, const wchar_t* dataKey, std::int32_t& size,
                std::vector<std::uint8_t>& data, bool dataAfterSize) {
  using KovtJobKeys::Filer;
  if (!filer.Reading()) {
    if (filer.Writing()) size = static_cast<std::int32_t>(data.size());
    filer.FilePlanned(sizeKey, &size);
    filer.FilePlanned(dataKey, &data);
    return;
  }
  // Both names are planned, so both are taken in turn, also when the bytes are passed over.
  const KoVTPrjReg::TValue* storedSize = filer.Planned(sizeKey);
  const KoVTPrjReg::TValue* storedData = filer.Planned(dataKey);
  const bool sizeFound = Filer::Take(storedSize, &size);
  if (dataAfterSize && !(sizeFound && size > 0)) return;
  if (Filer::Take(storedData, &data)) size = static_cast<std::int32_t>(data.size());
}

}  // namespace

void KOVTJobSettings::VariablesToProject(TPROJECT& project, std::span<const ProjectMirror> mirrors) {
  for (const ProjectMirror& mirror : mirrors) project.*mirror.field = m_variables.Values[mirror.variable];
}

void KOVTJobSettings::ProjectToVariables(const TPROJECT& project, std::span<const ProjectMirror> mirrors) {
  for (const ProjectMirror& mirror : mirrors) m_variables.Values[mirror.variable] = project.*mirror.field;
}

void KOVTJobSettings::ResetCommonBlocks(bool pageNumberText) {
  ResetBlock(m_variables);
  if (pageNumberText) m_variables.Values[VAR_REPORT_PAGE_NUMBER] = L"Page ";
  m_variables.Values[VAR_REPORT_DATE] = L"%a %b %d %Y";
  m_variables.Values[VAR_REPORT_TIME] = L"%H:%M:%S";
  m_pageSetup = kDefaultPageSetup;
  ResetBlock(m_headerFooter);
  ResetBlock(m_templates);
}

const wchar_t* KOVTJobSettings::VariableKey(int index) {
  return index >= 0 && index < VAR_COUNT ? kVariableKeys[index] : nullptr;
}

KOVTString KOVTJobSettings::SetPath(const KOVTString& name) {
  // Joined rather than formatted, since every read asks for it; as with the
  // format, the name ends at its first null.
  KOVTString path(L"\\\\");
  path += name.c_str();
  return path;
}

bool KOVTJobSettings::IsInitialized(PnDbDatabase* db) { return IsAppRootDict(db); }

bool KOVTJobSettings::ReadVector(PnDbDictionary* dict, KoVTPrjReg::TAccessRight access) {
  KovtSettingsDictionary settings(dict);
  if (settings.get() == nullptr || !settings.get()->isWriteEnabled()) return false;
  TRegistry registry(settings.get(), access);
  if (!registry.KeyExists(kVectorPath) || !registry.OpenKey(kVectorPath, false)) return false;
  int count = 0;
  registry.ReadInteger(L"SettingsVector_Size", count);
  // Every stored name is a value of the key: a count beyond them is damage,
  // and honouring it would take unbounded time and memory.
  const std::size_t stored = registry.GetCurrentKey()->Values().size();
  if (count > 0 && static_cast<std::size_t>(count) > stored) {
    registry.CloseKey();
    throw KoVT::EProjectRegistry(L"the list of settings sets is damaged: it counts " + std::to_wstring(count) +
                                 L" names, but its key holds " + std::to_wstring(stored) + L" values");
  }
  std::vector<KOVTString>& names = m_vector.Names();
  names.clear();
  KOVTString name;  // a missing entry repeats the one before it
  for (int position = 1; position <= count; ++position) {
    KOVTString valueName;
    valueName.Format(L"%ls%d", L"Setting_", position);
    registry.ReadString(valueName, name);
    names.push_back(name);
  }
  registry.ReadString(L"Setting_Default", m_vector.Default());
  registry.CloseKey();
  return true;
}

void KOVTJobSettings::WriteVector(PnDbDictionary* dict) {
  KovtSettingsDictionary settings(dict);
  if (settings.get() == nullptr) return;
  TRegistry registry(settings.get(), KoVTPrjReg::kReadWrite);
  if (!registry.OpenKey(kVectorPath, true)) return;
  const std::vector<KOVTString>& names = m_vector.Names();
  registry.WriteInteger(L"SettingsVector_Size", static_cast<int>(names.size()));
  for (std::size_t i = 0; i < names.size(); ++i) {
    KOVTString valueName;
    valueName.Format(L"%ls%d", L"Setting_", static_cast<int>(i + 1));
    registry.WriteString(valueName, names[i]);
  }
  registry.WriteString(L"Setting_Default", m_vector.Default());
  registry.CloseKey();
}

void KOVTJobSettings::Reinit() {
  ReadVector(nullptr, KoVTPrjReg::kReadWrite);
  ReadJobSettings(GetDefault(), nullptr, KoVTPrjReg::kReadWrite);
}

void KOVTJobSettings::Load(PnDbDictionary* dict, KoVTPrjReg::TAccessRight access) {
  Initialize();
  ReadVector(dict, access);
  if (!ReadJobSettings(GetDefault(), dict, access)) WriteJobSettings(GetDefault(), dict);
}

void KOVTJobSettings::FileCommonBlocks(KovtJobKeys::Filer& filer, CommonBlocks blocks) {
  FileVariables(filer, blocks);
  KovtJobKeys::Walk(std::span<const Key>(kPageSetupKeys), *this, filer);
  FileHeaderFooter(filer, blocks.dataAfterSize);
  KovtJobKeys::Walk(std::span<const Key>(kTemplateKeys).first(static_cast<std::size_t>(blocks.templates)), *this,
                    filer);
}

void KOVTJobSettings::FileVariables(KovtJobKeys::Filer& filer, CommonBlocks blocks) {
  for (int i = 0; i < blocks.variables; ++i) {
    KOVTString& value = m_variables.Values[static_cast<std::size_t>(i)];
    if (filer.FilePlanned(kVariableKeys[i], &value) || !filer.Reading()) continue;
    // Taken in stored order, so that a fallback takes a variable already read.
    for (const VariableFallback& fallback : blocks.variableFallbacks)
      if (fallback.variable == i) value = m_variables.Values[fallback.source];
  }
}

void KOVTJobSettings::FileHeaderFooter(KovtJobKeys::Filer& filer, bool dataAfterSize) {
  FileBuffer(filer, L"HeaderFooter.HeaderSize", L"HeaderFooter.HeaderData", m_headerFooter.HeaderSize,
             m_headerFooter.HeaderData, dataAfterSize);
  FileBuffer(filer, L"HeaderFooter.FooterSize", L"HeaderFooter.FooterData", m_headerFooter.FooterSize,
             m_headerFooter.FooterData, dataAfterSize);
}

bool KOVTJobSettings::ReadSet(const KOVTString& name, PnDbDictionary* dict, KoVTPrjReg::TAccessRight access,
                              std::int32_t& version, CommonBlocks blocks, Walker walkModule,
                              const KovtJobKeys::ReadPlan* plan) {
  KOVTString path = SetPath(name);
  KovtSettingsDictionary settings(dict);
  TRegistry registry(settings.get(), access);
  if (!registry.OpenKey(path, false)) return false;
  try {
    KovtJobKeys::Filer filer(registry, true);
    if (plan != nullptr) filer.Follow(*plan);
    FileSet(filer, version, blocks, walkModule);
  } catch (const KoVT::EProjectRegistry& error) {
    error.ShowMessage();
  }
  registry.CloseKey();
  return true;
}

KovtJobKeys::ReadPlan KOVTJobSettings::PlanRead(CommonBlocks blocks, Walker walkModule) {
  KovtJobKeys::ReadPlan plan;
  KovtJobKeys::Filer planning(plan);
  std::int32_t version = 0;
  FileSet(planning, version, blocks, walkModule);
  plan.OrderByName();
  return plan;
}

void KOVTJobSettings::WriteSet(const KOVTString& name, PnDbDictionary* dict, std::int32_t version,
                               CommonBlocks blocks, Walker walkModule) {
  WriteVector(nullptr);
  KOVTString path = SetPath(name);
  KovtSettingsDictionary settings(dict);
  TRegistry registry(settings.get(), KoVTPrjReg::kReadWrite);
  if (!registry.OpenKey(path, true)) return;
  KovtJobKeys::Filer filer(registry, false);
  FileSet(filer, version, blocks, walkModule);
  registry.CloseKey();
}

std::vector<KovtJobKeys::Entry> KOVTJobSettings::ListSet(std::int32_t& version, CommonBlocks blocks,
                                                         Walker walkModule) {
  std::vector<KovtJobKeys::Entry> listing;
  KovtJobKeys::Filer filer(listing);
  FileSet(filer, version, blocks, walkModule);
  return listing;
}

std::vector<KOVTString> KOVTJobSettings::ListSetNames(std::int32_t& version, CommonBlocks blocks,
                                                      Walker walkModule) {
  std::vector<KOVTString> names;
  KovtJobKeys::Filer filer(names);
  FileSet(filer, version, blocks, walkModule);
  return names;
}

void KOVTJobSettings::FileSet(KovtJobKeys::Filer& filer, std::int32_t& version, CommonBlocks blocks,
                              Walker walkModule) {
  filer.FilePlanned(L"Version", &version);
  FileCommonBlocks(filer, blocks);
  walkModule(*this, filer);
}
