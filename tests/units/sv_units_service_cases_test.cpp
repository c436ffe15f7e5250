// The units service on a working drawing and the free functions on top of
// it, driven by the cases of data/service_cases.txt: settings of each module,
// the drawing and the context change, then calls give their answers.
#include <optional>

#include "dictionaries/dict_tree.h"
#include "environment/app_context.h"
#include "jobsettings/access_points.h"
#include "tests/jobsettings/listing.h"
#include "tests/support/kovt_drawing.h"
#include "tests/units/call_rows.h"
#include "units/sv_units_service.h"
#include "units/unit_conversion.h"
#include "units/unit_info.h"
#include "units/unit_system.h"

namespace {

// The service is published as "KOVT_UNITS" and reached through its
// interface, as the family's modules do.
TxISvUnits& Units() { return *KovtFindService<TxISvUnits>(kUnitsServiceName); }

std::wstring FormatCore(const Args& a) {
  KOVTString text = L"kept";
  const bool written = Units().FormatCore(D(a[0]), text, I(a[1]), I(a[2]));
  return B(written) + L"|" + text.c_str();
}
std::wstring ParseCore(const Args& a) {
  double value = 7.0;
  const bool read = Units().ParseCore(a[0].c_str(), value, I(a[1]));
  return B(read) + L"|" + N(value);
}
// The text and whether the value was above one unit (the flag starts true).
std::wstring FormatDesc(const Args& a) {
  KOVTString text = L"kept";
  bool above = true;
  Units().FormatDescValue(text, D(a[0]), I(a[1]), a.size() > 3 ? nullptr : &above, I(a[2]));
  return std::wstring(text.c_str()) + (a.size() > 3 ? L"" : L"|" + B(above));
}

// Every call a case may make, by name; arguments are separated by '|' in the file.
#define METHOD(name) {L"" #name, [](const Args& a) { return Method(&TxISvUnits::name)(Units(), a); }}
const CallTable& Calls() {
  static const CallTable calls = {
      METHOD(IsWorkMetric), METHOD(IsDescMetric), METHOD(IsAngleKind),
      METHOD(WorkLengthCode), METHOD(WorkSurfaceCode), METHOD(WorkVolumeCode),
      METHOD(WorkVolumeName), METHOD(PrecisionOfKind), METHOD(DisplayModeOfKind),
      METHOD(LengthCodeOfKind), METHOD(SurfaceCodeOfKind), METHOD(VolumeCodeOfKind),
      METHOD(MassCodeOfKind), METHOD(AngleCodeOfKind), METHOD(LengthNameOfKind),
      METHOD(LengthNameOfCode), METHOD(SurfaceNameOfCode), METHOD(VolumeNameOfCode),
      METHOD(MassNameOfCode), METHOD(AngleNameOfCode),
      METHOD(LengthWorkToKind), METHOD(LengthKindToWork), METHOD(LengthWorkToCode),
      METHOD(LengthCodeToWork), METHOD(SurfaceWorkToKind), METHOD(SurfaceKindToWork),
      METHOD(SurfaceWorkToCode), METHOD(SurfaceCodeToWork), METHOD(VolumeWorkToKind),
      METHOD(VolumeKindToWork), METHOD(VolumeWorkToCode), METHOD(VolumeCodeToWork),
      METHOD(ConvertLengthByCodes), METHOD(ConvertSurfaceByCodes), METHOD(ConvertVolumeByCodes),
      METHOD(ConvertMassByCodes), METHOD(ConvertAngleByCodes), METHOD(RoundToStep),
      METHOD(ParseValue),
      {L"FormatValue",
       [](const Args& a) {
         KOVTString text = L"kept";
         return std::wstring(Units().FormatValue(text, D(a[0]), I(a[1]), I(a[2])).c_str());
       }},
      {L"FormatDescValue", &FormatDesc},
      {L"FormatCore", &FormatCore},
      {L"ParseCore", &ParseCore},
      // Free functions on top of the service.
      FUNCTION(KOVTGetWorkUnits), FUNCTION(IsMetric), FUNCTION(GetCoeffFromSel, int),
      FUNCTION(GetSurfaceCoeffFromSel, int), FUNCTION(GetVolumeCoeffFromSel, int),
      FUNCTION(GetMassCoeffFromSel, int),
      FUNCTION(KovtUnit::BaseValue2DescText, double), FUNCTION(KovtUnit::BaseValue2DimText, double),
  };
  return calls;
}
#undef METHOD

class ServiceCases : public KovtDrawingTest {
 protected:
  void SetUp() override {
    KovtDrawingTest::SetUp();
    ASSERT_TRUE(KovtPublishUnitsService());
    ASSERT_NE(KovtFindService<TxISvUnits>(kUnitsServiceName), nullptr);
  }
  void TearDown() override {
    EndCase();
    EXPECT_TRUE(KovtWithdrawUnitsService());
    EXPECT_FALSE(KovtWithdrawUnitsService());  // nothing left to withdraw
    REMOVE_JOBSET(Drawing());
    KovtDrawingTest::TearDown();
  }

