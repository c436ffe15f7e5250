#include "jobsettings/key_table.h"

#include <algorithm>
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

Filer::Filer(ReadPlan& plan) : m_planning(&plan) {}

void Filer::Follow(const ReadPlan& plan) {
  if (!m_reading) return;
  m_plan = &plan;
  m_plannedKey = m_registry->GetCurrentKey();
  m_planned.resize(plan.ascending.size());
  OrderedValues(m_plannedKey).FindAscending(plan.ascending, m_planned);
  m_next = 0;
}

void Filer::Plan(const wchar_t* name) { m_planning->names.push_back(name); }

void ReadPlan::OrderByName() {
  std::vector<std::uint16_t> order(names.size());
  for (std::size_t at = 0; at < order.size(); ++at) order[at] = static_cast<std::uint16_t>(at);
  std::sort(order.begin(), order.end(), [&](std::uint16_t a, std::uint16_t b) { return names[a] < names[b]; });
  ascending.clear();
  rank.assign(names.size(), 0);
  for (std::uint16_t at : order) {
    if (ascending.empty() || ascending.back() != names[at]) ascending.push_back(names[at]);
    rank[at] = static_cast<std::uint16_t>(ascending.size() - 1);
  }
}

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

}  // namespace KovtJobKeys
