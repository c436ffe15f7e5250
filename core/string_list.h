// KoVT::Core::TStringList: an ordered list of strings filled by callers.
#pragma once

#include <vector>

#include "core/kovt_string.h"

namespace KoVT::Core {

class TStringList {
 public:
  void Add(const KOVTString& text) { m_items.push_back(text); }
  int GetCount() const { return static_cast<int>(m_items.size()); }
  bool IsEmpty() const { return m_items.empty(); }
  void Clear() { m_items.clear(); }
  // The index of the first equal string, or -1.
  int IndexOf(const KOVTString& text) const;
  const KOVTString& operator[](int index) const { return m_items.at(static_cast<std::size_t>(index)); }
  std::vector<KOVTString>::const_iterator begin() const { return m_items.begin(); }
  std::vector<KOVTString>::const_iterator end() const { return m_items.end(); }

 private:
  std::vector<KOVTString> m_items;
};

}  // namespace KoVT::Core
