// A working drawing with the module's persistent classes registered, as the
// module finds things inside the host, plus saving and reopening it, and
// probes that open nothing.
#pragma once

#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

#include "host/host.h"
#include "tests/platform/scratch.h"

// Objects of `db` left open for read or write.
int OpenObjectCount(PnDbDatabase& db);
// The id at a path of entry names below the named-objects dictionary; null when a step is missing.
PnDbObjectId EntryAt(PnDbDatabase& db, std::initializer_list<const wchar_t*> path);
// The runtime class name of the object, "" when there is none.
std::wstring ClassNameOf(PnDbObjectId id);

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
  // Every call must leave nothing open but what it hands back.
  void ExpectNothingOpen() { EXPECT_EQ(OpenObjectCount(*Drawing()), 0); }
  PnDbDictionary* NamedObjects(PnDb::OpenMode mode);

 private:
  ScratchDir m_scratch;
  std::vector<PnRxClass*> m_classes;
  std::unique_ptr<PnDbDatabase> m_drawing;
};
