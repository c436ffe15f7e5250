#include "environment/windows_registry.h"

#include "environment/path_text.h"
#include "environment/product_info.h"
#include "environment/registry_value.h"

namespace ORL_Tools {

namespace {

// The locale id follows the ten characters "PLNX-E030:" of the product code.
constexpr int kLocaleIdStart = 10;
constexpr int kLocaleIdLength = 3;

bool ReadString(HKEY root, const wchar_t* key, const wchar_t* valueName, KOVTString& out) {
  HKEY opened = nullptr;
  if (RegOpenKeyExW(root, key, 0, KEY_READ, &opened) != ERROR_SUCCESS) return false;
  const bool read = KovtQueryStringValue(opened, valueName, kMaxRegistryCharacters, out);
  RegCloseKey(opened);
  return read;
}

// Opens the key with full access, or creates it for writing when it does not exist.
HKEY RegOpenCreateKeyEx(HKEY root, const wchar_t* key) {
  HKEY opened = nullptr;
  if (RegOpenKeyExW(root, key, 0, KEY_ALL_ACCESS, &opened) == ERROR_SUCCESS) return opened;
  if (RegCreateKeyExW(root, key, 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_WRITE, nullptr, &opened, nullptr) ==
      ERROR_SUCCESS)
    return opened;
  return nullptr;
}

}  // namespace

bool RegGetLocM2CurU_SZ(const wchar_t* key, const wchar_t* valueName, KOVTString& out) {
  if (ReadString(HKEY_CURRENT_USER, key, valueName, out) || ReadString(HKEY_LOCAL_MACHINE, key, valueName, out))
    return true;
  out.Empty();
  return false;
}

bool RegSet2Cur_SZ(const wchar_t* key, const wchar_t* valueName, const wchar_t* text, int length) {
  if (text == nullptr || length < 0) return false;
  HKEY opened = RegOpenCreateKeyEx(HKEY_CURRENT_USER, key);
  // False rather than true: a caller told "written" would drop a value it still holds.
  if (opened == nullptr) return false;
  // Stops at the text's terminator: a length past it would read beyond the caller's text.
  DWORD characters = 0;
  while (characters < static_cast<DWORD>(length) && text[characters] != L'\0') ++characters;
  const LONG status = RegSetValueExW(opened, valueName, 0, REG_SZ, reinterpret_cast<const BYTE*>(text),
                                     characters * static_cast<DWORD>(sizeof(wchar_t)));
  RegCloseKey(opened);
  return status == ERROR_SUCCESS;
}

void DecomposeTempl(const KOVTString& path, KOVTString& out) { out = KovtPath::NameOf(path); }

bool GetPlnxLocaleId(KOVTString& out) {
  static bool found = false;
  static KOVTString cached;
  if (!found) {
    KOVTString version;
    if (!RegGetLocM2CurU_SZ(kPlnxRegistryKey, L"CurVer", version)) return false;
    cached = version.Mid(kLocaleIdStart, kLocaleIdLength);
    found = true;
  }
  out = cached;
  return true;
}

}  // namespace ORL_Tools
