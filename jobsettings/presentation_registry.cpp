// Filing of the presentation structures in the project registry. Each
// structure is described once as a table of its fields in stored order; both
// directions walk that table.
#include <algorithm>
#include <array>
#include <charconv>
#include <cstdint>
#include <numeric>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

#include "jobsettings/ordered_values.h"
#include "jobsettings/presentation.h"
#include "registry/registry_access.h"

namespace {

using KoVTPrjReg::TRegistry;

template <class Structure>
struct StoredField {
  std::wstring_view suffix;
  std::variant<PnDbObjectId Structure::*, std::int32_t Structure::*, bool Structure::*, double Structure::*,
               KOVTString Structure::*, XOutlineMode_ByElementType Structure::*, XHatchMode_ByElementType Structure::*>
      member;
};

constexpr StoredField<XOUTLINE> kOutlineFields[] = {
    {L".VisibLineStylId", &XOUTLINE::VisibLineStylId},
    {L".VisibLineColor", &XOUTLINE::VisibLineColor},
    {L".VisibLineWidth", &XOUTLINE::VisibLineWidth},
    {L".BlankOn", &XOUTLINE::BlankOn},
    {L".BlankLineStylId", &XOUTLINE::BlankLineStylId},
    {L".BlankLineColor", &XOUTLINE::BlankLineColor},
    {L".BlankLineWidth", &XOUTLINE::BlankLineWidth},
    {L".VisibOutlineMode", &XOUTLINE::VisibOutlineMode},
    {L".VisibOutlineMode_ByElementType", &XOUTLINE::VisibOutlineMode_ByElementType},
    {L".BlankOutlineMode", &XOUTLINE::BlankOutlineMode},
    {L".BlankOutlineMode_ByElementType", &XOUTLINE::BlankOutlineMode_ByElementType},
    {L".VisibHatchOn", &XOUTLINE::VisibHatchOn},
    {L".VisibHatchName", &XOUTLINE::VisibHatchName},
    {L".VisibHatchColor", &XOUTLINE::VisibHatchColor},
    {L".VisibHatchScale", &XOUTLINE::VisibHatchScale},
    {L".VisibHatchAngle", &XOUTLINE::VisibHatchAngle},
    {L".BlankHatchOn", &XOUTLINE::BlankHatchOn},
    {L".BlankHatchName", &XOUTLINE::BlankHatchName},
    {L".BlankHatchColor", &XOUTLINE::BlankHatchColor},
    {L".BlankHatchScale", &XOUTLINE::BlankHatchScale},
    {L".BlankHatchAngle", &XOUTLINE::BlankHatchAngle},
    {L".BlankHatchRemoveOverlapped", &XOUTLINE::BlankHatchRemoveOverlapped},
    {L".VisibHatchMode", &XOUTLINE::VisibHatchMode},
    {L".VisibHatchMode_ByElementType", &XOUTLINE::VisibHatchMode_ByElementType},
    {L".BlankHatchMode", &XOUTLINE::BlankHatchMode},
    {L".BlankHatchMode_ByElementType", &XOUTLINE::BlankHatchMode_ByElementType},
};

// The section's hatch mode, which depends on the stored version, is filed
// between these two parts.
constexpr StoredField<XSECTION> kSectionFieldsBeforeHatchMode[] = {
    {L".EdgeLineStylId", &XSECTION::EdgeLineStylId},
    {L".EdgeLineColor", &XSECTION::EdgeLineColor},
    {L".EdgeLineWidth", &XSECTION::EdgeLineWidth},
    {L".EdgeLineMode", &XSECTION::EdgeLineMode},
    {L".EdgeLineMode_ByElementType", &XSECTION::EdgeLineMode_ByElementType},
    {L".HatchOn", &XSECTION::HatchOn},
    {L".HatchName", &XSECTION::HatchName},
    {L".HatchColor", &XSECTION::HatchColor},
    {L".HatchScale", &XSECTION::HatchScale},
    {L".HatchAngle", &XSECTION::HatchAngle},
};
constexpr StoredField<XSECTION> kSectionFieldsAfterHatchMode[] = {
    {L".HatchMode_ByElementType", &XSECTION::HatchMode_ByElementType},
};

constexpr StoredField<XENDING> kEndingFields[] = {
    {L".EndingMode", &XENDING::EndingMode},
    {L".EndingLineStyleId", &XENDING::EndingLineStyleId},
    {L".EndingLineColor", &XENDING::EndingLineColor},
    {L".EndingLineWidth", &XENDING::EndingLineWidth},
    {L".EndingLineOutsideLength", &XENDING::EndingLineOutsideLength},
};

constexpr StoredField<XOutlineStyle> kOutlineStyleFields[] = {
    {L".LineColor", &XOutlineStyle::LineColor},
    {L".LineStylId", &XOutlineStyle::LineStylId},
    {L".LineWidth", &XOutlineStyle::LineWidth},
};

constexpr StoredField<XHatchStyle> kHatchStyleFields[] = {
    {L".HatchName", &XHatchStyle::HatchName},
    {L".HatchColor", &XHatchStyle::HatchColor},
    {L".HatchScale", &XHatchStyle::HatchScale},
    {L".HatchAngle", &XHatchStyle::HatchAngle},
};

// A list's entries are named after the prefix they share: that of the list
// and a dot.
template <class Structure>
bool IsList(const StoredField<Structure>& field) {
  return std::holds_alternative<XOutlineMode_ByElementType Structure::*>(field.member) ||
         std::holds_alternative<XHatchMode_ByElementType Structure::*>(field.member);
}

// The positions of a table's fields in the order of their names, which
// reading takes.
template <auto& Fields>
std::span<const std::uint8_t> AscendingOrder() {
  static const auto kOrder = [] {
    std::array<std::uint8_t, std::size(Fields)> order{};
    std::iota(order.begin(), order.end(), std::uint8_t{0});
    const auto name = [](const auto& field) { return std::wstring(field.suffix) + (IsList(field) ? L"." : L""); };
    std::sort(order.begin(), order.end(),
              [&](std::uint8_t a, std::uint8_t b) { return name(Fields[a]) < name(Fields[b]); });
    return order;
  }();
  return kOrder;
}

// Takes a stored value into field I of an entry, chosen when compiled rather
// than visited for each value; false for a value of another kind.
template <auto& Fields, class Entry, std::size_t I>
bool TakeField(const KoVTPrjReg::TValue& stored, Entry& entry) {
  constexpr auto member = std::get<Fields[I].member.index()>(Fields[I].member);
  if constexpr (requires { KovtJobKeys::Take(stored, entry.*member); }) return KovtJobKeys::Take(stored, entry.*member);
  return false;
}

template <auto& Fields, class Entry, std::size_t... I>
constexpr auto FieldTakers(std::index_sequence<I...>) {
  return std::array{&TakeField<Fields, Entry, I>...};
}

// Whether `text` begins with `start`, for the few characters of a type, where
// a library call costs more than the comparison.
bool BeginsWith(std::wstring_view text, std::wstring_view start) {
  if (text.size() < start.size()) return false;
  for (std::size_t at = 0; at < start.size(); ++at)
    if (text[at] != start[at]) return false;
  return true;
}

// The longest element type in decimal: "-2147483648".
constexpr std::size_t kTypeDigits = 11;

// The element type of an entry as its name gives it, in decimal.
struct TypeDigits {
  explicit TypeDigits(std::int32_t type) {
    char digits[12];
    const char* end = std::to_chars(digits, digits + sizeof digits, type).ptr;
    for (const char* digit = digits; digit != end; ++digit) text[length++] = static_cast<wchar_t>(*digit);
  }
  std::wstring_view View() const { return {text.data(), length}; }
  std::array<wchar_t, kTypeDigits> text{};
  std::size_t length = 0;
};

// The order of entry names as a number, 0 for text that names no type: each
// character a nibble from the top, the end below '-' below the digits. Entry
// names continue with a dot after the type, which sorts before a digit, so a
// type sorts before those it begins.
std::uint64_t TypeRank(std::wstring_view type) {
  if (type.empty() || type.size() > kTypeDigits) return 0;
  std::uint64_t rank = 0;
  for (std::size_t at = 0; at < type.size(); ++at) {
    std::uint64_t code = 1;
    if (type[at] >= L'0' && type[at] <= L'9') code = static_cast<std::uint64_t>(type[at] - L'0') + 2;
    else if (type[at] != L'-') return 0;
    rank |= code << (60 - 4 * at);
  }
  return rank;
}

// Files the fields of one structure, whose values are all named after its
// prefix. Reading takes them in name order, each a step on from the one
// before; writing in stored order.
class StructureFiler {
 public:
  StructureFiler(TRegistry& registry, bool read, const KOVTString& prefix)
      : m_registry(registry), m_read(read), m_values(read ? registry.GetCurrentKey() : nullptr), m_name(prefix.str()) {
    // Room for the longest entry name, so that building names never reallocates.
    m_name.reserve(m_name.size() + 96);
  }

