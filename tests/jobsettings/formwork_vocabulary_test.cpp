// The stored form of a formwork set: every key in stored order, and the
// defaults a new drawing stores.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "tests/jobsettings/formwork_test_fixture.h"
#include "tests/jobsettings/listed_values.h"

namespace {

using KoVTPrjReg::TRegistry;

// The structures, whose values are stored under "<name>.<field>".
const wchar_t* const kStructures[] = {
    L"Found.Out", L"Found.Sect", L"Stor.Out",   L"Stor.Sect",     L"Sect.Out",      L"Sect.Sect",
    L"Sect.Ending", L"Elev.Out", L"Elev.Ending", L"Detail.Ending", L"View.Out",
};

// clang-format off
const wchar_t* const kStoredOrder[] = {
    L"Version", L"Variables.sVAR_REPORT_PAGE_NUMBER", L"Variables.sVAR_REPORT_PAGE_TOTAL",
    L"Variables.sVAR_REPORT_DATE", L"Variables.sVAR_REPORT_TIME", L"Variables.sVAR_USER_NAME",
    L"Variables.sVAR_USER_ADDRESS", L"Variables.sVAR_PROJECT_NAME", L"Variables.sVAR_PROJECT_FILE",
    L"Variables.sVAR_PROJECT_DIRECTORY", L"Variables.sVAR_PROJECT_CREATED", L"Variables.sVAR_PROJECT_MODIFIED",
    L"Variables.sVAR_PROJECT_VERSION", L"Variables.sVAR_COMPANY_NAME", L"Variables.sVAR_COMPANY_ADDRESS",
    L"Variables.sVAR_COMPANY_TELEPHONE", L"Variables.sVAR_COMPANY_FAX", L"Variables.sVAR_COMPANY_EMAIL",
    L"Variables.sVAR_COMPANY_LOGO", L"PageSet.AddHeader", L"PageSet.AddFooter", L"PageSet.Frame",
    L"PageSet.IsHeaderFrame", L"PageSet.IsTableFrame", L"PageSet.IsFooterFrame", L"PageSet.Orientation",
    L"PageSet.ProjNameTile", L"HeaderFooter.HeaderSize", L"HeaderFooter.HeaderData", L"HeaderFooter.FooterSize",
    L"HeaderFooter.FooterData", L"Templates.ExcelName", L"Templates.WordName", L"Templates.AddTable",
    L"Units.WorkUnits", L"Units.Length", L"Units.FormworkCrossDim", L"Units.FormworkHoleDim", L"Units.FormworkVolume",
    L"Units.FormworkSurface", L"Units.FormworkMass", L"Units.FormworkCurrency", L"Units.FormworkAngle",
    L"Units.PrintfLength", L"Units.PrintfFormworkCrossDim", L"Units.PrintfFormworkHoleDim",
    L"Units.PrintfFormworkVolume", L"Units.PrintfFormworkSurface", L"Units.PrintfFormworkMass",
    L"Units.PrintfFormworkCurrency", L"Units.PrintfFormworkAngle", L"Units.LengthPrecision",
    L"Units.FormworkCrossDimPrecision", L"Units.FormworkHoleDimPrecision", L"Units.FormworkVolumePrecision",
    L"Units.FormworkSurfacePrecision", L"Units.FormworkMassPrecision", L"Units.FormworkCurrencyPrecision",
    L"Units.FormworkAnglePrecision", L"Units.FormworkLessThanOnePrecision", L"Units.FormworkGreaterThanOnePrecision",
    L"Units.FormworkDescLessThanOnePrecision", L"Units.FormworkDescGreaterThanOnePrecision", L"Units.LengthCoeff",
    L"Units.FormworkCrossDimCoeff", L"Units.FormworkHoleDimCoeff", L"Units.FormworkVolumeCoeff",
    L"Units.FormworkSurfaceCoeff", L"Units.FormworkMassCoeff", L"Units.FormworkCurrencyCoeff",
    L"Units.FormworkAngleCoeff", L"Units.LessThenOne", L"Units.GreaterThenOne", L"Units.DescLessThenOne",
    L"Units.DescGreaterThenOne", L"Styles.ElementDescription", L"Styles.TableElem", L"Styles.TablePrice",
    L"Styles.TableDeta", L"Styles.TableHole", L"Styles.TableGroupSum", L"Styles.TableGroupDet",
    L"Priorities.WallPriority", L"Priorities.ColumnPriority", L"Priorities.BeamPriority", L"Priorities.SlabPriority",
    L"Priorities.LintelPriority", L"Priorities.SFootPriority", L"Priorities.CFootPriority",
    L"Priorities.GBeamPriority", L"Priorities.RingBeamPriority", L"Priorities.RFoundPriority",
    L"Priorities.StairsPriority", L"Descs.strWallDesc", L"Descs.strColumnDesc", L"Descs.strBeamDesc",
    L"Descs.strSlabDesc", L"Descs.strLintelDesc", L"Descs.strSFootDesc", L"Descs.strCFootDesc", L"Descs.strGBeamDesc",
    L"Descs.strRingBeamDesc", L"Descs.strRFoundDesc", L"Descs.strStairsDesc", L"Descs.bNWDFT", L"Descs.nBeginFrom",
    L"Descs.strPrefix", L"Descs.eAxisOrder", L"Descs.eAxisScanType", L"Descs.eElementOrder", L"Descs.bFindAndSet",
    L"Descs.bIncludeMaterial", L"Descs.bInform", L"Descs.bIncludeRElements", L"Descs.nIdenticalMode",
    L"Dims.DimensionalStyleId", L"Dims.DimLineDistance", L"Dims.UseMinDim", L"Dims.MinimalDimension",
    L"Dims.ExtLineLength", L"Dims.MidLineLength", L"Dims.ExtLineFromDimLength", L"Dims.ExtLineFromObjLength",
    L"Dims.MidLineFromDimLength", L"Dims.MidLineFromObjLength", L"Dims.GroupLineDef", L"Dims.GroupLinePts",
    L"Dims.GroupLineConn", L"Dims.GroupLineAxis", L"Dims.GroupLineHole", L"Dims.DescTemplateLine1",
    L"Dims.DescTemplateLine2", L"Dims.CutAxis", L"Dims.CutTotal", L"Dims.CutPlnxLine", L"Dims.CutPlnxMLine",
    L"Dims.CutPlnxPolyline", L"Dims.CutPlnxArc", L"Dims.CutPlnxCircle", L"Dims.CutPlnxSpline", L"Dims.CutTraxWall",
    L"Dims.CutTraxColumn", L"Dims.CutTraxBeam", L"Dims.CutTraxSlab", L"Dims.CutTraxFoot", L"Dims.CutTraxContFoot",
    L"Dims.CutTraxDoor", L"Dims.CutTraxWindow", L"Dims.CutTraxLintel", L"Dims.CutTraxWallHole",
    L"Dims.CutTraxSlabHole", L"Dims.CutTraxAxe", L"Dims.CutTraxGroundBeam", L"Dims.CutTraxRingBeam",
    L"Dims.CutTraxFoundSlab", L"Dims.CutTraxStairs", L"Trims.Slab", L"Trims.SteelEl", L"Found.SectionLayout",
    L"Found.SectionOffset", L"Found.Par.DrawName", L"Found.Par.Scale", L"Found.Par.Index", L"Found.Par.DescrOn",
    L"Found.Par.TextStyle", L"Found.Par.TextColor", L"Found.Par.TextSize", L"Found.Par.DescrPlace",
    L"Found.Par.Distance", L"Found.Par.SymbolHole", L"Found.Out", L"Found.Sect", L"Stor.CastType",
    L"Stor.CastPosition", L"Stor.CastDepth", L"Stor.SectionPlaceType", L"Stor.SectionPlacement", L"Stor.SymbolOn",
    L"Stor.StylId", L"Stor.LineColor", L"Stor.LineWidth", L"Stor.Par.DrawName", L"Stor.Par.Scale", L"Stor.Par.Index",
    L"Stor.Par.DescrOn", L"Stor.Par.TextStyle", L"Stor.Par.TextColor", L"Stor.Par.TextSize", L"Stor.Par.DescrPlace",
    L"Stor.Par.Distance", L"Stor.Par.SymbolHole", L"Stor.Par.ShowAllHoles", L"Stor.Par.ShowAllDoors", L"Stor.Out",
    L"Stor.Sect", L"Sect.Range.RangeType", L"Sect.Par.DrawName", L"Sect.Par.Scale", L"Sect.Par.Index",
    L"Sect.Par.DescrOn", L"Sect.Par.TextStyle", L"Sect.Par.TextColor", L"Sect.Par.TextSize", L"Sect.Par.DescrPlace",
    L"Sect.Par.Distance", L"Sect.Out", L"Sect.Sect", L"Sect.Ending", L"Elev.Range.RangeType", L"Elev.Par.DrawName",
    L"Elev.Par.Scale", L"Elev.Par.Index", L"Elev.Par.DescrOn", L"Elev.Par.TextStyle", L"Elev.Par.TextColor",
    L"Elev.Par.TextSize", L"Elev.Par.DescrPlace", L"Elev.Par.Distance", L"Elev.Par.PresentationType", L"Elev.Out",
    L"Elev.Ending", L"View.Par.DrawName", L"View.Par.Scale", L"View.Par.Index", L"View.Par.DescrOn",
    L"View.Par.TextStyle", L"View.Par.TextColor", L"View.Par.TextSize", L"View.Par.DescrPlace", L"View.Par.Distance",
    L"Detail.Par.DrawName", L"Detail.Par.Scale", L"Detail.Par.Index", L"Detail.Par.DescrOn", L"Detail.Par.TextStyle",
    L"Detail.Par.TextColor", L"Detail.Par.TextSize", L"Detail.Par.DescrPlace", L"Detail.Par.Distance",
    L"Detail.Par.PresentationType", L"Detail.Par.SymbolHole", L"Detail.Par.ShowAllHoles", L"Detail.Par.ShowAllDoors",
    L"Detail.Ending", L"View.Out", L"Curves.CircleParts", L"Curves.WallHoles", L"Project.Office", L"Project.Investor",
    L"Project.ProjectName", L"Project.ProjectNo", L"Project.Address", L"Project.Designer", L"Project.Revision",
    L"Project.Verified", L"Project.Date", L"Project.Note",
};
// clang-format on

// The golden key a stored value belongs to: itself, or the structure it is a field of.
std::wstring GoldenKeyOf(const std::wstring& stored) {
  for (const wchar_t* structure : kStructures) {
    const std::wstring prefix = std::wstring(structure) + L".";
    if (stored.compare(0, prefix.size(), prefix) == 0) return structure;
  }
  return stored;
}

using FormworkVocabulary = FormworkSettingsTest;

TEST_F(FormworkVocabulary, KeysAreFiledInTheStoredOrder) {
  KOVTFormworkJobSettings settings;
  std::vector<KOVTString> names = settings.ListKeyNames();
  ASSERT_EQ(names.size(), std::size(kStoredOrder));
  for (std::size_t i = 0; i < names.size(); ++i) EXPECT_EQ(names[i], kStoredOrder[i]) << "position " << i;
}

TEST_F(FormworkVocabulary, AWrittenSetHoldsExactlyTheGoldenKeys) {
  { KOVTFormworkJobSettings created; }
  EXPECT_EQ(Drawing()->numOpenObjects(), 0u);
  EditSet([](TRegistry& registry) {
    std::vector<std::wstring> seen;
    for (const auto& [name, value] : registry.GetCurrentKey()->Values()) {
      const std::wstring golden = GoldenKeyOf(name.str());
      EXPECT_NE(std::find(std::begin(kStoredOrder), std::end(kStoredOrder), golden), std::end(kStoredOrder))
          << "unexpected value " << std::string(golden.begin(), golden.end());
      seen.push_back(golden);
    }
    for (const wchar_t* golden : kStoredOrder)
      EXPECT_NE(std::find(seen.begin(), seen.end(), golden), seen.end()) << "missing " << KOVTString(golden).c_str();
  });
}

// A fresh object reads the defaults back over members that all differ.
TEST_F(FormworkVocabulary, NewDrawingStoresTheDefaults) {
  { KOVTFormworkJobSettings created; }
  KOVTFormworkJobSettings s;
  ScrambleListed(s.ListKeys());
  s.View.Out.BlankOn = true;
  s.Sect.Sect.HatchScale = 5.0;
  ASSERT_TRUE(s.ReadJobSettings(L"Standard", nullptr, KoVTPrjReg::kReadWrite));
  EXPECT_EQ(s.StoredVersion(), 2);
  EXPECT_EQ(s.Variables().Values[VAR_REPORT_PAGE_NUMBER], L"");
  EXPECT_EQ(s.Variables().Values[VAR_REPORT_TIME], L"%H:%M:%S");
  EXPECT_TRUE(s.PageSetup().IsFooterFrame);
  EXPECT_EQ(s.Units.Currency, L"EUR");
  EXPECT_EQ(s.Units.PrintfHoleDim, L"%.3lf");
  EXPECT_EQ(s.Units.VolumePrecision, 3);
  EXPECT_DOUBLE_EQ(s.Units.AngleCoeff, 57.29577951308232);
  EXPECT_EQ(s.Units.DescGreaterThenOne, L"mm");
  EXPECT_EQ(s.Styles.RingBeamPriority, 40);
  EXPECT_EQ(s.Styles.StairsPriority, 30);
  EXPECT_EQ(s.Descs.RingBeamDesc, L"X{%S_num}_{%El_num}");
  EXPECT_EQ(s.Descs.CFootDesc, L"{%El_num}");
  EXPECT_EQ(s.Descs.AxisScanType, 1);
  EXPECT_EQ(s.Dims.ExtLineFromObjLength, 100.0);
  EXPECT_EQ(s.Dims.Cuts.TraxRingBeam, 1);
  EXPECT_EQ(s.Dims.Cuts.TraxStairs, 0);
  EXPECT_EQ(s.Found.SectionOffset, 10.0);
  EXPECT_EQ(s.Stor.CastDepth, 300.0);
  EXPECT_EQ(s.Stor.LineWidth, -1);
  EXPECT_EQ(s.Found.Par.SymbolHole, 0);
  EXPECT_EQ(s.Elev.Par.Distance, 500.0);
  EXPECT_EQ(s.View.Par.Scale, 200.0);
  EXPECT_EQ(s.Detail.Par.TextColor, 1);
  EXPECT_EQ(s.Detail.Par.DescrPlace, 2);
  EXPECT_EQ(s.View.CircleParts, 128);
  EXPECT_FALSE(s.View.Out.BlankOn);
  EXPECT_EQ(s.Sect.Sect.HatchScale, 1.0);
  EXPECT_EQ(s.Found.Out.VisibLineColor, 256);
}

}  // namespace
