#include "jobsettings/formwork_job_settings.h"

#include <utility>

#include "environment/tolerance_refresh.h"
#include "host/host.h"
#include "jobsettings/formwork_keys.h"
#include "jobsettings/formwork_linetypes.h"

namespace {

constexpr const wchar_t* kNewSetName = L"Standard";

// Makes the drawing of a dictionary the working one for the scope's life.
class WorkingDrawingOf {
 public:
  explicit WorkingDrawingOf(PnDbDictionary* dict)
      : m_services(pndbHostApplicationServices()), m_previous(m_services->workingDatabase()) {
    if (dict != nullptr) m_services->setWorkingDatabase(dict->database());
  }
  ~WorkingDrawingOf() { m_services->setWorkingDatabase(m_previous); }
  WorkingDrawingOf(const WorkingDrawingOf&) = delete;
  WorkingDrawingOf& operator=(const WorkingDrawingOf&) = delete;

 private:
  PnDbHostApplicationServices* m_services;
  PnDbDatabase* m_previous;
};

}  // namespace

KOVTJobSettings::CommonBlocks KOVTFormworkJobSettings::StoredBlocks() {
  return {.variables = VAR_COMPANY_LOGO + 1, .templates = 3, .dataAfterSize = true};
}

KOVTFormworkJobSettings::KOVTFormworkJobSettings() {
  Initialize();
  ReadVector(nullptr, KoVTPrjReg::kReadWrite);
  if (!ReadJobSettings(GetDefault(), nullptr, KoVTPrjReg::kReadWrite)) WriteJobSettings(kNewSetName, nullptr);
}

KOVTFormworkJobSettings::KOVTFormworkJobSettings(PnDbDictionary* dict) {
  WorkingDrawingOf working(dict);
  Load(dict, KoVTPrjReg::kReadWrite);
}

bool KOVTFormworkJobSettings::ReadJobSettings(KOVTString name, PnDbDictionary* dict,
                                              KoVTPrjReg::TAccessRight access) {
  // A set that stores no version is of the current one.
  const std::int32_t before = std::exchange(m_storedVersion, FormatVersion);
  if (KOVTModuleJobSettings::ReadJobSettings(name, dict, access)) return true;
  m_storedVersion = before;
  return false;
}

std::vector<KOVTString> KOVTFormworkJobSettings::ListKeyNames() {
  return ListSetNames(m_writtenVersion, StoredBlocks(), &WalkModule);
}

void KOVTFormworkJobSettings::WalkModule(KOVTJobSettings& settings, KovtJobKeys::Filer& filer) {
  auto& formwork = static_cast<KOVTFormworkJobSettings&>(settings);
  KovtJobKeys::Walk(KovxJobKeys::OptionKeys(), formwork, filer);
  KovtJobKeys::Walk(KovxJobKeys::DrawingKeys(), formwork, filer);
  if (filer.Reading()) KovxTranslateLinetypes(formwork);
  WalkProject(formwork, filer);
}

void KOVTFormworkJobSettings::RefreshTolerances() const { KovtRefreshFromFormwork(KOVT_EPSILON(), Units.WorkUnits); }

void KOVTFormworkJobSettings::TVARIABLES_2_XPROJECT() {
  VariablesToProject(Project);
}

void KOVTFormworkJobSettings::XPROJECT_2_TVARIABLES() {
  ProjectToVariables(Project);
}
