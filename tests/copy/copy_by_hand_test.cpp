// Copies by hand: a visitor that decides for itself, and objects the caller holds open.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "copy/dict_copy_visitor.h"
#include "copy/dict_tree_copy.h"
#include "copy/style_copy.h"
#include "tests/copy/copy_fixture.h"

using namespace KovtCopyUtil;

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

// A sub-dictionary the visitor keeps out of, or that cannot be opened when it
// is looked at, is not descended into.
TEST_F(DictCopyVisitorTest, OverridesDecideTheCopyAndWhereToDescend) {
  for (const bool held : {false, true}) {
    RecordingVisitor visitor(source, Drawing(), true);
    (held ? visitor.held : visitor.skipped) = Child(source, L"Sub");
    visitor.Run();
    // Dictionary order (names without regard to case); "Other" is entered, "Sub" is not.
    EXPECT_EQ(visitor.visited, (std::vector<std::wstring>{L"dict", L"dict", L"source top", L"source o"}));
    ASSERT_EQ(visitor.destinations.size(), 4u);
    EXPECT_EQ(visitor.destinations[0], At(Drawing(), L"KOVT/S"));
    EXPECT_EQ(visitor.destinations[3], At(Drawing(), L"KOVT/S/Other"));
    EXPECT_EQ(NumEntries(At(Drawing(), L"KOVT/S")), 1u) << "only the counterparts were made";
  }
  ExpectAllClosed();
}

using DictionaryObjectCopy = CopyTest;

TEST_F(DictionaryObjectCopy, OpenFormsNeedOpenArgumentsAndWriteForTheCopy) {
  PnDbObjectId leaf = Leaf(Dict(Source()->namedObjectsDictionaryId(), L"S"), L"A", L"m");
  PnDbObjectId destinationId = Dict(Drawing()->namedObjectsDictionaryId(), L"S");
  PnDbObject* object = nullptr;
  ASSERT_EQ(pndbOpenObject(object, leaf, PnDb::kForRead), Plnx::eOk);
  PnDbDictionary* destination = nullptr;
  ASSERT_EQ(pndbOpenObject(destination, destinationId, PnDb::kForRead), Plnx::eOk);

  PnDbObject* clone = nullptr;
  KOVTString name = L"untouched";
  EXPECT_FALSE(CloneDictionaryObject(nullptr, destination, clone, name));
  EXPECT_FALSE(CloneDictionaryObject(object, nullptr, clone, name));
  EXPECT_EQ(name, KOVTString(L"untouched"));
  EXPECT_TRUE(CopyDictionaryObject(object, destination).isNull());
  EXPECT_EQ(destination->numEntries(), 0u);
  ASSERT_EQ(destination->upgradeOpen(), Plnx::eOk);
  EXPECT_FALSE(CopyDictionaryObject(object, destination).isNull());
  EXPECT_TRUE(destination->has(L"A"));
  destination->close();
  object->close();
  ExpectAllClosed();
}

// Dimension styles compare as the same when both are open, whatever their names.
TEST_F(DictionaryObjectCopy, OpenDimensionStylesCompare) {
  PnDbDimStyleTableRecord *a = nullptr, *b = nullptr;
  ASSERT_EQ(pndbOpenObject(a, AddDimStyle(Source(), L"Metric 1-50"), PnDb::kForRead), Plnx::eOk);
  ASSERT_EQ(pndbOpenObject(b, AddDimStyle(Drawing(), L"METRIC 1-50"), PnDb::kForRead), Plnx::eOk);
  EXPECT_TRUE(ComparePlnxDimStyles(false, a, b));
  EXPECT_FALSE(ComparePlnxDimStyles(false, a, nullptr));
  a->close();
  b->close();
  ExpectAllClosed();
}

}  // namespace
