#include "core/db_helpers.h"

#include <gtest/gtest.h>

#include "core/exception.h"
#include "host/print.h"
#include "tests/support/drawing_entries.h"

namespace {

TEST(EqualLinetype, MatchesByNameThenByPattern) {
  PnDbDatabase source, target;
  PnDbObjectId dashed = AddLinetype(&source, L"Dashed", {5, -2});
  PnDbObjectId hidden = AddLinetype(&source, L"Hidden", {1, -1});
  PnDbObjectId other = AddLinetype(&source, L"Other", {9, -9});
  PnDbObjectId targetDashed = AddLinetype(&target, L"DASHED", {7, -7});
  PnDbObjectId targetHidden = AddLinetype(&target, L"HiddenCopy", {1, -1});

  PnDbObjectId found;
  EXPECT_EQ(KoVTCoreAPI::GetEqualLinetypeId(&source, dashed, &target, found), Plnx::eOk);
  EXPECT_EQ(found, targetDashed);
  EXPECT_EQ(KoVTCoreAPI::GetEqualLinetypeId(&source, hidden, &target, found), Plnx::eOk);
  EXPECT_EQ(found, targetHidden);
  EXPECT_EQ(KoVTCoreAPI::GetEqualLinetypeId(&source, source.continuousLinetype(), &target, found), Plnx::eOk);
  EXPECT_EQ(found, target.continuousLinetype());

  PnDbObjectId untouched = targetHidden;
  EXPECT_EQ(KoVTCoreAPI::GetEqualLinetypeId(&source, other, &target, untouched), Plnx::eKeyNotFound);
  EXPECT_EQ(untouched, targetHidden);
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
