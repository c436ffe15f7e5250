// A working drawing with the module's persistent classes registered, as the
// module finds things inside the host, plus saving and reopening it.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "host/host.h"
#include "tests/platform/scratch.h"

class KovtDrawingTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  PnDbDatabase* Drawing() const { return m_drawing.get(); }
  // A fresh drawing that becomes the working one; the previous one is dropped.
  PnDbDatabase* NewDrawing();
  // Saves the working drawing and opens the file in a fresh database that
  // becomes the working one. Fails the test when either step fails.
  PnDbDatabase* SaveAndReopen();
  std::wstring ScratchFile(const char* name) const;

 private:
  ScratchDir m_scratch;
  std::vector<PnRxClass*> m_classes;
  std::unique_ptr<PnDbDatabase> m_drawing;
};