  // Files every field, also after one has failed; true when all were filed.
  template <auto& Fields, class Structure>
  bool FileFields(Structure& structure) {
    const std::span<const std::uint8_t> ascending = AscendingOrder<Fields>();
    bool filedAll = true;
    for (std::size_t i = 0; i < std::size(Fields); ++i) {
      const auto& field = Fields[m_read ? ascending[i] : i];
      if (!std::visit([&](auto member) { return File(field.suffix, structure.*member); }, field.member))
        filedAll = false;
    }
    return filedAll;
  }

  template <class Value>
  bool File(std::wstring_view suffix, Value& value) {
    const std::size_t length = m_name.size();
    m_name += suffix;
    const bool filed = FileValue(value);
    m_name.resize(length);
    return filed;
  }

 private:
  template <class Value>
  bool FileValue(Value& value) {
    if (!m_read) return Write(value);
    const KoVTPrjReg::TValue* stored = m_values.Find(m_name);
    return stored != nullptr && KovtJobKeys::Take(*stored, value);
  }
  bool FileValue(XOutlineMode_ByElementType& modes) {
    return FileEntries<kOutlineStyleFields>(L".vOutlineStyle", modes.vOutlineStyle);
  }
  bool FileValue(XHatchMode_ByElementType& modes) {
    return FileEntries<kHatchStyleFields>(L".vHatchStyle", modes.vHatchStyle);
  }

