#include "tools/drawing.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>

#include "environment/tolerances.h"
#include "host/database.h"
#include "platform/wide_string.h"
#include "tools/cli_error.h"

namespace {

std::string Failure(const PnDbDatabase& database, Plnx::ErrorStatus status, const std::string& what) {
  if (!database.lastFileError().empty()) return WideToUtf8(database.lastFileError());
  return what + " (status " + std::to_string(static_cast<int>(status)) + ")";
}

constexpr const char* kLockWaitVariable = "KOVTSET_LOCK_WAIT";
constexpr std::chrono::milliseconds kDefaultLockWait{10'000};

std::chrono::milliseconds LockWait() {
  const char* text = std::getenv(kLockWaitVariable);
  if (text == nullptr || *text == 0) return kDefaultLockWait;
  char* end = nullptr;
  const double seconds = std::strtod(text, &end);
  // A day bounds the wait and keeps the conversion in range.
  if (*end != 0 || !(seconds >= 0 && seconds <= 86400))
    throw CliError(std::string(kLockWaitVariable) + " must be a number of seconds from 0 to 86400, not '" + text + "'");
  return std::chrono::milliseconds(static_cast<long>(seconds * 1000));
}

std::string Seconds(std::chrono::milliseconds time) {
  char text[32];
  std::snprintf(text, sizeof text, "%g", static_cast<double>(time.count()) / 1000);
  return text;
}

}  // namespace

Drawing::Drawing(std::unique_ptr<PnDbDatabase> database, std::filesystem::path file)
    : m_database(std::move(database)), m_file(std::move(file)) {}

std::unique_ptr<Drawing> Drawing::Open(const std::filesystem::path& file, Reading reading) {
  auto database = std::make_unique<PnDbDatabase>(false);
  const Plnx::ErrorStatus status =
      database->readDwgFile(NativeNameToWide(file.native()).c_str(), reading == Reading::OnDemand);
  if (status != Plnx::eOk) throw CliError(Failure(*database, status, "cannot read " + file.string()));
  return std::unique_ptr<Drawing>(new Drawing(std::move(database), file));
}

std::unique_ptr<Drawing> Drawing::OpenToChange(const std::filesystem::path& file, Reading reading) {
  kovt_platform::FileLock lock;
  std::string error;
  const std::chrono::milliseconds wait = LockWait();
  switch (lock.Lock(file, wait, error)) {
    case kovt_platform::FileLock::Result::Locked:
      break;
    case kovt_platform::FileLock::Result::Busy:
      throw CliError(file.string() + " is being changed by another writer; gave up after " +
                     Seconds(wait) + " s (" + kLockWaitVariable + " sets the wait)");
    case kovt_platform::FileLock::Result::Failed:
      throw CliError("cannot open " + file.string() + ": " + error);
  }
  std::unique_ptr<Drawing> drawing = Open(file, reading);
  drawing->m_lock = std::move(lock);
  return drawing;
}

std::unique_ptr<Drawing> Drawing::Create(const std::filesystem::path& file) {
  return std::unique_ptr<Drawing>(new Drawing(std::make_unique<PnDbDatabase>(true), file));
}

Drawing::~Drawing() {
  PnDbHostApplicationServices* services = pndbHostApplicationServices();
  if (services->workingDatabase() == m_database.get()) services->setWorkingDatabase(nullptr);
  KovtForgetEpsilons(m_database.get());
}

void Drawing::RequireUndamaged() const {
  if (m_database->hasDamagedObject()) throw CliError(WideToUtf8(m_database->lastFileError()));
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
