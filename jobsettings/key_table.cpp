#include "jobsettings/key_table.h"

namespace KovtJobKeys {

bool FileField(KoVTPrjReg::TRegistry& registry, bool reading, const wchar_t* name, Field field) {
  struct Filer {
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
  };
  return std::visit(Filer{registry, reading, name}, field);
}

}  // namespace KovtJobKeys