  bool Write(const PnDbObjectId& value) { return m_registry.WriteObjectId(m_name.c_str(), value); }
  bool Write(bool value) { return m_registry.WriteBool(m_name.c_str(), value); }
  bool Write(std::int32_t value) { return m_registry.WriteInteger(m_name.c_str(), value); }
  bool Write(double value) { return m_registry.WriteFloat(m_name.c_str(), value); }
  bool Write(const KOVTString& value) { return m_registry.WriteString(m_name.c_str(), value); }

  // Entries are keyed by element type ("<prefix>.<entryName><type>"), so two
  // entries of one type share their values and positions never matter.
  template <auto& Fields, class Entry>
  bool FileEntries(std::wstring_view entryName, std::vector<Entry>& entries) {
    if (m_read) return ReadEntries<Fields>(entryName, entries);
    const std::size_t length = m_name.size();
    bool filedAll = true;
    for (Entry& entry : entries) {
      m_name += entryName;
      m_name += TypeDigits(entry.ElementType).View();
      if (!FileFields<Fields>(entry)) filedAll = false;
      m_name.resize(length);
    }
    return filedAll;
  }

  // Walks the values named "<prefix><entryName>..." once, in name order,
  // beside the entries sorted the same way (those of one type in list order),
  // and gives each value to the entries of its type. Other names there are
  // passed over; building and looking up every entry's names cost far more.
  // The values of one type come together, their fields in name order, so the
  // type is read once for them and each field is mostly the one after the
  // field before.
  template <auto& Fields, class Entry>
  bool ReadEntries(std::wstring_view entryName, std::vector<Entry>& entries) {
    static_assert(std::size(Fields) <= 32, "a field's bit must fit");
    static constexpr auto kTakers = FieldTakers<Fields, Entry>(std::make_index_sequence<std::size(Fields)>{});
    std::vector<std::pair<std::uint64_t, std::size_t>> order(entries.size());
    for (std::size_t at = 0; at < entries.size(); ++at)
      order[at] = {TypeRank(TypeDigits(entries[at].ElementType).View()), at};
    std::sort(order.begin(), order.end());
    std::vector<std::uint32_t> found(order.size(), 0);
    const std::size_t length = m_name.size();
    m_name += entryName;
    const auto [first, last] = m_values.WithPrefix(m_name);
    const std::size_t typeAt = m_name.size();
    m_name.resize(length);
    const std::span<const std::uint8_t> ascending = AscendingOrder<Fields>();
    std::wstring_view type;  // that of the value before, with its dot; empty when it named none
    std::uint64_t rank = 0;  // of that type
    std::size_t group = 0, nextField = 0;
    // Held apart from the vectors, which a take through an entry might alias.
    const std::pair<std::uint64_t, std::size_t>* byType = order.data();
    const std::size_t groups = order.size();
    Entry* entryAt = entries.data();
    std::uint32_t* foundAt = found.data();
    for (auto stored = first; stored != last && group < groups; ++stored) {
      const std::wstring_view rest = std::wstring_view(stored->first.str()).substr(typeAt);
      if (type.empty() || !BeginsWith(rest, type)) {
        const std::size_t dot = rest.find(L'.');
        rank = dot == std::wstring_view::npos ? 0 : TypeRank(rest.substr(0, dot));
        type = rank == 0 ? std::wstring_view() : rest.substr(0, dot + 1);
        if (rank == 0) continue;
        while (group < groups && byType[group].first < rank) ++group;
        nextField = 0;
      }
      const std::wstring_view suffix = rest.substr(type.size() - 1);
      std::size_t at = nextField;
      while (at < ascending.size() && Fields[ascending[at]].suffix != suffix) ++at;
      if (at == ascending.size()) continue;
      nextField = at + 1;
      const std::size_t field = ascending[at];
      for (std::size_t g = group; g < groups && byType[g].first == rank; ++g)
        if (kTakers[field](*stored->second, entryAt[byType[g].second])) foundAt[g] |= 1u << field;
    }
    const std::uint32_t all = (std::uint64_t{1} << std::size(Fields)) - 1;
    return std::all_of(found.begin(), found.end(), [&](std::uint32_t fields) { return fields == all; });
  }

