// A fresh working drawing per test, with the dictionary classes registered
// and no application context entered, plus probes of the drawing's state.
#pragma once

#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>
#include <string>

#include "host/host.h"

// Registers the four dictionary classes unless they are registered already.
void RegisterDictionaryClasses();

// Objects of `db` left open (for read or write).
int OpenObjectCount(PnDbDatabase& db);

// The id at a path of entry names from the named-objects dictionary; the null
// id when a step is missing. Opens nothing.
PnDbObjectId EntryAt(PnDbDatabase& db, std::initializer_list<const wchar_t*> path);
// The runtime class name of the object, or "" when there is none.
std::wstring ClassNameOf(PnDbObjectId id);

class DrawingTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Every call under test must leave nothing open but what it returns.
  void ExpectNothingOpen() { EXPECT_EQ(OpenObjectCount(*db), 0); }

  std::unique_ptr<PnDbDatabase> db = std::make_unique<PnDbDatabase>();
};
