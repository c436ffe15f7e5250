#include "jobsettings/key_table.h"

#include <algorithm>
#include <map>
#include <mutex>
#include <string_view>
#include <utility>

namespace KovtJobKeys {

namespace {

using namespace KoVTPrjReg;

struct RegistryWriter {
  TRegistry& registry;
  const wchar_t* name;

  void operator()(bool* value) const { registry.WriteBool(name, *value); }
  void operator()(std::int32_t* value) const { registry.WriteInteger(name, *value); }
  void operator()(double* value) const { registry.WriteFloat(name, *value); }
  void operator()(KOVTString* value) const { registry.WriteString(name, *value); }
  void operator()(std::vector<std::uint8_t>* value) const {
    registry.WriteBinaryData(name, value->data(), static_cast<int>(value->size()));
  }
};

}  // namespace

void Default::Apply(Field field) const {
  if (m_kind == kKeep) return;
  struct Apply {
    const Default& value;
    void operator()(bool* member) const { *member = value.m_number != 0.0; }
    void operator()(std::int32_t* member) const { *member = static_cast<std::int32_t>(value.m_number); }
    void operator()(double* member) const { *member = value.m_number; }
    void operator()(KOVTString* member) const {
      if (value.m_text != nullptr) *member = value.m_text;
      else member->Empty();
    }
    void operator()(std::vector<std::uint8_t>* member) const { member->clear(); }
  };
  std::visit(Apply{*this}, field);
}

Filer::Filer(TRegistry& registry, bool reading) : m_registry(&registry), m_reading(reading) {}

Filer::Filer(std::vector<Entry>& listing) : m_listing(&listing) {}

Filer::Filer(std::vector<KOVTString>& names) : m_names(&names) {}

bool Filer::File(const wchar_t* name, Field field) {
  if (m_listing != nullptr) {
    m_listing->push_back({KOVTString(name), field});
    return false;
  }
  if (m_names != nullptr) {
    m_names->push_back(KOVTString(name));
    return false;
  }
  if (m_registry == nullptr) return false;
  if (!m_reading) {
    std::visit(RegistryWriter{*m_registry, name}, field);
    return false;
  }
  return name != nullptr && Take(Find(name), field);
}

const TValue* Filer::Find(std::wstring_view name) {
  if (!m_reading) return nullptr;
  const TKey* key = m_registry->GetCurrentKey();
  if (key != m_orderedKey) {
    m_orderedKey = key;
    m_ordered = OrderedValues(key);
  }
  return m_ordered.Find(name);
}

bool Filer::Take(const TValue* stored, Field field) {
  return stored != nullptr &&
         std::visit([&](auto* member) { return KovtJobKeys::Take(*stored, *member); }, field);
}

std::span<const NamedRow> AscendingOrder(const void* table, std::size_t rows,
                                         const wchar_t* (*nameOf)(const void* table, std::size_t row)) {
  static std::mutex mutex;
  static std::map<std::pair<const void*, std::size_t>, std::vector<NamedRow>> orders;
  const std::lock_guard<std::mutex> lock(mutex);
  auto [entry, added] = orders.try_emplace({table, rows});
  std::vector<NamedRow>& order = entry->second;
  if (added) {
    for (std::size_t row = 0; row < rows; ++row)
      order.push_back({static_cast<std::uint16_t>(row), nameOf(table, row)});
    std::sort(order.begin(), order.end(),
              [](const NamedRow& a, const NamedRow& b) { return a.name < b.name; });
  }
  return order;
}

}  // namespace KovtJobKeys