  TRegistry& m_registry;
  bool m_read;
  KovtJobKeys::OrderedValues m_values;
  std::wstring m_name;
};

// Sets older than kSectionHatchModeVersion kept a hatch-type flag instead of
// the mode. Without the flag the mode stays as it was.
bool FileSectionHatchMode(StructureFiler& filer, bool read, std::int32_t version, std::int32_t& hatchMode) {
  if (!read || version >= kSectionHatchModeVersion) return filer.File(L".HatchMode", hatchMode);
  std::int32_t hatchType = 0;
  if (!filer.File(L".HatchType", hatchType)) return false;
  hatchMode = hatchType != 0 ? kHatchModeOfHatchedType : kHatchModeOfUnhatchedType;
  return true;
}

}  // namespace

namespace KoVTPrjReg {

bool TRegistry::RWXOutlineSturcture(bool bRead, KOVTString prefix, XOUTLINE& outline) {
  return StructureFiler(*this, bRead, prefix).FileFields<kOutlineFields>(outline);
}

bool TRegistry::RWXSectionSturcture(bool bRead, std::int32_t version, KOVTString prefix, XSECTION& section) {
  StructureFiler filer(*this, bRead, prefix);
  bool filedAll = filer.FileFields<kSectionFieldsBeforeHatchMode>(section);
  if (!FileSectionHatchMode(filer, bRead, version, section.HatchMode)) filedAll = false;
  if (!filer.FileFields<kSectionFieldsAfterHatchMode>(section)) filedAll = false;
  return filedAll;
}

bool TRegistry::RWXEndingStructure(bool bRead, KOVTString prefix, XENDING& ending) {
  return StructureFiler(*this, bRead, prefix).FileFields<kEndingFields>(ending);
}

bool TRegistry::RWXOutlineMode_ByElementTypeSturcture(bool bRead, KOVTString prefix,
                                                      XOutlineMode_ByElementType& modes) {
  return StructureFiler(*this, bRead, L"").File(prefix.str(), modes);
}

bool TRegistry::RWXHatchMode_ByElementTypeSturcture(bool bRead, KOVTString prefix, XHatchMode_ByElementType& modes) {
  return StructureFiler(*this, bRead, L"").File(prefix.str(), modes);
}

}  // namespace KoVTPrjReg
