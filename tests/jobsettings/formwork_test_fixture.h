// A working drawing in the formwork context, with direct access to the
// stored formwork sets for tests that plant or inspect raw values.
#pragma once

#include <initializer_list>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "dictionaries/typed_dicts.h"
#include "environment/app_context.h"
#include "host/host.h"
#include "jobsettings/formwork_job_settings.h"
#include "registry/registry_access.h"
#include "tests/support/kovt_drawing.h"

class FormworkSettingsTest : public KovtDrawingTest {
 protected:
  void SetUp() override {
    KovtDrawingTest::SetUp();
    EnterFormwork();
  }
  void TearDown() override {
    m_context.reset();
    KovtDrawingTest::TearDown();
  }

  // Contexts belong to one drawing: a reopened drawing enters its own.
  void EnterFormwork() {
    m_context.reset();
    m_context.emplace(KOVT_CONTEXT_FORMWORK, Drawing());
  }
  void ReopenInFormwork() {
    m_context.reset();
    SaveAndReopen();
    EnterFormwork();
  }

  // Runs edit(registry) with the stored set `name` of the working drawing as
  // the current key.
  template <class Edit>
  void EditSet(Edit edit, const wchar_t* name = L"Standard") const {
    PnDbDictionary* settings =
        KOVTGetDict(PnDbDictionary::desc(), DDT_ProjectSettings, PnDb::kForWrite, DDI_Application);
    ASSERT_NE(settings, nullptr);
    {
      KoVTPrjReg::TRegistry registry(settings);
      if (registry.OpenKey(KOVTJobSettings::SetPath(name), false))
        edit(registry);
      else
        ADD_FAILURE() << "no stored set";
    }
    settings->close();
  }

  // A stored default set from which `names` are removed, as an older version
  // that did not know them would have written it.
  void StoreSetWithout(std::initializer_list<const wchar_t*> names) {
    { KOVTFormworkJobSettings created; }
    EditSet([&](KoVTPrjReg::TRegistry& registry) {
      for (const wchar_t* name : names) EXPECT_TRUE(registry.GetCurrentKey()->ValueExists(name)) << name;
      for (const wchar_t* name : names) registry.DeleteValue(name);
    });
  }

  static PnDbObjectId AddLinetype(PnDbDatabase* database, const wchar_t* name, std::vector<double> dashes = {}) {
    auto* record = new PnDbLinetypeTableRecord;
    record->setName(name);
    record->setDashes(std::move(dashes));
    return AddRecord<PnDbLinetypeTable>(database, record);
  }
  static PnDbObjectId AddTextStyle(PnDbDatabase* database, const wchar_t* name, bool shapeFile) {
    auto* record = new PnDbTextStyleTableRecord;
    record->setName(name);
    record->setIsShapeFile(shapeFile);
    return AddRecord<PnDbTextStyleTable>(database, record);
  }
  // The name of a record of `database`, or what keeps `id` from being one.
  static std::wstring NameIn(PnDbDatabase* database, PnDbObjectId id) {
    if (id.isNull()) return L"<null>";
    if (id.database() != database) return L"<foreign>";
    PnDbSymbolTableRecord* record = nullptr;
    if (pndbOpenObject(record, id, PnDb::kForRead) != Plnx::eOk) return L"<unreadable>";
    std::wstring name = record->name();
    record->close();
    return name;
  }

 private:
  template <class Table>
  static PnDbObjectId AddRecord(PnDbDatabase* database, typename Table::RecordType* record) {
    Table* table = nullptr;
    EXPECT_EQ(database->getSymbolTable(table, PnDb::kForWrite), Plnx::eOk);
    PnDbObjectId id;
    EXPECT_EQ(table->add(id, record), Plnx::eOk);
    record->close();
    table->close();
    return id;
  }

  std::optional<KOVTContext> m_context;
};
