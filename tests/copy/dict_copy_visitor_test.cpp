#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "copy/dict_copy_visitor.h"
#include "tests/copy/copy_fixture.h"

using KovtCopyUtil::DictCopyVisitor;

namespace {

class DictCopyVisitorTest : public CopyTest {
 protected:
  // Source "KOVT/S": a leaf and two levels of sub-dictionaries.
  void SetUp() override {
    CopyTest::SetUp();
    source = Dict(Dict(Source()->namedObjectsDictionaryId(), L"KOVT"), L"S");
    Leaf(source, L"Top", L"source top");
    PnDbObjectId sub = Dict(source, L"Sub");
    Leaf(sub, L"Inner", L"source inner");
    Leaf(Dict(sub, L"Deeper"), L"Deepest", L"source deepest");
    Leaf(Dict(source, L"Other"), L"O", L"source o");
  }

  PnDbObjectId source;
};

TEST_F(DictCopyVisitorTest, NonRecursiveCopiesTheFirstLevelOnly) {
  DictCopyVisitor(source, Drawing(), false).Run();
  EXPECT_EQ(Marker(At(Drawing(), L"KOVT/S/Top")), L"source top");
  ASSERT_FALSE(At(Drawing(), L"KOVT/S/Sub").isNull());
  EXPECT_EQ(NumEntries(At(Drawing(), L"KOVT/S/Sub")), 0u);
  ExpectAllClosed();
}

TEST_F(DictCopyVisitorTest, RecursiveReplacesEntriesOfTheSameNameAndFillsEverySubDictionary) {
  PnDbObjectId destination = Dict(Dict(Drawing()->namedObjectsDictionaryId(), L"KOVT"), L"S");
  Leaf(destination, L"TOP", L"own top");
  Leaf(destination, L"Kept", L"own kept");
  Leaf(Dict(destination, L"Sub"), L"OwnInner", L"own inner");

  DictCopyVisitor(source, Drawing(), true).Run();

  EXPECT_EQ(Marker(Child(destination, L"Top")), L"source top");
  EXPECT_EQ(Marker(Child(destination, L"Kept")), L"own kept");
  // The sub-dictionary was replaced as a whole before it was filled.
  EXPECT_TRUE(At(Drawing(), L"KOVT/S/Sub/OwnInner").isNull());
  EXPECT_EQ(Marker(At(Drawing(), L"KOVT/S/Sub/Inner")), L"source inner");
  EXPECT_EQ(Marker(At(Drawing(), L"KOVT/S/Sub/Deeper/Deepest")), L"source deepest");
  EXPECT_EQ(Marker(At(Drawing(), L"KOVT/S/Other/O")), L"source o");
  ExpectAllClosed();
}

// Copies nothing but records the calls, and keeps out of `skipped`. It keeps
// `held` open for write from its own visit to the next call, as another
// user might while the copy looks at it.
class RecordingVisitor : public DictCopyVisitor {
 public:
  using DictCopyVisitor::DictCopyVisitor;
  ~RecordingVisitor() override { Release(); }
  std::vector<std::wstring> visited;
  PnDbObjectId skipped, held;
  PnDbObjectIdArray destinations;

 protected:
  PnDbObjectId CopyObject(PnDbObjectId& newId, PnDbObjectId destinationDictionaryId,
                          PnDbObjectId sourceEntryId, bool& descend) override {
    Release();
    std::wstring marker = ::Marker(sourceEntryId);
    visited.push_back(marker.empty() ? L"dict" : marker);
    destinations.push_back(destinationDictionaryId);
    if (sourceEntryId == skipped) descend = false;
    if (sourceEntryId == held) pndbOpenObject(m_held, held, PnDb::kForWrite);
    newId = PnDbObjectId();
    return newId;
  }

 private:
  void Release() {
    if (m_held != nullptr) m_held->close();
    m_held = nullptr;
  }
  PnDbObject* m_held = nullptr;
};

TEST_F(DictCopyVisitorTest, OverridesDecideTheCopyAndWhereToDescend) {
  RecordingVisitor visitor(source, Drawing(), true);
  visitor.skipped = Child(source, L"Sub");
  visitor.Run();
  // Dictionary order (names without regard to case); "Other" is entered, "Sub" is not.
  EXPECT_EQ(visitor.visited, (std::vector<std::wstring>{L"dict", L"dict", L"source top", L"source o"}));
  ASSERT_EQ(visitor.destinations.size(), 4u);
  EXPECT_EQ(visitor.destinations[0], At(Drawing(), L"KOVT/S"));
  EXPECT_EQ(visitor.destinations[3], At(Drawing(), L"KOVT/S/Other"));
  EXPECT_EQ(NumEntries(At(Drawing(), L"KOVT/S")), 1u) << "only the counterparts were made";

  const std::size_t before = Drawing()->numObjects();
  DictCopyVisitor(Child(source, L"Top"), Drawing(), true).Run();
  DictCopyVisitor(PnDbObjectId(), Drawing(), true).Run();
  DictCopyVisitor(source, nullptr, true).Run();
  EXPECT_EQ(Drawing()->numObjects(), before) << "a source that is no dictionary copies nothing";
  ExpectAllClosed();
}

// A sub-dictionary that cannot be opened when it is looked at is not descended into.
TEST_F(DictCopyVisitorTest, AnEntryThatCannotBeOpenedIsNotEntered) {
  RecordingVisitor visitor(source, Drawing(), true);
  visitor.held = Child(source, L"Sub");
  visitor.Run();
  EXPECT_EQ(visitor.visited, (std::vector<std::wstring>{L"dict", L"dict", L"source top", L"source o"}));
  ExpectAllClosed();
}

}  // namespace
