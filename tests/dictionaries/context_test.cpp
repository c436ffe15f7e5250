// Application contexts: one stack per drawing, scoped entry and exit.
#include <gtest/gtest.h>

#include <memory>

#include "environment/app_context.h"
#include "host/database.h"

namespace {

class ContextTest : public ::testing::Test {
 protected:
  void SetUp() override {
    KOVTContext::Clear();
    pndbHostApplicationServices()->setWorkingDatabase(&first);
  }
  void TearDown() override {
    KOVTContext::Clear();
    pndbHostApplicationServices()->setWorkingDatabase(nullptr);
  }

  KOVTCONTEXT_TYPE Current() const { return KOVTContext().GetContext(); }

  PnDbDatabase first{false};
  PnDbDatabase second{false};
};

TEST_F(ContextTest, WithoutContextInsideTheHostItIsReinforcement) {
  EXPECT_EQ(Current(), KOVT_CONTEXT_REINFORCEMENT);
  EXPECT_EQ(KOVTContext(&second).GetContext(), KOVT_CONTEXT_REINFORCEMENT);
}

TEST_F(ContextTest, NestedContextsUnwindInOrder) {
  {
    KOVTContext steel(KOVT_CONTEXT_STEEL);
    EXPECT_EQ(Current(), KOVT_CONTEXT_STEEL);
    {
      KOVTContext formwork(KOVT_CONTEXT_FORMWORK);
      EXPECT_EQ(Current(), KOVT_CONTEXT_FORMWORK);
      EXPECT_EQ(formwork.GetContext(), KOVT_CONTEXT_FORMWORK);
    }
    EXPECT_EQ(Current(), KOVT_CONTEXT_STEEL);
  }
  EXPECT_EQ(Current(), KOVT_CONTEXT_REINFORCEMENT);
}

TEST_F(ContextTest, EachDrawingHasItsOwnStack) {
  KOVTContext steelInFirst(KOVT_CONTEXT_STEEL, &first);
  KOVTContext barsInSecond(KOVT_CONTEXT_BARSHAPES, &second);
  EXPECT_EQ(KOVTContext(&first).GetContext(), KOVT_CONTEXT_STEEL);
  EXPECT_EQ(KOVTContext(&second).GetContext(), KOVT_CONTEXT_BARSHAPES);
  // A null database is the working one.
  EXPECT_EQ(Current(), KOVT_CONTEXT_STEEL);
  pndbHostApplicationServices()->setWorkingDatabase(&second);
  EXPECT_EQ(Current(), KOVT_CONTEXT_BARSHAPES);
}

TEST_F(ContextTest, LeavingPopsTheDrawingItWasEnteredForEvenAfterTheWorkingDrawingChanged) {
  KOVTContext commonInSecond(KOVT_CONTEXT_COMMON, &second);
  {
    KOVTContext formwork(KOVT_CONTEXT_FORMWORK);  // the working drawing: first
    pndbHostApplicationServices()->setWorkingDatabase(&second);
  }
  EXPECT_EQ(KOVTContext(&first).GetContext(), KOVT_CONTEXT_REINFORCEMENT);
  EXPECT_EQ(KOVTContext(&second).GetContext(), KOVT_CONTEXT_COMMON);
}

TEST_F(ContextTest, ARememberingContextPushesNothing) {
  KOVTContext steel(KOVT_CONTEXT_STEEL);
  { KOVTContext query(&first); }
  EXPECT_EQ(Current(), KOVT_CONTEXT_STEEL);
}

TEST_F(ContextTest, ClearForgetsEveryStackAndLateLeavesPopNothing) {
  auto outer = std::make_unique<KOVTContext>(KOVT_CONTEXT_STEEL);
  KOVTContext inSecond(KOVT_CONTEXT_FORMWORK, &second);
  KOVTContext::Clear();
  EXPECT_EQ(Current(), KOVT_CONTEXT_REINFORCEMENT);
  EXPECT_EQ(KOVTContext(&second).GetContext(), KOVT_CONTEXT_REINFORCEMENT);
  {
    KOVTContext common(KOVT_CONTEXT_COMMON);
    EXPECT_EQ(Current(), KOVT_CONTEXT_COMMON);
  }
  outer.reset();
  EXPECT_EQ(Current(), KOVT_CONTEXT_REINFORCEMENT);
}

TEST_F(ContextTest, WithoutAnyDrawingOneFallbackStackIsUsed) {
  pndbHostApplicationServices()->setWorkingDatabase(nullptr);
  {
    KOVTContext steel(KOVT_CONTEXT_STEEL);
    EXPECT_EQ(Current(), KOVT_CONTEXT_STEEL);
    EXPECT_EQ(KOVTContext(&first).GetContext(), KOVT_CONTEXT_REINFORCEMENT);
  }
  EXPECT_EQ(Current(), KOVT_CONTEXT_REINFORCEMENT);
}

TEST_F(ContextTest, UnitContextFallsBackToTheWorkingDrawingsContext) {
  EXPECT_EQ(KovtUnitContext::GetContext(), KOVT_CONTEXT_REINFORCEMENT);
  KOVTContext steel(KOVT_CONTEXT_STEEL);
  EXPECT_EQ(KovtUnitContext::GetContext(), KOVT_CONTEXT_STEEL);
  {
    KovtUnitContext formwork(KOVT_CONTEXT_FORMWORK);
    KovtUnitContext nothing;
    EXPECT_EQ(KovtUnitContext::GetContext(), KOVT_CONTEXT_FORMWORK);
    {
      KovtUnitContext bars(KOVT_CONTEXT_BARSHAPES);
      EXPECT_EQ(KovtUnitContext::GetContext(), KOVT_CONTEXT_BARSHAPES);
    }
    EXPECT_EQ(KovtUnitContext::GetContext(), KOVT_CONTEXT_FORMWORK);
    // The drawing's own stack is untouched by unit contexts.
    EXPECT_EQ(Current(), KOVT_CONTEXT_STEEL);
  }
  EXPECT_EQ(KovtUnitContext::GetContext(), KOVT_CONTEXT_STEEL);
}

}  // namespace
