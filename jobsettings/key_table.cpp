#include "jobsettings/key_table.h"

namespace KovtJobKeys {

namespace {

using namespace KoVTPrjReg;

// Reads a member from a value found in the key, as the registry's typed
// reads do: a value of another kind counts as missing, and booleans are
// stored as integers.
struct ValueReader {
  const TValue& stored;

  template <class Stored>
  const Stored* As() const {
    return dynamic_cast<const Stored*>(&stored);
  }
  template <class Stored, class Member>
  bool Take(Member& member) const {
    const Stored* found = As<Stored>();
    if (found != nullptr) member = found->GetValue();
    return found != nullptr;
  }

  bool operator()(bool* value) const {
    std::int32_t number = 0;
    if (!Take<TIntValue>(number)) return false;
    *value = number != 0;
    return true;
  }
  bool operator()(std::int32_t* value) const { return Take<TIntValue>(*value); }
  bool operator()(double* value) const { return Take<TFloatValue>(*value); }
  bool operator()(KOVTString* value) const { return Take<TStringValue>(*value); }
  bool operator()(std::vector<std::uint8_t>* value) const {
    const TBinaryValue* found = As<TBinaryValue>();
    if (found == nullptr) return false;
    const std::uint8_t* data = found->GetData();
    value->assign(data, data + (data != nullptr ? found->GetDataSize() : 0));
    return true;
  }
};

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
  const TKey* key = m_registry->GetCurrentKey();
  if (name == nullptr || key == nullptr) return false;
  const TValue* stored = key->FindValue(name);
  return stored != nullptr && std::visit(ValueReader{*stored}, field);
}

}  // namespace KovtJobKeys
