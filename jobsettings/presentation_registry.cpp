// Filing of the presentation structures in the project registry. Each
// structure is described once as a table of its fields in stored order; both
// directions walk that table.
#include <algorithm>
#include <array>
#include <charconv>
#include <numeric>
#include <span>
#include <string>
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
  const wchar_t* suffix;
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

// The element type of an entry as its name gives it.
struct TypeName {
  explicit TypeName(std::int32_t type) {
    char digits[12];
    const char* end = std::to_chars(digits, digits + sizeof digits, type).ptr;
    for (const char* digit = digits; digit != end; ++digit) text += static_cast<wchar_t>(*digit);
  }
  // Entry names continue with a dot after the type, which sorts before a digit.
  friend bool operator<(const TypeName& a, const TypeName& b) {
    const std::size_t shared = std::min(a.text.size(), b.text.size());
    const int order = a.text.compare(0, shared, b.text, 0, shared);
    return order != 0 ? order < 0 : a.text.size() < b.text.size();
  }
  std::wstring text;
};

// Files the fields of one structure, whose values are all named after its
// prefix. Reading takes them in name order, each a step on from the one
// before; writing in stored order.
class StructureFiler {
 public:
  StructureFiler(TRegistry& registry, bool read, const KOVTString& prefix)
      : m_registry(registry), m_read(read), m_values(read ? registry.GetCurrentKey() : nullptr), m_name(prefix.str()) {}

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
  bool FileEntries(const wchar_t* entryName, std::vector<Entry>& entries) {
    std::vector<std::pair<TypeName, Entry*>> named;
    named.reserve(entries.size());
    for (Entry& entry : entries) named.emplace_back(TypeName(entry.ElementType), &entry);
    if (m_read)
      std::stable_sort(named.begin(), named.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    const std::size_t length = m_name.size();
    bool filedAll = true;
    for (auto& [type, entry] : named) {
      m_name += entryName;
      m_name += type.text;
      if (!FileFields<Fields>(*entry)) filedAll = false;
      m_name.resize(length);
    }
    return filedAll;
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
