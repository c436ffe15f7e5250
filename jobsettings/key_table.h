// The key vocabularies of the job settings are data: each module lists its
// stored keys once, in stored order, as a table of Key rows. Reading,
// writing, listing and resetting a set all walk that one table, so they can
// never disagree on a key's name, kind, position or default.
//
// A row is either a plain value (a member of one of the stored kinds, reached
// through `field`), a custom row (lists, buffers) that files its values itself
// through the same Filer, or a row the registry files through its own two-way
// operations (object ids, presentation structures); the macros at the end
// write each kind as one row. A plain row names the default a new set gives
// its member (kKept: a reset leaves it alone) and may carry a repair, run
// after the key is read: it receives whether a value was found, and fixes up
// sets written by older versions. A custom row may name the member a reset
// gives its default (a list's count).
#pragma once

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "core/kovt_string.h"
#include "jobsettings/ordered_values.h"
#include "registry/registry_access.h"

namespace KovtJobKeys {

using Field = std::variant<bool*, std::int32_t*, double*, KOVTString*, std::vector<std::uint8_t>*>;

// One stored value of a set, as a listing walk reports it: its name and the
// member that holds it.
struct Entry {
  KOVTString name;
  Field field;
};

// The value a reset gives a member: a number (for booleans, integers and
// doubles), a text, or, by default, zero or empty. kKept leaves it alone.
class Default {
 public:
  constexpr Default() = default;
  constexpr Default(double number) : m_kind(kNumber), m_number(number) {}
  constexpr Default(const wchar_t* text) : m_kind(kText), m_text(text) {}
  static constexpr Default Kept() {
    Default kept;
    kept.m_kind = kKeep;
    return kept;
  }
  // Gives the member its default.
  void Apply(Field field) const;

 private:
  enum Kind : std::uint8_t { kEmpty, kNumber, kText, kKeep };
  Kind m_kind = kEmpty;
  double m_number = 0.0;
  const wchar_t* m_text = nullptr;
};
inline constexpr Default kKept = Default::Kept();

// The values of fixed names a read takes (the plain rows of key tables, the
// project variables, the version, buffers and list counts), in the order it
// takes them, and that order sorted by name. A module's tables interleave in
// name order, so a read finds all of them in one ascending pass over the
// stored values, each a step on from the one before, and then takes them in
// table order.
struct ReadPlan {
  // Sorts the names once all are in.
  void OrderByName();

  // Each views a fixed name, which outlives the plan.
  std::vector<std::wstring_view> names;
  // The distinct names in ascending order, and where each of `names` is among them.
  std::vector<std::wstring_view> ascending;
  std::vector<std::uint16_t> rank;
};

// Files values by name: reads them from or writes them to the current key of
// a registry, lists them (a listing walk takes the writer's path), resets
// them to their rows' defaults, or plans a read. A reading filer looks each
// value up in the registry's current key by name order, cheapest when names
// come ascending; one that follows a plan finds the planned values first.
class Filer {
 public:
  Filer(KoVTPrjReg::TRegistry& registry, bool reading);
  explicit Filer(std::vector<Entry>& listing);
  // Lists names alone: every entry a walk files, those the registry files
  // itself included.
  explicit Filer(std::vector<KOVTString>& names);
  // Plans a read: a walk adds the names of its plain rows and the variables
  // in the order a read takes them, and files nothing.
  explicit Filer(ReadPlan& plan);
  // Resets: a walk gives each row's member its default and files nothing.
  Filer() = default;
  Filer(const Filer&) = delete;
  Filer& operator=(const Filer&) = delete;

