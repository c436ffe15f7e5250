// Filing of the presentation structures in the project registry. Each
// structure is described once as a table of its fields in stored order; both
// directions walk that table.
#include <span>
#include <utility>
#include <variant>

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

// One value through the registry's two-way call of its kind.
class ValueFiler {
 public:
  ValueFiler(TRegistry& registry, bool read, KOVTString name)
      : m_registry(registry), m_read(read), m_name(std::move(name)) {}

  bool operator()(PnDbObjectId& value) const { return m_registry.RWObjectId(m_read, m_name, value); }
  bool operator()(bool& value) const { return m_registry.RWBool(m_read, m_name, value); }
  bool operator()(double& value) const { return m_registry.RWFloat(m_read, m_name, value); }
  bool operator()(KOVTString& value) const { return m_registry.RWString(m_read, m_name, value); }
  bool operator()(std::int32_t& value) const {
    long wide = value;
    if (!m_registry.RWInteger(m_read, m_name, wide)) return false;
    value = static_cast<std::int32_t>(wide);
    return true;
  }
  bool operator()(XOutlineMode_ByElementType& modes) const {
    return m_registry.RWXOutlineMode_ByElementTypeSturcture(m_read, m_name, modes);
  }
  bool operator()(XHatchMode_ByElementType& modes) const {
    return m_registry.RWXHatchMode_ByElementTypeSturcture(m_read, m_name, modes);
  }

 private:
  TRegistry& m_registry;
  bool m_read;
  KOVTString m_name;
};

// Files every field, also after one has failed; true when all were filed.
template <class Structure>
bool FileFields(TRegistry& registry, bool read, const KOVTString& prefix, Structure& structure,
                std::span<const StoredField<Structure>> fields) {
  bool filedAll = true;
  for (const StoredField<Structure>& field : fields) {
    ValueFiler filer(registry, read, prefix + field.suffix);
    bool filed = std::visit([&](auto member) { return filer(structure.*member); }, field.member);
    if (!filed) filedAll = false;
  }
  return filedAll;
}

// Entries are keyed by element type ("<prefix>.<entryName><type>"), so two
// entries of one type share their values and positions never matter.
template <class Entry>
bool FileEntries(TRegistry& registry, bool read, const KOVTString& prefix, const wchar_t* entryName,
                 std::vector<Entry>& entries, std::span<const StoredField<Entry>> fields) {
  bool filedAll = true;
  for (Entry& entry : entries) {
    KOVTString entryPrefix;
    entryPrefix.Format(L"%ls.%ls%d", prefix.c_str(), entryName, static_cast<int>(entry.ElementType));
    if (!FileFields(registry, read, entryPrefix, entry, fields)) filedAll = false;
  }
  return filedAll;
}

// Sets older than kSectionHatchModeVersion kept a hatch-type flag instead of
// the mode. Without the flag the mode stays as it was.
bool FileSectionHatchMode(TRegistry& registry, bool read, std::int32_t version, const KOVTString& prefix,
                          std::int32_t& hatchMode) {
  if (!read || version >= kSectionHatchModeVersion)
    return ValueFiler(registry, read, prefix + L".HatchMode")(hatchMode);
  std::int32_t hatchType = 0;
  if (!ValueFiler(registry, true, prefix + L".HatchType")(hatchType)) return false;
  hatchMode = hatchType != 0 ? kHatchModeOfHatchedType : kHatchModeOfUnhatchedType;
  return true;
}

}  // namespace

namespace KoVTPrjReg {

bool TRegistry::RWXOutlineSturcture(bool bRead, KOVTString prefix, XOUTLINE& outline) {
  return FileFields<XOUTLINE>(*this, bRead, prefix, outline, kOutlineFields);
}

bool TRegistry::RWXSectionSturcture(bool bRead, std::int32_t version, KOVTString prefix, XSECTION& section) {
  bool filedAll = FileFields<XSECTION>(*this, bRead, prefix, section, kSectionFieldsBeforeHatchMode);
  if (!FileSectionHatchMode(*this, bRead, version, prefix, section.HatchMode)) filedAll = false;
  if (!FileFields<XSECTION>(*this, bRead, prefix, section, kSectionFieldsAfterHatchMode)) filedAll = false;
  return filedAll;
}

bool TRegistry::RWXEndingStructure(bool bRead, KOVTString prefix, XENDING& ending) {
  return FileFields<XENDING>(*this, bRead, prefix, ending, kEndingFields);
}

bool TRegistry::RWXOutlineMode_ByElementTypeSturcture(bool bRead, KOVTString prefix,
                                                       XOutlineMode_ByElementType& modes) {
  return FileEntries<XOutlineStyle>(*this, bRead, prefix, L"vOutlineStyle", modes.vOutlineStyle, kOutlineStyleFields);
}

bool TRegistry::RWXHatchMode_ByElementTypeSturcture(bool bRead, KOVTString prefix, XHatchMode_ByElementType& modes) {
  return FileEntries<XHatchStyle>(*this, bRead, prefix, L"vHatchStyle", modes.vHatchStyle, kHatchStyleFields);
}

}  // namespace KoVTPrjReg
