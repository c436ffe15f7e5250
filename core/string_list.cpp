#include "core/string_list.h"

namespace KoVT::Core {

int TStringList::IndexOf(const KOVTString& text) const {
  for (std::size_t i = 0; i < m_items.size(); ++i) {
    if (m_items[i] == text) return static_cast<int>(i);
  }
  return -1;
}

}  // namespace KoVT::Core
