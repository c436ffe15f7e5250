// How the formwork drawings present their elements: the outline of an element
// in view (visible and blanked lines and hatching), the cut section, the
// ending of a cut line and a block of drawing parameters. Plain values, owned
// by the formwork job settings.
//
// Colours are colour numbers, widths line-width values, linetypes ids (null
// when unset). The outline and section structures carry per-element-type
// lists; their constructors fill every list with one entry per formwork
// element type, using the continuous linetype of the working drawing.
//
// The registry files a structure as values named by a prefix and the field
// (see KoVTPrjReg::TRegistry::RWXOutlineSturcture and its kin, defined in
// presentation_registry.cpp). A list entry's values are named by its element
// type, never by its position: "<prefix>.vOutlineStyle<type>.LineColor".
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "core/kovt_string.h"
#include "host/ids.h"

// The look of one element type's lines.
struct XOutlineStyle {
  std::int32_t ElementType = 0;  // names the entry's keys; not stored itself
  std::int32_t LineColor = 0;
  PnDbObjectId LineStylId;
  std::int32_t LineWidth = 0;
  friend bool operator==(const XOutlineStyle&, const XOutlineStyle&) = default;
};

// The hatching of one element type.
struct XHatchStyle {
  std::int32_t ElementType = 0;  // names the entry's keys; not stored itself
  KOVTString HatchName;          // hatch pattern name
  std::int32_t HatchColor = 0;
  double HatchScale = 0.0;
  double HatchAngle = 0.0;
  friend bool operator==(const XHatchStyle&, const XHatchStyle&) = default;
};

// Per-element-type lists, in insertion order. Reading fills only entries
// already present; the lists are never grown or shrunk by the registry.
struct XOutlineMode_ByElementType {
  std::vector<XOutlineStyle> vOutlineStyle;
  friend bool operator==(const XOutlineMode_ByElementType&, const XOutlineMode_ByElementType&) = default;
};

struct XHatchMode_ByElementType {
  std::vector<XHatchStyle> vHatchStyle;
  friend bool operator==(const XHatchMode_ByElementType&, const XHatchMode_ByElementType&) = default;
};

// The formwork element types every default list holds, in list order.
inline constexpr std::array<std::int32_t, 16> kFormworkElementTypes = {2,  4,  3, 5, 20, 9,  10, 17,
                                                                       11, 12, 22, 7, 6,  15, 23, 16};
// The element types whose default hatch is solid and whose lines default to
// their own colours (9, 10, 11, 12, 22); every other type shares the pattern
// hatch and the common colours.
bool IsSolidHatchedElementType(std::int32_t elementType);

inline constexpr const wchar_t* kPatternHatchName = L"ANSI33";
inline constexpr const wchar_t* kSolidHatchName = L"SOLID";

struct XOutlineLook {
  std::int32_t LineColor;
  std::int32_t LineWidth;
};
struct XHatchLook {
  std::int32_t HatchColor;
  double HatchScale;
  double HatchAngle;
};

// One entry per type of kFormworkElementTypes: the solid-hatched types get
// `solidHatched`, the others `patternHatched`, all of them `linetype`.
XOutlineMode_ByElementType DefaultOutlineModes(XOutlineLook patternHatched, XOutlineLook solidHatched,
                                               PnDbObjectId linetype);
// One entry per type: kSolidHatchName for the solid-hatched types,
// kPatternHatchName for the others, `look` for all of them.
XHatchMode_ByElementType DefaultHatchModes(XHatchLook look);

// An element seen from outside. Visib* describe its visible lines and hatch,
// Blank* the blanked ones; BlankOn switches the blanked lines on. The owner
// sets the line colours, widths and BlankOn before use.
struct XOUTLINE {
  XOUTLINE();

