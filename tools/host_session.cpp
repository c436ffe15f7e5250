#include "tools/host_session.h"

#include <cstdio>
#include <new>
#include <string>

#include "host/print.h"
#include "host/rx.h"
#include "module/app_set_module.h"
#include "platform/wide_string.h"
#include "tools/cli_error.h"

namespace {

constexpr const wchar_t* kModuleFile = L"KoVTAppSet.kmo";

}  // namespace

HostSession::HostSession(bool verbose) : m_verbose(verbose) {
  pnutCaptureOutput(true);
  PnRxDynamicLinker* linker = pnrxDynamicLinker();
  const bool loaded = linker->loadModule(kModuleFile);
  RelayModuleOutput();
  if (!loaded) {
    pnutCaptureOutput(false);
    throw CliError("cannot load the module: " + WideToUtf8(linker->lastLoadError()));
  }
  // The classes this program calls must be those the linker initialised; a
  // second copy of the library would leave them uninitialised.
  if (!KoVTAppSetModuleObject().IsInitialized()) {
    linker->unloadModule(kModuleFile);
    RelayModuleOutput();
    pnutCaptureOutput(false);
    throw CliError("the loaded KoVTAppSet.kmo is not the library this program is linked with");
  }
}

HostSession::~HostSession() {
  pnrxDynamicLinker()->unloadModule(kModuleFile);
  try {
    RelayModuleOutput();
  } catch (const std::bad_alloc&) {
    // Only the farewell lines are lost; the command's outcome stands.
  }
  pnutCaptureOutput(false);
}

void HostSession::RelayModuleOutput() const {
  const std::wstring text = pnutTakeCapturedOutput();
  if (m_verbose) std::fputs(WideToUtf8(text).c_str(), stderr);
}
