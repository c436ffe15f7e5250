#include "core/db_helpers.h"

#include <gtest/gtest.h>

#include "core/exception.h"
#include "host/print.h"
#include "tests/support/drawing_entries.h"

namespace {

// Matches by name and by pattern are the formwork settings' to show; here what is refused.
TEST(EqualLinetype, RefusesForeignIdsAndNonLinetypesAndLeavesAMissUntouched) {
  PnDbDatabase source, target;
  PnDbObjectId other = AddLinetype(&source, L"Other", {9, -9});
  PnDbObjectId targetDashed = AddLinetype(&target, L"DASHED", {7, -7});

  PnDbObjectId untouched = targetDashed;
  EXPECT_EQ(KoVTCoreAPI::GetEqualLinetypeId(&source, other, &target, untouched), Plnx::eKeyNotFound);
  EXPECT_EQ(untouched, targetDashed);
  // An id of the other drawing is not a linetype of the first one.
  EXPECT_EQ(KoVTCoreAPI::GetEqualLinetypeId(&source, targetDashed, &target, untouched), Plnx::eInvalidInput);
  EXPECT_EQ(KoVTCoreAPI::GetEqualLinetypeId(&source, source.namedObjectsDictionaryId(), &target, untouched),
            Plnx::eWrongObjectType);
}

TEST(DoubleDbScope, InnermostScopeAnswers) {
  PnDbDatabase a(false), b(false), c(false);
  PnDbDatabase* source = &a;
  PnDbDatabase* target = &a;
  EXPECT_FALSE(KovtDoubleDbScope::getStat(source, target));
  EXPECT_EQ(source, nullptr);
  {
    KovtDoubleDbScope outer(&a, &b);
    {
      KovtDoubleDbScope inner(&b, &c);
      EXPECT_TRUE(KovtDoubleDbScope::getStat(source, target));
      EXPECT_EQ(source, &b);
      EXPECT_EQ(target, &c);
    }
    EXPECT_TRUE(KovtDoubleDbScope::getStat(source, target));
    EXPECT_EQ(source, &a);
    EXPECT_EQ(target, &b);
  }
  EXPECT_FALSE(KovtDoubleDbScope::getStat(source, target));
}

TEST(Exception, CarriesItsTextAndShowsIt) {
  KoVT::Exception error(L"Registration of KoVTPrjRegistryKeeper required");
  KoVT::Exception copy(error);
  EXPECT_EQ(copy.What(), L"Registration of KoVTPrjRegistryKeeper required");
  EXPECT_STREQ(copy.what(), "Registration of KoVTPrjRegistryKeeper required");
  pnutCaptureOutput(true);
  copy.ShowMessage();
  EXPECT_NE(pnutTakeCapturedOutput().find(L"KoVTPrjRegistryKeeper required"), std::wstring::npos);
  pnutCaptureOutput(false);
}

}  // namespace
