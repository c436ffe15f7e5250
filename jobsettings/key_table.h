// The key vocabularies of the job settings are data: each module lists its
// stored keys once, in stored order, as a table of Key entries. Reading and
// writing a set both walk that one table, so the two can never disagree on a
// key's name, kind or position.
//
// An entry is either a plain value (a member of one of the four stored kinds,
// reached through `field`) or a custom entry (lists, buffers) that files itself.
// A plain entry may carry a repair, run after the key is read: it receives
// whether a value was found, and fixes up sets written by older versions.
#pragma once

#include <cstdint>
#include <span>
#include <variant>

#include "core/kovt_string.h"
#include "registry/registry_access.h"

namespace KovtJobKeys {

using Field = std::variant<bool*, std::int32_t*, double*, KOVTString*>;

template <class Settings>
struct Key {
  const wchar_t* name;
  Field (*field)(Settings&) = nullptr;
  void (*repair)(Settings&, bool found) = nullptr;
  void (*custom)(Settings&, KoVTPrjReg::TRegistry&, bool reading) = nullptr;
};

// Reads or writes one value of the current key of `registry`; answers whether
// a value of the right kind was read (writes always answer true).
bool FileField(KoVTPrjReg::TRegistry& registry, bool reading, const wchar_t* name, Field field);

template <class Settings>
void Walk(std::span<const Key<Settings>> keys, Settings& settings, KoVTPrjReg::TRegistry& registry, bool reading) {
  for (const Key<Settings>& key : keys) {
    if (key.custom != nullptr) {
      key.custom(settings, registry, reading);
      continue;
    }
    bool found = FileField(registry, reading, key.name, key.field(settings));
    if (reading && key.repair != nullptr) key.repair(settings, found);
  }
}

}  // namespace KovtJobKeys
