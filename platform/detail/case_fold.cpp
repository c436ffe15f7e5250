#include "platform/detail/case_fold.h"

namespace kovt_platform {

wchar_t FoldCase(wchar_t c) {
  const auto u = static_cast<unsigned long>(c);
  if (u >= L'A' && u <= L'Z') return static_cast<wchar_t>(u + 0x20);
  if (u < 0xC0) return c;
  if ((u <= 0xDE && u != 0xD7) || (u >= 0x391 && u <= 0x3AB && u != 0x3A2) || (u >= 0x410 && u <= 0x42F))
    return static_cast<wchar_t>(u + 0x20);
  if (u >= 0x400 && u <= 0x40F) return static_cast<wchar_t>(u + 0x50);
  if (u == 0x178) return static_cast<wchar_t>(0xFF);  // before the even/odd pairs it sits among
  // Latin Extended-A pairs upper/lower as even/odd, except a few odd-first runs.
  if (u >= 0x100 && u <= 0x17F && u != 0x130 && u != 0x131 && u != 0x138 && u != 0x149 && u != 0x17F) {
    const bool oddFirst = (u >= 0x139 && u <= 0x148) || (u >= 0x179 && u <= 0x17E);
    if (oddFirst ? (u % 2 == 1) : (u % 2 == 0)) return static_cast<wchar_t>(u + 1);
  }
  return c;
}

std::wstring FoldCase(std::wstring_view text) {
  std::wstring out(text);
  for (auto& c : out) c = FoldCase(c);
  return out;
}

bool EqualsIgnoringCase(std::wstring_view a, std::wstring_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (FoldCase(a[i]) != FoldCase(b[i])) return false;
  return true;
}

}  // namespace kovt_platform
