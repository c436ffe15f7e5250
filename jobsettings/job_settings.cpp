#include "jobsettings/job_settings.h"

#include <algorithm>

#include "dictionaries/dict_tree.h"
#include "jobsettings/settings_dictionary.h"
#include "registry/project_registry_error.h"

namespace {

using KoVTPrjReg::TRegistry;
using Key = KovtJobKeys::Key<KOVTJobSettings>;
using Field = KovtJobKeys::Field;

constexpr const wchar_t* kVectorPath = L"//SettingsVector";

const wchar_t* const kVariableKeys[VAR_COUNT] = {
    L"Variables.sVAR_REPORT_PAGE_NUMBER", L"Variables.sVAR_REPORT_PAGE_TOTAL", L"Variables.sVAR_REPORT_DATE",
    L"Variables.sVAR_REPORT_TIME",        L"Variables.sVAR_USER_NAME",         L"Variables.sVAR_USER_ADDRESS",
    L"Variables.sVAR_PROJECT_NAME",       L"Variables.sVAR_PROJECT_FILE",      L"Variables.sVAR_PROJECT_DIRECTORY",
    L"Variables.sVAR_PROJECT_CREATED",    L"Variables.sVAR_PROJECT_MODIFIED",  L"Variables.sVAR_PROJECT_VERSION",
    L"Variables.sVAR_COMPANY_NAME",       L"Variables.sVAR_COMPANY_ADDRESS",   L"Variables.sVAR_COMPANY_TELEPHONE",
    L"Variables.sVAR_COMPANY_FAX",        L"Variables.sVAR_COMPANY_EMAIL",     L"Variables.sVAR_COMPANY_LOGO",
    L"Variables.sVAR_INV_NAME",           L"Variables.sVAR_INV_ADDRESS",       L"Variables.sVAR_INV_PHONE",
    L"Variables.sVAR_INV_FAX",            L"Variables.sVAR_INV_EMAIL",         L"Variables.sVAR_OFF_NAME",
    L"Variables.sVAR_OFF_ADDRESS",        L"Variables.sVAR_OFF_PHONE",         L"Variables.sVAR_OFF_FAX",
    L"Variables.sVAR_OFF_EMAIL",          L"Variables.sVAR_REV_NUM",           L"Variables.sVAR_REV_NAME",
    L"Variables.sVAR_DRAW_NAME",          L"Variables.sVAR_VERIF",             L"Variables.sVAR_SCALE",
};

const Key kPageSetupKeys[] = {
    {L"PageSet.AddHeader", [](KOVTJobSettings& s) -> Field { return &s.PageSetup().AddHeader; }},
    {L"PageSet.AddFooter", [](KOVTJobSettings& s) -> Field { return &s.PageSetup().AddFooter; }},
    {L"PageSet.Frame", [](KOVTJobSettings& s) -> Field { return &s.PageSetup().Frame; }},
    {L"PageSet.IsHeaderFrame", [](KOVTJobSettings& s) -> Field { return &s.PageSetup().IsHeaderFrame; }},
    {L"PageSet.IsTableFrame", [](KOVTJobSettings& s) -> Field { return &s.PageSetup().IsTableFrame; }},
    {L"PageSet.IsFooterFrame", [](KOVTJobSettings& s) -> Field { return &s.PageSetup().IsFooterFrame; }},
    {L"PageSet.Orientation", [](KOVTJobSettings& s) -> Field { return &s.PageSetup().Orientation; }},
    {L"PageSet.ProjNameTile", [](KOVTJobSettings& s) -> Field { return &s.PageSetup().ProjNameTile; }},
};

const Key kTemplateKeys[] = {
    {L"Templates.ExcelName", [](KOVTJobSettings& s) -> Field { return &s.Templates().ExcelName; }},
    {L"Templates.WordName", [](KOVTJobSettings& s) -> Field { return &s.Templates().WordName; }},
    {L"Templates.AddTable", [](KOVTJobSettings& s) -> Field { return &s.Templates().AddTable; }},
    {L"Templates.NoEmpty", [](KOVTJobSettings& s) -> Field { return &s.Templates().NoEmpty; }},
    {L"Templates.TabPlace", [](KOVTJobSettings& s) -> Field { return &s.Templates().TabPlace; }},
    {L"Templates.RowCount", [](KOVTJobSettings& s) -> Field { return &s.Templates().RowCount; }},
    {L"Templates.ColWidth", [](KOVTJobSettings& s) -> Field { return &s.Templates().ColWidth; }},
    {L"Templates.RowHeight", [](KOVTJobSettings& s) -> Field { return &s.Templates().RowHeight; }},
};

// A printout header or footer: its size, then its bytes.
void FileBuffer(KovtJobKeys::Filer& filer, const wchar_t* sizeKey, const wchar_t* dataKey, std::int32_t& size,
                std::vector<std::uint8_t>& data, bool sizedData) {
  const bool sizeFound = filer.File(sizeKey, &size);
  if (sizedData && filer.Reading() && !(sizeFound && size > 0)) return;
  if (filer.File(dataKey, &data) && sizedData) size = static_cast<std::int32_t>(data.size());
}

}  // namespace