  bool Reading() const { return m_reading; }
  // Whether values go to a registry; a listing neither reads nor writes.
  bool Writing() const { return m_registry != nullptr && !m_reading; }
  bool Resetting() const {
    return m_registry == nullptr && m_listing == nullptr && m_names == nullptr && m_planning == nullptr;
  }
  bool Planning() const { return m_planning != nullptr; }
  // Reading: finds the values `plan` names in the current key, to take them
  // in plan order instead of finding each on its own; the plan outlives the
  // filer.
  void Follow(const ReadPlan& plan);
  // Planning: a read takes the value `name` next. The name outlives the plan.
  void Plan(const wchar_t* name);
  // Reading: the value of the plain row or variable `name`, the next one the
  // plan names when the read follows it, else found by name.
  const KoVTPrjReg::TValue* Planned(const wchar_t* name) {
    // A walk that strays from the plan, or a read in another key, finds by name.
    if (m_plan == nullptr || m_next >= m_plan->names.size() || m_plan->names[m_next].data() != name ||
        m_registry->GetCurrentKey() != m_plannedKey)
      return Find(name);
    return m_planned[m_plan->rank[m_next++]];
  }
  // Answers whether a value of the member's kind was read; false when not reading.
  bool File(const wchar_t* name, Field field);
  // Files a value whose name outlives the plan (a literal or a row's name) as
  // File does, but a planning walk adds the name and a reading one takes the
  // value the plan found.
  bool FilePlanned(const wchar_t* name, Field field) {
    if (m_reading) return Take(Planned(name), field);
    if (m_planning != nullptr) {
      Plan(name);
      return false;
    }
    return File(name, field);
  }
  // Reading: the value named `name`, cheapest when names come in ascending order.
  const KoVTPrjReg::TValue* Find(std::wstring_view name);
  // Reading: takes a found value into the member; false when there is none.
  static bool Take(const KoVTPrjReg::TValue* stored, Field field) {
    return stored != nullptr &&
           std::visit([&](auto* member) { return KovtJobKeys::Take(*stored, *member); }, field);
  }
  // Runs file(registry, reading) on a reading or writing filer. A listing of
  // values has no kind for such an entry and leaves it out; a listing of
  // names lists `name`.
  template <class FileThrough>
  void FileByRegistry(const wchar_t* name, FileThrough file) {
    if (m_registry != nullptr) file(*m_registry, m_reading);
    else if (m_names != nullptr) m_names->push_back(KOVTString(name));
  }

