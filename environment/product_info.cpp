#include "environment/product_info.h"

#include <cstdint>
#include <string>

#include "environment/windows_registry.h"

KOVTString GetProductVersionName() { return L"2019"; }

KOVTString GetProductVersionNo() { return GetProductVersionName() + L"_enu"; }

KOVTString GetProductLang() {
  static KOVTString cached;
  if (cached.IsEmpty()) {
    KOVTString language;
    if (ORL_Tools::RegGetLocM2CurU_SZ(kPlnxRegistryKey, L"LastLaunchedLanguage", language)) cached = language;
  }
  return cached;
}

KOVTString GetSupName(const wchar_t* text, int delta) {
  std::wstring shifted(text != nullptr ? text : L"");
  for (wchar_t& character : shifted) character = static_cast<wchar_t>(static_cast<std::uint16_t>(character + delta));
  return shifted;
}
