// Two drawings for copy tests: the working drawing (the usual destination)
// and a second, source drawing.
#pragma once

#include <memory>

#include "tests/support/drawing_entries.h"
#include "tests/support/kovt_drawing.h"

class CopyTest : public KovtDrawingTest {
 protected:
  void SetUp() override {
    KovtDrawingTest::SetUp();
    m_source = std::make_unique<PnDbDatabase>();
  }
  void TearDown() override {
    m_source.reset();
    KovtDrawingTest::TearDown();
  }

  PnDbDatabase* Source() const { return m_source.get(); }
  // Both drawings have nothing open.
  void ExpectAllClosed() const {
    EXPECT_EQ(Drawing()->numOpenObjects(), 0u);
    EXPECT_EQ(Source()->numOpenObjects(), 0u);
  }

 private:
  std::unique_ptr<PnDbDatabase> m_source;
};
