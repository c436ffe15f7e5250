// Formwork settings read inside a copy between two drawings: their outline,
// section and storey linetypes move over to the target drawing's equal ones.
#include <gtest/gtest.h>

#include <memory>

#include "copy/linetype_copy.h"
#include "core/db_helpers.h"
#include "host/host.h"
#include "tests/jobsettings/formwork_test_fixture.h"

namespace {

// Every linetype the translation moves, and those it leaves alone.
struct Linetypes {
  static std::vector<PnDbObjectId*> Translated(KOVTFormworkJobSettings& s) {
    return {&s.Found.Out.VisibLineStylId, &s.Found.Out.BlankLineStylId, &s.Stor.Out.VisibLineStylId,
            &s.Stor.Out.BlankLineStylId,  &s.Sect.Out.VisibLineStylId,  &s.Sect.Out.BlankLineStylId,
            &s.Elev.Out.VisibLineStylId,  &s.Elev.Out.BlankLineStylId,  &s.View.Out.VisibLineStylId,
            &s.Found.Sect.EdgeLineStylId, &s.Stor.Sect.EdgeLineStylId,  &s.Sect.Sect.EdgeLineStylId,
            &s.Stor.StylId};
  }
  static std::vector<PnDbObjectId*> Kept(KOVTFormworkJobSettings& s) {
    return {&s.View.Out.BlankLineStylId, &s.Sect.Ending.EndingLineStyleId, &s.Detail.Ending.EndingLineStyleId,
            &s.Found.Out.VisibOutlineMode_ByElementType.vOutlineStyle[0].LineStylId};
  }
};

class FormworkCopy : public FormworkSettingsTest {
 protected:
  // The working drawing is the source; its set uses `linetype` everywhere.
  void StoreSourceSet(PnDbObjectId linetype) {
    KOVTFormworkJobSettings settings;
    for (PnDbObjectId* id : Linetypes::Translated(settings)) *id = linetype;
    for (PnDbObjectId* id : Linetypes::Kept(settings)) *id = linetype;
    settings.Save();
  }
};

TEST_F(FormworkCopy, ReadingInsideACopyMovesThirteenLinetypesToTheTarget) {
  PnDbDatabase target;
  const PnDbObjectId dashed = AddLinetype(Drawing(), L"DASHED", {5.0, -2.0});
  const PnDbObjectId hidden = AddLinetype(Drawing(), L"HIDDEN", {2.0, -2.0});
  const PnDbObjectId center = AddLinetype(Drawing(), L"CENTER", {8.0, -1.0, 1.0, -1.0});
  AddLinetype(&target, L"dashed", {1.0});         // same name, other pattern
  AddLinetype(&target, L"SHORTDASH", {2.0, -2.0});  // same pattern, other name
  struct Case {
    PnDbObjectId source;
    const wchar_t* expected;
  };
  for (const Case& c : {Case{dashed, L"dashed"}, Case{hidden, L"SHORTDASH"}, Case{center, L"<foreign>"}}) {
    StoreSourceSet(c.source);
    KOVTFormworkJobSettings read;
    {
      KovtDoubleDbScope copy(Drawing(), &target);
      ASSERT_TRUE(read.ReadJobSettings(L"Standard", nullptr, KoVTPrjReg::kReadWrite));
    }
    for (PnDbObjectId* id : Linetypes::Translated(read)) EXPECT_EQ(NameIn(&target, *id), c.expected);
    for (PnDbObjectId* id : Linetypes::Kept(read)) EXPECT_EQ(*id, c.source);
  }
  EXPECT_EQ(Drawing()->numOpenObjects(), 0u);
  EXPECT_EQ(target.numOpenObjects(), 0u);
}

TEST_F(FormworkCopy, NothingMovesOutsideACopyOrWithinOneDrawing) {
  PnDbDatabase target;
  const PnDbObjectId dashed = AddLinetype(Drawing(), L"DASHED", {5.0, -2.0});
  AddLinetype(&target, L"DASHED", {5.0, -2.0});
  StoreSourceSet(dashed);
  KOVTFormworkJobSettings outside;
  {
    KovtDoubleDbScope copy(Drawing(), Drawing());
    KOVTFormworkJobSettings withinOne;
    EXPECT_EQ(withinOne.Stor.StylId, dashed);
  }
  EXPECT_EQ(outside.Stor.StylId, dashed);
  EXPECT_EQ(outside.Found.Sect.EdgeLineStylId, dashed);
}

// The whole road: a set copied from one drawing file into another that lacks
// its linetypes, which are copied first and then found by the translation.
TEST_F(FormworkCopy, ASetCopiedBetweenDrawingFilesUsesTheTargetsLinetypes) {
  const std::wstring sourceFile = ScratchFile("source.pndwg");
  const std::wstring targetFile = ScratchFile("target.pndwg");
  {
    const PnDbObjectId dashed = AddLinetype(Drawing(), L"DASHED", {5.0, -2.0});
    const PnDbObjectId hidden = AddLinetype(Drawing(), L"HIDDEN", {2.0, -2.0});
    KOVTFormworkJobSettings settings;
    settings.Found.Out.VisibLineStylId = dashed;
    settings.Elev.Out.BlankLineStylId = hidden;
    settings.Sect.Sect.EdgeLineStylId = dashed;
    settings.Stor.StylId = hidden;
    settings.View.Out.BlankLineStylId = hidden;
    settings.Units.Length = L"cm";
    settings.Save();
    ASSERT_EQ(Drawing()->saveAs(sourceFile.c_str()), Plnx::eOk);
    PnDbDatabase target;
    ASSERT_EQ(target.saveAs(targetFile.c_str()), Plnx::eOk);
  }
  auto source = std::make_unique<PnDbDatabase>(false);
  auto target = std::make_unique<PnDbDatabase>(false);
  ASSERT_EQ(source->readDwgFile(sourceFile.c_str()), Plnx::eOk);
  ASSERT_EQ(target->readDwgFile(targetFile.c_str()), Plnx::eOk);
  PnDbHostApplicationServices* host = pndbHostApplicationServices();

  std::unique_ptr<KOVTFormworkJobSettings> copied;
  {
    host->setWorkingDatabase(source.get());
    KOVTContext formwork(KOVT_CONTEXT_FORMWORK, source.get());
    PnDbLinetypeTable* table = nullptr;
    ASSERT_EQ(source->getSymbolTable(table, PnDb::kForRead), Plnx::eOk);
    PnDbObjectIdArray used(2);
    table->getAt(L"DASHED", used[0]);
    table->getAt(L"HIDDEN", used[1]);
    table->close();
    KovtCopyUtil::IdPairList copies;
    ASSERT_TRUE(KovtCopyUtil::CopyPlnxLineType(source.get(), target.get(), used, copies));

    PnDbDictionary* dict =
        KOVTGetDict(PnDbDictionary::desc(), DDT_ProjectSettings, PnDb::kForWrite, DDI_Application, source.get());
    ASSERT_NE(dict, nullptr);
    KovtDoubleDbScope copy(source.get(), target.get());
    copied = std::make_unique<KOVTFormworkJobSettings>(dict);
    dict->close();
  }
  {
    host->setWorkingDatabase(target.get());
    KOVTContext formwork(KOVT_CONTEXT_FORMWORK, target.get());
    copied->WriteJobSettings(L"Standard", nullptr);
    EXPECT_EQ(target->numOpenObjects(), 0u);
    ASSERT_EQ(target->saveAs(targetFile.c_str()), Plnx::eOk);
  }
  host->setWorkingDatabase(Drawing());
  copied.reset();
  source.reset();
  target = std::make_unique<PnDbDatabase>(false);
  ASSERT_EQ(target->readDwgFile(targetFile.c_str()), Plnx::eOk);
  host->setWorkingDatabase(target.get());
  {
    KOVTContext formwork(KOVT_CONTEXT_FORMWORK, target.get());
    ASSERT_TRUE(KOVTJobSettings::IsInitialized(target.get()));
    KOVTFormworkJobSettings reopened;
    EXPECT_EQ(NameIn(target.get(), reopened.Found.Out.VisibLineStylId), L"DASHED");
    EXPECT_EQ(NameIn(target.get(), reopened.Elev.Out.BlankLineStylId), L"HIDDEN");
    EXPECT_EQ(NameIn(target.get(), reopened.Sect.Sect.EdgeLineStylId), L"DASHED");
    EXPECT_EQ(NameIn(target.get(), reopened.Stor.StylId), L"HIDDEN");
    // Left as read, a reference into the source cannot survive the target's save.
    EXPECT_EQ(NameIn(target.get(), reopened.View.Out.BlankLineStylId), L"<null>");
    EXPECT_EQ(reopened.Units.Length, L"cm");
  }
  host->setWorkingDatabase(Drawing());
}

}  // namespace
