#include "tests/copy/copy_fixture.h"

void CopyTest::SetUp() {
  KovtDrawingTest::SetUp();
  m_source = std::make_unique<PnDbDatabase>();
}

void CopyTest::TearDown() {
  m_source.reset();
  KovtDrawingTest::TearDown();
}

void CopyTest::ExpectAllClosed() const {
  EXPECT_EQ(Drawing()->numOpenObjects(), 0u);
  EXPECT_EQ(Source()->numOpenObjects(), 0u);
}
