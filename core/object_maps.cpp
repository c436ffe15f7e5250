#include "core/object_maps.h"

#include <array>

bool KovtObjectMaps::Add(const wchar_t* name, Factory factory) {
  if (name == nullptr || factory == nullptr) return false;
  return m_factories.emplace(name, factory).second;
}

bool KovtObjectMaps::Remove(const wchar_t* name) { return name && m_factories.erase(name) > 0; }

KovtObjectMaps::Factory KovtObjectMaps::Find(const wchar_t* name) const {
  if (name == nullptr) return nullptr;
  auto it = m_factories.find(name);
  return it == m_factories.end() ? nullptr : it->second;
}

std::vector<std::wstring> KovtObjectMaps::Names() const {
  std::vector<std::wstring> names;
  for (const auto& entry : m_factories) names.push_back(entry.first);
  return names;
}

KovtObjectMaps* GetObjectMaps(int contextType) {
  static std::array<KovtObjectMaps, 6> maps;
  if (contextType < 0 || contextType >= static_cast<int>(maps.size())) return nullptr;
  return &maps[static_cast<std::size_t>(contextType)];
}
