#include "jobsettings/key_table.h"

#include <algorithm>
#include <bit>
#include <random>
#include <string_view>

namespace KovtJobKeys {

// Reading a set looks up every value by name, and the registry finds a name
// by comparing it along a tree path; with names sharing long prefixes
// ("BarDsp.SchemFlex...") that was most of the time a read took. So a reading
// filer indexes the key's values once, in an open-addressing table hashed
// with a seed drawn per process, so that no stored set can be made to
// collide on purpose.
class Filer::ValueIndex {
 public:
  explicit ValueIndex(const KoVTPrjReg::TValueMap& values) {
    const std::size_t size = std::bit_ceil(std::max<std::size_t>(values.size() * 2, 16));
    m_slots.resize(size);
    m_mask = size - 1;
    for (const auto& [name, value] : values) {
      std::size_t slot = Hash(name.str()) & m_mask;
      while (m_slots[slot].value != nullptr) slot = (slot + 1) & m_mask;
      m_slots[slot] = {name.str(), value.get()};
    }
  }

  const KoVTPrjReg::TValue* Find(std::wstring_view name) const {
    for (std::size_t slot = Hash(name) & m_mask; m_slots[slot].value != nullptr; slot = (slot + 1) & m_mask)
      if (m_slots[slot].name == name) return m_slots[slot].value;
    return nullptr;
  }

 private:
  struct Slot {
    std::wstring_view name;
    const KoVTPrjReg::TValue* value = nullptr;
  };

  // Four characters a step in two independent lanes, folded at the end.
  static std::size_t Hash(std::wstring_view name) {
    static const std::uint64_t kSeed = (std::uint64_t{std::random_device{}()} << 32) | std::random_device{}();
    constexpr std::uint64_t kMultiplier = 0x9e3779b97f4a7c15ull;
    auto pair = [&](std::size_t i) {
      const auto code = [&](std::size_t at) {
        return at < name.size() ? std::uint64_t{static_cast<std::uint32_t>(name[at])} : 0;
      };
      return code(i) << 32 | code(i + 1);
    };
    std::uint64_t first = (kSeed ^ name.size()) * kMultiplier;
    std::uint64_t second = ~kSeed * kMultiplier;
    for (std::size_t i = 0; i < name.size(); i += 4) {
      first = (first ^ pair(i)) * kMultiplier;
      second = (second ^ pair(i + 2)) * kMultiplier;
    }
    std::uint64_t hash = (first ^ (first >> 32) ^ std::rotl(second, 29)) * kMultiplier;
    return static_cast<std::size_t>(hash ^ (hash >> 29));
  }

  std::vector<Slot> m_slots;
  std::size_t m_mask = 0;
};

namespace {

using namespace KoVTPrjReg;

// Reads a member from a value found in the index, as the registry's typed
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

Filer::Filer(TRegistry& registry, bool reading) : m_registry(&registry), m_reading(reading) {}

Filer::Filer(std::vector<Entry>& listing) : m_listing(&listing) {}

Filer::Filer(std::vector<KOVTString>& names) : m_names(&names) {}

Filer::~Filer() = default;

bool Filer::File(const wchar_t* name, Field field) {
  if (m_listing != nullptr) {
    m_listing->push_back({KOVTString(name), field});
    return false;
  }
  if (m_names != nullptr) {
    m_names->push_back(KOVTString(name));
    return false;
  }
  if (!m_reading) {
    std::visit(RegistryWriter{*m_registry, name}, field);
    return false;
  }
  const TKey* key = m_registry->GetCurrentKey();
  if (name == nullptr || key == nullptr) return false;
  if (m_index == nullptr) m_index = std::make_unique<ValueIndex>(key->Values());
  const TValue* stored = m_index->Find(name);
  return stored != nullptr && std::visit(ValueReader{*stored}, field);
}

}  // namespace KovtJobKeys
