// Two drawings for copy tests: the working drawing (the usual destination)
// and a second, source drawing.
#pragma once

#include <memory>

#include "tests/support/drawing_entries.h"
#include "tests/support/kovt_drawing.h"

class CopyTest : public KovtDrawingTest {
 protected:
  void SetUp() override;
  void TearDown() override;

  PnDbDatabase* Source() const { return m_source.get(); }
  // Both drawings have nothing open.
  void ExpectAllClosed() const;

 private:
  std::unique_ptr<PnDbDatabase> m_source;
};
