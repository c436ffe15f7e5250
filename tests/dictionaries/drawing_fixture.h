// A fresh working drawing per test, with the dictionary classes registered
// and no application context entered, plus probes that open nothing.
#pragma once

#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>
#include <string>

#include "host/host.h"

void RegisterDictionaryClasses();
// Objects of `db` left open for read or write.
int OpenObjectCount(PnDbDatabase& db);
// The id at a path of entry names below the named-objects dictionary; null when a step is missing.
PnDbObjectId EntryAt(PnDbDatabase& db, std::initializer_list<const wchar_t*> path);
// The runtime class name of the object, "" when there is none.
std::wstring ClassNameOf(PnDbObjectId id);

class DrawingTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;
  // Every call must leave nothing open but what it hands back.
  void ExpectNothingOpen() { EXPECT_EQ(OpenObjectCount(*db), 0); }
  PnDbDictionary* NamedObjects(PnDb::OpenMode mode);

  std::unique_ptr<PnDbDatabase> db = std::make_unique<PnDbDatabase>();
};
