#include "platform/detail/wildcard.h"

#include "platform/detail/case_fold.h"

namespace kovt_platform {

namespace {

bool Glob(std::wstring_view pattern, std::wstring_view name) {
  std::size_t p = 0, n = 0;
  std::size_t starP = std::wstring_view::npos, starN = 0;
  while (n < name.size()) {
    if (p < pattern.size() && pattern[p] == L'*') {
      starP = p++;
      starN = n;
    } else if (p < pattern.size() && (pattern[p] == L'?' || FoldCase(pattern[p]) == FoldCase(name[n]))) {
      ++p;
      ++n;
    } else if (starP != std::wstring_view::npos) {
      p = starP + 1;
      n = ++starN;
    } else {
      return false;
    }
  }
  while (p < pattern.size() && pattern[p] == L'*') ++p;
  return p == pattern.size();
}

}  // namespace

bool MatchesFilePattern(std::wstring_view pattern, std::wstring_view name) {
  if (pattern == L"*.*") return true;
  if (pattern.ends_with(L".*") && Glob(pattern.substr(0, pattern.size() - 2), name)) return true;
  return Glob(pattern, name);
}

}  // namespace kovt_platform
