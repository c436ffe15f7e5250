#include "jobsettings/key_table.h"

#include <cstring>

namespace KovtJobKeys {

namespace {

struct RegistryFiler {
  KoVTPrjReg::TRegistry& registry;
  bool reading;
  const wchar_t* name;

  bool operator()(bool* value) const {
    return reading ? registry.ReadBool(name, *value) : registry.WriteBool(name, *value);
  }
  bool operator()(std::int32_t* value) const {
    if (!reading) return registry.WriteInteger(name, *value);
    int read = 0;
    if (!registry.ReadInteger(name, read)) return false;
    *value = read;
    return true;
  }
  bool operator()(double* value) const {
    return reading ? registry.ReadFloat(name, *value) : registry.WriteFloat(name, *value);
  }
  bool operator()(KOVTString* value) const {
    return reading ? registry.ReadString(name, *value) : registry.WriteString(name, *value);
  }
  bool operator()(std::vector<std::uint8_t>* value) const {
    if (!reading) return registry.WriteBinaryData(name, value->data(), static_cast<int>(value->size()));
    std::uint8_t* buffer = nullptr;
    int size = 0;
    if (!registry.ReadBinaryData(name, buffer, size)) return false;
    value->assign(buffer, buffer + size);
    delete[] buffer;
    return true;
  }
};

}  // namespace

bool Filer::File(const wchar_t* name, Field field) {
  if (m_listing != nullptr) {
    m_listing->push_back({KOVTString(name), field});
    return false;
  }
  bool read = std::visit(RegistryFiler{*m_registry, m_reading, name}, field);
  return m_reading && read;
}

}  // namespace KovtJobKeys