  PnDbObjectId VisibLineStylId;
  std::int32_t VisibLineColor = 0;
  std::int32_t VisibLineWidth = 0;
  bool BlankOn = false;
  PnDbObjectId BlankLineStylId;
  std::int32_t BlankLineColor = 0;
  std::int32_t BlankLineWidth = 0;
  std::int32_t VisibOutlineMode = 0;
  XOutlineMode_ByElementType VisibOutlineMode_ByElementType;  // colour 150 (solid-hatched types 160), width 18
  std::int32_t BlankOutlineMode = 0;
  XOutlineMode_ByElementType BlankOutlineMode_ByElementType;  // colour 40 (solid-hatched types 50), width 18
  bool VisibHatchOn = false;
  KOVTString VisibHatchName = kPatternHatchName;
  std::int32_t VisibHatchColor = 151;
  double VisibHatchScale = 30.0;
  double VisibHatchAngle = 90.0;
  bool BlankHatchOn = false;
  KOVTString BlankHatchName = kPatternHatchName;
  std::int32_t BlankHatchColor = 41;
  double BlankHatchScale = 30.0;
  double BlankHatchAngle = 0.0;
  bool BlankHatchRemoveOverlapped = false;
  std::int32_t VisibHatchMode = 0;
  XHatchMode_ByElementType VisibHatchMode_ByElementType;  // colour 151, scale 30, angle 90
  std::int32_t BlankHatchMode = 0;
  XHatchMode_ByElementType BlankHatchMode_ByElementType;  // colour 41, scale 30, angle 0

  friend bool operator==(const XOUTLINE&, const XOUTLINE&) = default;
};

// The version of the stored settings from which a section's hatch mode is
// stored as ".HatchMode". Older sets hold a ".HatchType" flag instead, read
// as kHatchModeOfHatchedType when set and kHatchModeOfUnhatchedType when not.
inline constexpr std::int32_t kSectionHatchModeVersion = 2;
inline constexpr std::int32_t kHatchModeOfHatchedType = 0;
inline constexpr std::int32_t kHatchModeOfUnhatchedType = 3;

// An element cut by the drawing plane: its edge lines and its hatch. The
// owner sets the edge colour and width, HatchOn, HatchColor and HatchScale
// before use.
struct XSECTION {
  XSECTION();

  PnDbObjectId EdgeLineStylId;
  std::int32_t EdgeLineColor = 0;
  std::int32_t EdgeLineWidth = 0;
  std::int32_t EdgeLineMode = 0;
  XOutlineMode_ByElementType EdgeLineMode_ByElementType;  // colour 7 width 50 (solid-hatched types 252 width 30)
  bool HatchOn = false;
  KOVTString HatchName;
  std::int32_t HatchColor = 0;
  double HatchScale = 0.0;
  double HatchAngle = 0.0;
  std::int32_t HatchMode = 0;
  XHatchMode_ByElementType HatchMode_ByElementType;  // colour 253, scale 30, angle 0

  friend bool operator==(const XSECTION&, const XSECTION&) = default;
};

// The ending of a cut line, drawn in the working drawing's continuous
// linetype unless set otherwise. Its linetype key is ".EndingLineStyleId".
struct XENDING {
  XENDING();

  std::int32_t EndingMode = 0;
  PnDbObjectId EndingLineStyleId;
  std::int32_t EndingLineColor = 2;
  std::int32_t EndingLineWidth = 25;
  double EndingLineOutsideLength = 300.0;

  friend bool operator==(const XENDING&, const XENDING&) = default;
};

// The parameters of one drawing. The owner files them field by field, each
// under its group prefix, ".Par." and the field name ("Sect.Par.TextSize").
struct XPARAM {
  KOVTString DrawName;
  double Scale = 30.0;
  KOVTString Index;
  bool DescrOn = false;
  KOVTString TextStyle;  // text style name
  std::int32_t TextColor = 120;
  double TextSize = 2.0;
  std::int32_t DescrPlace = 0;
  double Distance = 1.0;
  std::int32_t PresentationType = 0;
  std::int32_t SymbolHole = 0;
  bool ShowAllHoles = false;
  bool ShowAllDoors = false;

  friend bool operator==(const XPARAM&, const XPARAM&) = default;
};

// A range of a drawing as the detailing application keeps it; its meaning
// is the application's, and this module never files it.
struct XRANGE {
  PnDbObjectId ObjectId;
  double Value = 0.0;
  KOVTString Name;

  friend bool operator==(const XRANGE&, const XRANGE&) = default;
};