const wchar_t* KOVTJobSettings::VariableKey(int index) {
  return index >= 0 && index < VAR_COUNT ? kVariableKeys[index] : nullptr;
}

KOVTString KOVTJobSettings::SetPath(const KOVTString& name) {
  KOVTString path;
  path.Format(L"\\\\%ls", name.c_str());
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
  // A hostile drawing may claim billions of names: no more than the key holds values.
  count = static_cast<int>(std::min<std::size_t>(std::max(count, 0), registry.GetCurrentKey()->Values().size()));
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
  FileHeaderFooter(filer, blocks.sizedHeaderData);
  KovtJobKeys::Walk(std::span<const Key>(kTemplateKeys).first(static_cast<std::size_t>(blocks.templates)), *this,
                    filer);
}

void KOVTJobSettings::FileVariables(KovtJobKeys::Filer& filer, CommonBlocks blocks) {
  for (int i = 0; i < blocks.variables; ++i) {
    KOVTString& value = m_variables.Values[static_cast<std::size_t>(i)];
    if (filer.File(kVariableKeys[i], &value) || !filer.Reading()) continue;
    for (const VariableFallback& fallback : blocks.variableFallbacks)
      if (fallback.variable == i) value = m_variables.Values[fallback.source];
  }
}

void KOVTJobSettings::FileHeaderFooter(KovtJobKeys::Filer& filer, bool sizedData) {
  FileBuffer(filer, L"HeaderFooter.HeaderSize", L"HeaderFooter.HeaderData", m_headerFooter.HeaderSize,
             m_headerFooter.HeaderData, sizedData);
  FileBuffer(filer, L"HeaderFooter.FooterSize", L"HeaderFooter.FooterData", m_headerFooter.FooterSize,
             m_headerFooter.FooterData, sizedData);
}

bool KOVTJobSettings::ReadSet(const KOVTString& name, PnDbDictionary* dict, KoVTPrjReg::TAccessRight access,
                              std::int32_t& version, CommonBlocks blocks, Walker walkModule) {
  KOVTString path = SetPath(name);
  KovtSettingsDictionary settings(dict);
  TRegistry registry(settings.get(), access);
  if (!registry.KeyExists(path)) return false;
  registry.OpenKey(path, false);
  try {
    KovtJobKeys::Filer filer(registry, true);
    FileSet(filer, version, blocks, walkModule);
  } catch (const KoVT::EProjectRegistry& error) {
    error.ShowMessage();
  }
  registry.CloseKey();
  return true;
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
  filer.File(L"Version", &version);
  FileCommonBlocks(filer, blocks);
  walkModule(*this, filer);
}