  // The next case starts on a new drawing.
  void EndCase() {
    pndbHostApplicationServices()->setWorkingDatabase(Drawing());
    m_context.reset();
    if (m_formatter) pnrxDynamicLinker()->unloadModule(L"KovtZemEnabler.zem");
    m_formatter = false;
    REMOVE_JOBSET(Drawing());
    NewDrawing();
  }
  // The listed member `key` of a module's settings, given as text.
  void Set(const std::wstring& module, const std::wstring& key, const std::wstring& text) {
    std::vector<KovtJobKeys::Entry> listing;
    if (module == L"reinf") {
      EXPECT_TRUE(REINF_JOBSET_INIT());
      listing = REINF_JOBSET()->ListKeys();
    } else if (module == L"steel") {
      listing = STEEL_JOBSET_FORCE()->ListKeys();
    } else {
      // The formwork settings need the module's root first.
      if (PnDbDictionary* root = GetKovxRootDict(nullptr, PnDb::kForWrite, true)) root->close();
      ASSERT_NE(FORMWORK_JOBSET(), nullptr);
      listing = FORMWORK_JOBSET()->ListKeys();
    }
    for (const KovtJobKeys::Entry& entry : listing)
      if (entry.name == key.c_str()) {
        const bool isText = std::holds_alternative<KOVTString*>(entry.field);
        const bool isInteger = std::holds_alternative<std::int32_t*>(entry.field);
        return Assign(entry.field, ValueOf(isText ? L"String" : isInteger ? L"Integer" : L"Float", text));
      }
    ADD_FAILURE() << "not listed: " << WideToUtf8(key);
  }
  void ChangeDrawing(const std::wstring& what, const std::wstring& value) {
    if (what == L"measurement")
      Drawing()->setMeasurement(value == L"english" ? PnDb::kEnglish : PnDb::kMetric);
    else if (what == L"lunits")
      Drawing()->setLunits(I(value));
    else if (what == L"luprec")
      Drawing()->setLuprec(I(value));
    else
      pndbHostApplicationServices()->setWorkingDatabase(what == L"detach" ? nullptr : Drawing());
  }

  std::optional<KOVTContext> m_context;
  bool m_formatter = false;
};

// Rows: case, action, name, arguments, expected. Actions: `context <name>`,
// `set <module> <key> <value>`, `drawing measurement|lunits|luprec <value>`,
// `drawing detach|attach`, `formatter` (loads the formatting module) and
// `call <function> <arguments> <answer>`.
TEST_F(ServiceCases, EveryCaseGivesItsAnswers) {
  const std::map<std::wstring, KOVTCONTEXT_TYPE> contexts = {
      {L"reinf", KOVT_CONTEXT_REINFORCEMENT}, {L"steel", KOVT_CONTEXT_STEEL},
      {L"formwork", KOVT_CONTEXT_FORMWORK},   {L"common", KOVT_CONTEXT_COMMON},
      {L"none", KOVT_CONTEXT_NONE},           {L"barshapes", KOVT_CONTEXT_BARSHAPES}};
  std::wstring current;
  for (const GoldenRow& row : ReadGoldenRows("units/data/service_cases.txt", 5)) {
    if (row[0] != current) {
      EndCase();
      current = row[0];
    }
    SCOPED_TRACE(WideToUtf8(row[0] + L": " + row[1] + L" " + row[2] + L" " + row[3]));
    if (row[1] == L"context") {
      m_context.reset();
      m_context.emplace(contexts.at(row[2]));
    } else if (row[1] == L"set") {
      Set(row[2], row[3], row[4]);
    } else if (row[1] == L"drawing") {
      ChangeDrawing(row[2], row[3]);
    } else if (row[1] == L"formatter") {
      m_formatter = pnrxDynamicLinker()->loadModule(L"KovtZemEnabler.zem");
      ASSERT_TRUE(m_formatter);
    } else {
      ASSERT_EQ(row[1], L"call");
      ExpectAnswer(Calls(), row, 2);
    }
  }
}

TEST_F(ServiceCases, ConvertsGeometryInPlace) {
  KovtPoint3dArray points{{1.0, 2.0, 3.0}, {-0.5, 0.0, 10.0}};
  ASSERT_TRUE(Units().ConvertPoints(L"m", L"mm", points));
  EXPECT_DOUBLE_EQ(points[0].z, 3000.0);
  EXPECT_DOUBLE_EQ(points[1].x, -500.0);
  KovtPoint3d point{25.4, 50.8, 0.0};
  ASSERT_TRUE(Units().ConvertPoint(L"mm", L"in", point));
  EXPECT_DOUBLE_EQ(point.y, 2.0);
  KovtVector3d vector{1.0, 1.0, 12.0};
  ASSERT_TRUE(Units().ConvertVector(L"ft", L"in", vector));
  EXPECT_DOUBLE_EQ(vector.z, 144.0);
  double x = 1.0, y = 2.0, z = 3.0;
  ASSERT_TRUE(Units().ConvertLengths(L"cm", L"мм", x, y, z));
  EXPECT_DOUBLE_EQ(z, 30.0);

  // Equal names need no units; unknown or non-length names change nothing.
  EXPECT_TRUE(Units().ConvertLengths(L"bogus", L"bogus", x, y, z));
  EXPECT_FALSE(Units().ConvertLengths(L"m", L"bogus", x, y, z));
  EXPECT_FALSE(Units().ConvertLengths(L"m2", L"mm2", x, y, z));
  EXPECT_FALSE(Units().ConvertVector(L"m", L"kg", vector));
  EXPECT_FALSE(Units().ConvertPoints(L"yd", L"m", points));
  EXPECT_EQ(z, 30.0);
  EXPECT_EQ(vector.z, 144.0);
  EXPECT_EQ(points[0].z, 3000.0);
}

}  // namespace