 private:
  KoVTPrjReg::TRegistry* m_registry = nullptr;
  std::vector<Entry>* m_listing = nullptr;
  std::vector<KOVTString>* m_names = nullptr;
  bool m_reading = false;
  ReadPlan* m_planning = nullptr;
  const KoVTPrjReg::TKey* m_orderedKey = nullptr;
  OrderedValues m_ordered{nullptr};
  // Following a plan: the values found for it, the key they were found in,
  // and the position in the plan of the next.
  const ReadPlan* m_plan = nullptr;
  const KoVTPrjReg::TKey* m_plannedKey = nullptr;
  std::vector<const KoVTPrjReg::TValue*> m_planned;
  std::size_t m_next = 0;
};

template <class Settings>
struct Key {
  const wchar_t* name;
  Field (*field)(Settings&) = nullptr;
  Default byDefault = {};
  void (*repair)(Settings&, bool found) = nullptr;
  void (*custom)(Settings&, Filer&) = nullptr;
  // Files the value `name`, or the values named after it, through the registry.
  void (*byRegistry)(Settings&, KoVTPrjReg::TRegistry&, bool reading, const wchar_t* name) = nullptr;
};

// Files every row of `keys`; a resetting filer gives each row with a member
// its default instead, and leaves what custom filers and the registry file
// to the module. A reading filer takes the values of the plain rows as its
// plan found them; a planning one adds their names.
template <class Settings>
void Walk(std::span<const Key<Settings>> keys, Settings& settings, Filer& filer) {
  // Asked once: the custom filers a row calls cannot change what the filer does.
  const bool resetting = filer.Resetting(), reads = filer.Reading();
  for (const Key<Settings>& key : keys) {
    if (resetting) {
      if (key.field != nullptr) key.byDefault.Apply(key.field(settings));
    } else if (key.custom != nullptr) {
      key.custom(settings, filer);
    } else if (key.byRegistry != nullptr) {
      filer.FileByRegistry(key.name, [&](KoVTPrjReg::TRegistry& registry, bool reading) {
        key.byRegistry(settings, registry, reading, key.name);
      });
    } else {
      const bool taken = filer.FilePlanned(key.name, key.field(settings));
      if (reads && key.repair != nullptr) key.repair(settings, taken);
    }
  }
}

// One stored value of a list entry: the suffix of its name and the member of
// the entry holding it. Entries of a list with one unnamed value (a list of
// strings) are stored as "<prefix><position>", the others as
// "<prefix><position>.<suffix>", positions counted from 0.
template <class Entry>
struct ListValue {
  const wchar_t* suffix;
  Field (*field)(Entry&);
};

// A stored count beyond this is taken for a damaged set rather than honoured.
inline constexpr std::int32_t kMaxListEntries = 65536;

// Files a list stored as its count key followed by its entries, for use in a
// custom entry. Writing first makes the count the list's length; listing
// changes nothing. Reading takes over a count that was found and refills the
// list with that many entries (none for a negative count): every position is
// read into one working entry kept from the position before, so a missing
// value repeats the previous entry's (the first entry starts as Entry{}). A
// count above kMaxListEntries leaves the count and the list as they were.
// The count key is planned, so it must outlive the plan.
template <class Entry>
void FileList(Filer& filer, const wchar_t* countKey, std::int32_t& count, std::vector<Entry>& list,
              const wchar_t* prefix, std::span<const ListValue<Entry>> values) {
  // Built by hand in one buffer rather than formatted: formatting, and then
  // growing a new name a character at a time, dominated reading a list. The
  // buffer is made at the first entry, since most lists are empty, with room
  // for a position and a suffix.
  std::wstring name;
  const std::size_t prefixLength = std::wstring_view(prefix).size();
  auto valueName = [&](std::int32_t position, const ListValue<Entry>& value) {
    if (name.empty()) {
      name.reserve(prefixLength + 32);
      name = prefix;
    }
    name.resize(prefixLength);
    char digits[12];
    const char* end = std::to_chars(digits, digits + sizeof digits, position).ptr;
    for (const char* digit = digits; digit != end; ++digit) name += static_cast<wchar_t>(*digit);
    if (value.suffix != nullptr) {
      name += L'.';
      name += value.suffix;
    }
    return name.c_str();
  };
  if (!filer.Reading()) {
    if (filer.Writing()) count = static_cast<std::int32_t>(list.size());
    filer.FilePlanned(countKey, &count);
    for (std::size_t position = 0; position < list.size(); ++position) {
      for (const ListValue<Entry>& value : values)
        filer.File(valueName(static_cast<std::int32_t>(position), value), value.field(list[position]));
    }
    return;
  }
  const std::int32_t before = count;
  if (!filer.FilePlanned(countKey, &count)) return;
  // Honouring a hostile count would allocate without bound.
  if (count > kMaxListEntries) {
    count = before;
    return;
  }
  // Entries are assigned in place: a list read again keeps its buffers.
  list.resize(static_cast<std::size_t>(std::max(count, 0)));
  Entry working{};
  for (std::int32_t position = 0; position < count; ++position) {
    for (const ListValue<Entry>& value : values) filer.File(valueName(position, value), value.field(working));
    list[static_cast<std::size_t>(position)] = working;
  }
}

}  // namespace KovtJobKeys

// A row of a key table or list value table: the member `member` of the row's
// object, stored under its own path ("Units.Length") or under `name`, then
// the row's default and repair, if any.
#define KEY(member, ...) KEY_AS(L"" #member, member __VA_OPT__(, ) __VA_ARGS__)
#define KEY_AS(name, member, ...) \
  {name, [](auto& s) -> KovtJobKeys::Field { return &s.member; } __VA_OPT__(, ) __VA_ARGS__}
// A row for a key that sets written before it existed lack: reading such a
// set, the member takes the value of `source`, filed before it.
#define KEY_ELSE(member, byDefault, source) KEY_AS_ELSE(L"" #member, member, byDefault, source)
#define KEY_AS_ELSE(name, member, byDefault, source) \
  KEY_AS(name, member, byDefault, [](auto& s, bool found) { if (!found) s.member = s.source; })
// A row whose values its custom filer files; a reset gives `member` (the
// list's count) its default, zero.
#define LIST_KEY(member, filer) KEY(member, {}, nullptr, filer)
// A row whose values the registry files.
#define REGISTRY_KEY(name, ...) {name, nullptr, {}, nullptr, nullptr, __VA_ARGS__}
#define CUSTOM_KEY(name, ...) {name, nullptr, {}, nullptr, __VA_ARGS__}
