// The defaults of the formwork settings that no key row gives: the object
// ids, the drawing parameters, the structures, which Initialize resets only
// in part, and the detail text style, which depends on the working drawing.
#include "core/db_helpers.h"
#include "host/host.h"
#include "jobsettings/formwork_job_settings.h"

namespace {

constexpr const wchar_t* kDetailTextStyle = L"KOVX_1";
constexpr const wchar_t* kStandardStyle = L"Standard";

// The shape-file styles hold symbols, which no description can be written in.
KOVTString DetailTextStyle() {
  PnDbDatabase* drawing = KoVTCoreAPI::WorkingDatabase();
  if (drawing == nullptr) return kStandardStyle;
  PnDbTextStyleTable* table = nullptr;
  if (drawing->getSymbolTable(table, PnDb::kForRead) != Plnx::eOk) return kStandardStyle;
  PnDbSymbolTableRecord* record = nullptr;
  bool usable = false;
  if (table->getAt(kDetailTextStyle, record, PnDb::kForRead) == Plnx::eOk) {
    auto* style = PnDbTextStyleTableRecord::cast(record);
    usable = style != nullptr && !style->isShapeFile();
    record->close();
  }
  table->close();
  return usable ? kDetailTextStyle : kStandardStyle;
}

// What the drawing kinds' parameters differ in; most take these.
struct ParameterLook {
  double Scale = 50.0;
  std::int32_t TextColor = kColorByLayer;
  double TextSize = 20.0;
  std::int32_t DescrPlace = 1;
  double Distance = 500.0;
  std::int32_t SymbolHole = 1;
};

XPARAM Parameters(const ParameterLook& look) {
  return {.DrawName = {},
          .Scale = look.Scale,
          .Index = {},
          .DescrOn = true,
          .TextStyle = kStandardStyle,
          .TextColor = look.TextColor,
          .TextSize = look.TextSize,
          .DescrPlace = look.DescrPlace,
          .Distance = look.Distance,
          .PresentationType = 0,
          .SymbolHole = look.SymbolHole,
          .ShowAllHoles = false,
          .ShowAllDoors = false};
}

// The hatching and the per-element-type lists stay as they are.
void SetLines(XOUTLINE& outline, bool blankOn) {
  outline.VisibLineStylId = {};
  outline.VisibLineColor = kColorByLayer;
  outline.VisibLineWidth = kWidthByLayer;
  outline.BlankOn = blankOn;
  outline.BlankLineStylId = {};
  outline.BlankLineColor = kColorByLayer;
  outline.BlankLineWidth = kWidthByLayer;
  outline.VisibOutlineMode = 0;
  outline.BlankOutlineMode = 0;
}

// The hatch angle and the per-element-type lists stay as they are.
void SetLines(XSECTION& section) {
  section.EdgeLineStylId = {};
  section.EdgeLineColor = kColorByLayer;
  section.EdgeLineWidth = kWidthByLayer;
  section.EdgeLineMode = 0;
  section.HatchOn = true;
  section.HatchName = kPatternHatchName;
  section.HatchColor = kColorByLayer;
  section.HatchScale = 1.0;
  section.HatchMode = 0;
}

}  // namespace

void KOVTFormworkJobSettings::Initialize() {
  ResetCommonBlocks(false);
  ResetModuleKeys();
  Dims.DimensionalStyleId = {};
  Stor.StylId = {};
  for (XPARAM* parameters : {&Found.Par, &Stor.Par}) *parameters = Parameters({.SymbolHole = 0});
  for (XPARAM* parameters : {&Sect.Par, &Elev.Par}) *parameters = Parameters({});
  View.Par = Parameters({.Scale = 200.0});
  Detail.Par = Parameters({.Scale = 20.0, .TextColor = 1, .TextSize = 5.0, .DescrPlace = 2, .Distance = 20.0});
  Detail.Par.TextStyle = DetailTextStyle();
  for (XOUTLINE* outline : {&Found.Out, &Stor.Out, &Sect.Out, &Elev.Out}) SetLines(*outline, true);
  SetLines(View.Out, false);
  for (XSECTION* section : {&Found.Sect, &Stor.Sect, &Sect.Sect}) SetLines(*section);
}
