#include "copy/symbol_records.h"
#include "core/db_helpers.h"

#include <algorithm>

namespace KovtCopyUtil::Records {

bool SameName(const wchar_t* a, const wchar_t* b) { return KOVTString(a).CompareNoCase(b) == 0; }

std::vector<KOVTString> FreeNames(const PnDbSymbolTable* table, const std::vector<KOVTString>& names) {
  std::vector<KOVTString> chosen;
  auto taken = [&](const KOVTString& candidate) {
    return table->has(candidate) ||
           std::any_of(chosen.begin(), chosen.end(), [&](const KOVTString& other) { return SameName(other, candidate); });
  };
  for (const KOVTString& name : names) {
    KOVTString candidate = name;
    for (int counter = 1; taken(candidate); ++counter) candidate.Format(L"%ls %d", name.c_str(), counter);
    chosen.push_back(candidate);
  }
  return chosen;
}

}  // namespace KovtCopyUtil::Records
