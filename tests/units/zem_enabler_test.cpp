// The formatting service of the companion module: publication, the written
// forms and the text it refuses.
#include <cwchar>
#include <numbers>

#include "tests/support/golden_rows.h"
#include "tests/units/zem_fixture.h"

namespace {

// wcstod, unlike stod, takes subnormal values without complaint.
double Number(const std::wstring& text) { return std::wcstod(text.c_str(), nullptr); }

TEST(ZemModule, PublishesItsServiceWhileLoadedUnlessTheNameIsTaken) {
  PnRxDynamicLinker* linker = pnrxDynamicLinker();
  ASSERT_FALSE(pnrxServiceIsRegistered(kZemEnablerServiceName));
  ASSERT_TRUE(linker->loadModule(kZemModuleFile)) << WideToUtf8(linker->lastLoadError());
  EXPECT_NE(KovtFindService<TxISvZemEnabler>(kZemEnablerServiceName), nullptr);
  ASSERT_TRUE(linker->unloadModule(kZemModuleFile));
  EXPECT_FALSE(pnrxServiceIsRegistered(kZemEnablerServiceName));

  // Not while the name is taken.
  auto* other = new PnRxService;
  ASSERT_NE(pnrxDynamicLinker()->registerService(kZemEnablerServiceName, other), nullptr);
  EXPECT_FALSE(pnrxDynamicLinker()->loadModule(kZemModuleFile));
  EXPECT_FALSE(pnrxDynamicLinker()->isModuleLoaded(kZemModuleFile));
  EXPECT_TRUE(KovtWithdrawService(kZemEnablerServiceName, other));  // still the other one
}

// Each row writes or reads one text; a refusal leaves the output as it was.
TEST_F(ZemEnablerTest, WritesAndReadsTheGoldenTexts) {
  constexpr double kDegree = std::numbers::pi / 180.0;
  const auto rows = ReadGoldenRows("units/data/zem_texts.txt", 5);
  ASSERT_GT(rows.size(), 80u);
  for (const GoldenRow& row : rows) {
    const std::string where = WideToUtf8(row[0] + L" " + row[3]);
    const int mode = std::stoi(row[1]);
    wchar_t text[kZemTextBufferSize] = L"kept";
    double value = 7.0;
    int code = kZemOk;
    if (row[0] == L"write") code = zem->RealToText(Number(row[3]), mode, std::stoi(row[2]), text);
    else if (row[0] == L"write-angle") code = zem->AngleToText(Number(row[3]) * kDegree, mode, std::stoi(row[2]), text);
    else if (row[0] == L"read") code = zem->TextToDistance(row[3].c_str(), mode, value);
    else code = zem->TextToAngle(row[3].c_str(), mode, value);
    if (row[4][0] == L'<') {
      EXPECT_EQ(L"<" + std::to_wstring(code) + L">", row[4]) << where;
      EXPECT_STREQ(text, L"kept") << where;
      EXPECT_EQ(value, 7.0) << where;
    } else if (row[0].starts_with(L"write")) {
      ASSERT_EQ(code, kZemOk) << where;
      EXPECT_EQ(std::wstring(text), row[4]) << where;
    } else {
      ASSERT_EQ(code, kZemOk) << where;
      EXPECT_DOUBLE_EQ(value, Number(row[4]) * (row[0] == L"read" ? 1.0 : kDegree)) << where;
    }
  }
  double value = 0.0;
  EXPECT_EQ(zem->RealToText(1.0, kZemDecimal, 2, nullptr), kZemBadArgument);
  EXPECT_EQ(zem->TextToDistance(nullptr, kZemDecimal, value), kZemBadArgument);
}

}  // namespace
