// Application contexts: one stack per drawing, scoped entry and exit.
#include <gtest/gtest.h>

#include "environment/app_context.h"
#include "host/database.h"

namespace {

class ContextTest : public ::testing::Test {
 protected:
  void SetUp() override { pndbHostApplicationServices()->setWorkingDatabase(&first); }
  void TearDown() override {
    KOVTContext::Clear();
    pndbHostApplicationServices()->setWorkingDatabase(nullptr);
  }
  static KOVTCONTEXT_TYPE Current(PnDbDatabase* db = nullptr) { return KOVTContext(db).GetContext(); }

  PnDbDatabase first{false}, second{false};
};

TEST_F(ContextTest, NestedContextsUnwindToTheDefault) {
  EXPECT_EQ(Current(), KOVT_CONTEXT_REINFORCEMENT);
  {
    KOVTContext steel(KOVT_CONTEXT_STEEL);
    {
      KOVTContext formwork(KOVT_CONTEXT_FORMWORK);
      KOVTContext query(&first);  // pushes nothing
      EXPECT_EQ(Current(), KOVT_CONTEXT_FORMWORK);
    }
    EXPECT_EQ(Current(), KOVT_CONTEXT_STEEL);
  }
  EXPECT_EQ(Current(), KOVT_CONTEXT_REINFORCEMENT);
}

TEST_F(ContextTest, EachDrawingHasItsOwnStack) {
  KOVTContext barsInSecond(KOVT_CONTEXT_BARSHAPES, &second);
  {
    KOVTContext steel(KOVT_CONTEXT_STEEL, &first);
    EXPECT_EQ(Current(&first), KOVT_CONTEXT_STEEL);
    EXPECT_EQ(Current(&second), KOVT_CONTEXT_BARSHAPES);
    pndbHostApplicationServices()->setWorkingDatabase(&second);
    EXPECT_EQ(Current(), KOVT_CONTEXT_BARSHAPES);
  }
  EXPECT_EQ(Current(&first), KOVT_CONTEXT_REINFORCEMENT);
  EXPECT_EQ(Current(&second), KOVT_CONTEXT_BARSHAPES);
}

// A context made for no drawing keeps none: it asks, and leaves, whichever
// drawing is working at that moment.
TEST_F(ContextTest, AContextForNoDrawingFollowsTheWorkingDrawing) {
  KOVTContext barsInSecond(KOVT_CONTEXT_BARSHAPES, &second);
  {
    KOVTContext steel(KOVT_CONTEXT_STEEL);  // pushed on first
    pndbHostApplicationServices()->setWorkingDatabase(&second);
    EXPECT_EQ(steel.GetContext(), KOVT_CONTEXT_BARSHAPES);
  }  // pops second's stack
  EXPECT_EQ(Current(&second), KOVT_CONTEXT_REINFORCEMENT);
  EXPECT_EQ(Current(&first), KOVT_CONTEXT_STEEL);
}

TEST_F(ContextTest, ClearForgetsEveryStackAndLateLeavesPopNothing) {
  {
    KOVTContext steel(KOVT_CONTEXT_STEEL);
    KOVTContext::Clear();
    EXPECT_EQ(Current(), KOVT_CONTEXT_REINFORCEMENT);
  }
  EXPECT_EQ(Current(), KOVT_CONTEXT_REINFORCEMENT);
  pndbHostApplicationServices()->setWorkingDatabase(nullptr);
  KOVTContext noDrawing(KOVT_CONTEXT_COMMON);  // the fallback stack
  EXPECT_EQ(Current(), KOVT_CONTEXT_COMMON);
  EXPECT_EQ(Current(&first), KOVT_CONTEXT_REINFORCEMENT);
}

TEST_F(ContextTest, UnitContextFallsBackToTheWorkingDrawingsContext) {
  KOVTContext steel(KOVT_CONTEXT_STEEL);
  EXPECT_EQ(KovtUnitContext::GetContext(), KOVT_CONTEXT_STEEL);
  {
    KovtUnitContext formwork(KOVT_CONTEXT_FORMWORK);
    KovtUnitContext nothing;
    EXPECT_EQ(KovtUnitContext::GetContext(), KOVT_CONTEXT_FORMWORK);
    EXPECT_EQ(Current(), KOVT_CONTEXT_STEEL);
  }
  EXPECT_EQ(KovtUnitContext::GetContext(), KOVT_CONTEXT_STEEL);
}

}  // namespace
