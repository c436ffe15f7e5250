#include "tools/drawing.h"

#include "environment/tolerances.h"
#include "host/database.h"
#include "platform/wide_string.h"
#include "tools/cli_error.h"

namespace {

std::string Failure(const PnDbDatabase& database, Plnx::ErrorStatus status, const std::string& what) {
  if (!database.lastFileError().empty()) return WideToUtf8(database.lastFileError());
  return what + " (status " + std::to_string(static_cast<int>(status)) + ")";
}

}  // namespace

Drawing::Drawing(std::unique_ptr<PnDbDatabase> database, std::filesystem::path file)
    : m_database(std::move(database)), m_file(std::move(file)) {}

std::unique_ptr<Drawing> Drawing::Open(const std::filesystem::path& file) {
  auto database = std::make_unique<PnDbDatabase>(false);
  const Plnx::ErrorStatus status = database->readDwgFile(NativeNameToWide(file.native()).c_str());
  if (status != Plnx::eOk) throw CliError(Failure(*database, status, "cannot read " + file.string()));
  return std::unique_ptr<Drawing>(new Drawing(std::move(database), file));
}

std::unique_ptr<Drawing> Drawing::Create(const std::filesystem::path& file) {
  return std::unique_ptr<Drawing>(new Drawing(std::make_unique<PnDbDatabase>(true), file));
}

Drawing::~Drawing() {
  PnDbHostApplicationServices* services = pndbHostApplicationServices();
  if (services->workingDatabase() == m_database.get()) services->setWorkingDatabase(nullptr);
  KovtForgetEpsilons(m_database.get());
}

void Drawing::Save() const {
  const Plnx::ErrorStatus status = m_database->saveAs(NativeNameToWide(m_file.native()).c_str());
  if (status != Plnx::eOk) throw CliError(Failure(*m_database, status, "cannot save " + m_file.string()));
}

WorkingDrawing::WorkingDrawing(const Drawing& drawing)
    : m_previous(pndbHostApplicationServices()->workingDatabase()) {
  pndbHostApplicationServices()->setWorkingDatabase(drawing.Database());
}

WorkingDrawing::~WorkingDrawing() { pndbHostApplicationServices()->setWorkingDatabase(m_previous); }
