// A working drawing in the formwork context, and the linetypes and text
// styles its sets refer to.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "host/host.h"
#include "jobsettings/formwork_job_settings.h"
#include "tests/jobsettings/job_settings_fixture.h"

class FormworkSettingsTest : public JobSettingsFixture<KOVTFormworkJobSettings, KOVT_CONTEXT_FORMWORK> {
 protected:
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
};
