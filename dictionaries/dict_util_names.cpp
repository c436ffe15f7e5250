#include <string>
#include <string_view>

#include "dictionaries/dict_util.h"

namespace KovtDictUtil {

namespace {

// Position by position: each forbidden character and what repair makes of it.
constexpr std::wstring_view kForbidden = L"<>/\\\"?*|,=';~:";
constexpr std::wstring_view kReplacement = L"()------.-----";
static_assert(kForbidden.size() == kReplacement.size());

// Names as long as this or longer are refused (a host limit on record names).
constexpr std::size_t kLengthLimit = 256;
// Repair keeps this many characters from each end of an over-long name.
constexpr std::size_t kKeptAtEachEnd = 126;

bool IsValid(const std::wstring& name) {
  return !name.empty() && name.front() != L' ' && name.size() < kLengthLimit &&
         name.find_first_of(kForbidden) == std::wstring::npos;
}

std::wstring Repaired(std::wstring name) {
  if (name.size() >= kLengthLimit)
    name = name.substr(0, kKeptAtEachEnd) + name.substr(name.size() - kKeptAtEachEnd);
  for (wchar_t& character : name) {
    std::size_t position = kForbidden.find(character);
    if (position != std::wstring_view::npos) character = kReplacement[position];
  }
  std::size_t first = name.find_first_not_of(L' ');
  if (first == std::wstring::npos) return L"a";
  std::size_t last = name.find_last_not_of(L' ');
  return name.substr(first, last - first + 1);
}

}  // namespace

bool IsValidDbName(KOVTString& name, bool repair) {
  if (!repair) return IsValid(name.str());
  std::wstring repaired = Repaired(name.str());
  if (repaired == name.str()) return true;
  name = KOVTString(std::move(repaired));
  return false;
}

}  // namespace KovtDictUtil
