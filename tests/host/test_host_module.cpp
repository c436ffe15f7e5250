// Loaded by the module scenarios. One source, built as several modules:
//   PN_TEST_MODULE_GOOD     registers a service and a class while loaded
//   PN_TEST_MODULE_OLD_API  reports a host version of another generation
//   PN_TEST_MODULE_REFUSING answers the initialisation with an error
//   PN_TEST_MODULE_PLAIN    a library without the module entry points
#include "host/host.h"

#define PN_EXPORT extern "C" __attribute__((visibility("default")))

#ifndef PN_TEST_MODULE_PLAIN

namespace {

const wchar_t* const kService = L"PN_TEST_MODULE_SERVICE";
const wchar_t* const kClass = L"PnTestModuleObject";

class ModuleObject : public PnDbDictionary {};

PnRx::AppRetCode initialise() {
#ifdef PN_TEST_MODULE_REFUSING
  return PnRx::kRetError;
#else
  if (pnrxDynamicLinker()->registerService(kService, new PnRxService) == nullptr) return PnRx::kRetError;
  newPnRxClass(kClass, L"PnDbDictionary", 0, 0, 0, [] { return static_cast<PnRxObject*>(new ModuleObject); });
  pnutPrintf(L"[test module] loaded\n");
  return PnRx::kRetOK;
#endif
}

PnRx::AppRetCode unload() {
  auto* services = dynamic_cast<PnRxDictionary*>(pnrxSysRegistry()->at(L"ServiceDictionary"));
  delete services->remove(kService);
  deletePnRxClass(pnrxFindPnRxClass(kClass));
  pnutPrintf(L"[test module] unloaded\n");
  return PnRx::kRetOK;
}

}  // namespace

PN_EXPORT PnRx::AppRetCode pnrxEntryPoint(PnRx::AppMsgCode message, void*) {
  switch (message) {
    case PnRx::kInitAppMsg:
      return initialise();
    case PnRx::kUnloadAppMsg:
      return unload();
    default:
      return PnRx::kRetOK;
  }
}

PN_EXPORT void pnrxGetApiVersion(std::uint32_t* version) {
#ifdef PN_TEST_MODULE_OLD_API
  *version = kPnRxApiVersion - 0x10000;
#else
  *version = kPnRxApiVersion;
#endif
}

#else

PN_EXPORT int pnTestPlainLibrary() { return 1; }

#endif
