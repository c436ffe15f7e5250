// How reading treats formwork sets written by older versions or by hand:
// the unit fallbacks, the two names of the ring-beam priority, the section
// hatch modes of version 1, and header buffers without a size.
#include <gtest/gtest.h>

#include <algorithm>
#include <utility>

#include "tests/jobsettings/formwork_test_fixture.h"

namespace {

using KoVTPrjReg::TRegistry;

using FormworkRepairs = FormworkSettingsTest;

// Each cross- or hole-dimension value and the length value it falls back to.
const std::pair<const wchar_t*, const wchar_t*> kUnitFallbacks[] = {
    {L"Units.FormworkCrossDim", L"Units.Length"},
    {L"Units.FormworkHoleDim", L"Units.Length"},
    {L"Units.PrintfFormworkCrossDim", L"Units.PrintfLength"},
    {L"Units.PrintfFormworkHoleDim", L"Units.PrintfLength"},
    {L"Units.FormworkCrossDimPrecision", L"Units.LengthPrecision"},
    {L"Units.FormworkHoleDimPrecision", L"Units.LengthPrecision"},
    {L"Units.FormworkCrossDimCoeff", L"Units.LengthCoeff"},
    {L"Units.FormworkHoleDimCoeff", L"Units.LengthCoeff"},
};

bool SameListedValue(KOVTFormworkJobSettings& s, const wchar_t* a, const wchar_t* b) {
  const std::vector<KovtJobKeys::Entry> listing = s.ListKeys();
  auto field = [&](const wchar_t* name) {
    return std::find_if(listing.begin(), listing.end(), [&](const auto& e) { return e.name == name; })->field;
  };
  return std::visit([&](auto* left) { return *left == *std::get<decltype(left)>(field(b)); }, field(a));
}

TEST_F(FormworkRepairs, MissingCrossAndHoleUnitsTakeTheLengthOnes) {
  {
    KOVTFormworkJobSettings written;
    ScrambleListed(written.ListKeys());  // the length values differ from every default
    written.Save();
  }
  for (const auto& [key, source] : kUnitFallbacks) {
    SCOPED_TRACE(KOVTString(key).c_str());
    EditSet([&](TRegistry& registry) { EXPECT_TRUE(registry.DeleteValue(key)); });
    KOVTFormworkJobSettings read;
    EXPECT_TRUE(SameListedValue(read, key, source));
  }
}

TEST_F(FormworkRepairs, AUnitKeyOfAnotherKindAlsoTakesTheLengthOne) {
  { KOVTFormworkJobSettings created; }
  EditSet([](TRegistry& registry) {
    registry.WriteString(L"Units.Length", L"cm");
    registry.WriteInteger(L"Units.FormworkHoleDim", 7);
    registry.WriteString(L"Units.FormworkCrossDim", L"dm");
  });
  KOVTFormworkJobSettings read;
  EXPECT_EQ(read.Units.HoleDim, L"cm");
  EXPECT_EQ(read.Units.CrossDim, L"dm");  // stored, so no fallback
}

TEST_F(FormworkRepairs, RingBeamPriorityIsWrittenAndReadUnderItsName) {
  {
    KOVTFormworkJobSettings written;
    written.Styles.RingBeamPriority = 12;
    written.Save();
  }
  KOVTFormworkJobSettings read;
  EXPECT_EQ(read.Styles.RingBeamPriority, 12);
  EditSet([](TRegistry& registry) {
    EXPECT_FALSE(registry.GetCurrentKey()->ValueExists(L"Priorities.GRingPriority"));
  });
}

TEST_F(FormworkRepairs, RingBeamPriorityFallsBackToTheOldReadName) {
  StoreSetWithout({L"Priorities.RingBeamPriority"});
  EditSet([](TRegistry& registry) { registry.WriteInteger(L"Priorities.GRingPriority", 55); });
  KOVTFormworkJobSettings read;
  EXPECT_EQ(read.Styles.RingBeamPriority, 55);

  // With both names stored, the written one wins.
  EditSet([](TRegistry& registry) { registry.WriteInteger(L"Priorities.RingBeamPriority", 66); });
  ASSERT_TRUE(read.ReadJobSettings(L"Standard", nullptr, KoVTPrjReg::kReadWrite));
  EXPECT_EQ(read.Styles.RingBeamPriority, 66);

  // With neither, the member keeps its value.
  EditSet([](TRegistry& registry) {
    registry.DeleteValue(L"Priorities.RingBeamPriority");
    registry.DeleteValue(L"Priorities.GRingPriority");
  });
  read.Styles.RingBeamPriority = 77;
  ASSERT_TRUE(read.ReadJobSettings(L"Standard", nullptr, KoVTPrjReg::kReadWrite));
  EXPECT_EQ(read.Styles.RingBeamPriority, 77);
}

TEST_F(FormworkRepairs, VersionOneSectionsReadTheirHatchType) {
  StoreSetWithout({L"Found.Sect.HatchMode", L"Stor.Sect.HatchMode", L"Sect.Sect.HatchMode"});
  EditSet([](TRegistry& registry) {
    registry.WriteInteger(L"Version", 1);
    registry.WriteInteger(L"Found.Sect.HatchType", 1);
    registry.WriteInteger(L"Stor.Sect.HatchType", 0);
  });
  KOVTFormworkJobSettings read;
  read.Sect.Sect.HatchMode = 9;
  ASSERT_TRUE(read.ReadJobSettings(L"Standard", nullptr, KoVTPrjReg::kReadWrite));
  EXPECT_EQ(read.StoredVersion(), 1);
  EXPECT_EQ(read.Found.Sect.HatchMode, kHatchModeOfHatchedType);
  EXPECT_EQ(read.Stor.Sect.HatchMode, kHatchModeOfUnhatchedType);
  EXPECT_EQ(read.Sect.Sect.HatchMode, 9);  // no flag: unchanged

  read.Save();
  EditSet([](TRegistry& registry) {
    int version = 0, mode = -1;
    EXPECT_TRUE(registry.ReadInteger(L"Version", version));
    EXPECT_TRUE(registry.ReadInteger(L"Stor.Sect.HatchMode", mode));
    EXPECT_EQ(version, 2);
    EXPECT_EQ(mode, kHatchModeOfUnhatchedType);
  });
}

TEST_F(FormworkRepairs, ASetWithoutVersionReadsAsTheCurrentFormat) {
  StoreSetWithout({L"Version"});
  EditSet([](TRegistry& registry) {
    registry.WriteInteger(L"Found.Sect.HatchMode", 2);
    registry.WriteInteger(L"Found.Sect.HatchType", 1);
  });
  KOVTFormworkJobSettings read;
  EXPECT_EQ(read.StoredVersion(), KOVTFormworkJobSettings::FormatVersion);
  EXPECT_EQ(read.Found.Sect.HatchMode, 2);
}

TEST_F(FormworkRepairs, HeaderDataNeedsAStoredSizeAboveZero) {
  { KOVTFormworkJobSettings created; }
  EditSet([](TRegistry& registry) {
    const std::uint8_t bytes[] = {7, 8, 9};
    registry.WriteInteger(L"HeaderFooter.HeaderSize", 0);
    registry.WriteBinaryData(L"HeaderFooter.HeaderData", bytes, 3);
    registry.DeleteValue(L"HeaderFooter.FooterSize");
    registry.WriteBinaryData(L"HeaderFooter.FooterData", bytes, 3);
  });
  KOVTFormworkJobSettings read;
  read.HeaderFooter().HeaderData = {1};
  read.HeaderFooter().FooterData = {2};
  ASSERT_TRUE(read.ReadJobSettings(L"Standard", nullptr, KoVTPrjReg::kReadWrite));
  EXPECT_EQ(read.HeaderFooter().HeaderData, std::vector<std::uint8_t>{1});
  EXPECT_EQ(read.HeaderFooter().FooterData, std::vector<std::uint8_t>{2});

  // A size above 0 reads the data, whose length then is the size.
  EditSet([](TRegistry& registry) { registry.WriteInteger(L"HeaderFooter.HeaderSize", 10); });
  ASSERT_TRUE(read.ReadJobSettings(L"Standard", nullptr, KoVTPrjReg::kReadWrite));
  EXPECT_EQ(read.HeaderFooter().HeaderData, (std::vector<std::uint8_t>{7, 8, 9}));
  EXPECT_EQ(read.HeaderFooter().HeaderSize, 3);
}

TEST_F(FormworkRepairs, AMissingSetChangesNothing) {
  KOVTFormworkJobSettings settings;
  settings.Units.WorkUnits = L"cm";
  settings.Found.Out.VisibLineColor = 5;
  EXPECT_FALSE(settings.ReadJobSettings(L"Nowhere", nullptr, KoVTPrjReg::kReadWrite));
  EXPECT_EQ(settings.Units.WorkUnits, L"cm");
  EXPECT_EQ(settings.Found.Out.VisibLineColor, 5);
  EXPECT_EQ(settings.StoredVersion(), KOVTFormworkJobSettings::FormatVersion);
}

}  // namespace
