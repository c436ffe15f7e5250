#include "core/db_helpers.h"

#include <string>
#include <vector>

namespace {

KovtDoubleDbScope* g_innermostScope = nullptr;

struct LinetypeKey {
  std::wstring name;
  std::vector<double> dashes;
};

bool readLinetype(PnDbObjectId id, LinetypeKey& key) {
  PnDbLinetypeTableRecord* record = nullptr;
  if (pndbOpenObject(record, id, PnDb::kForRead) != Plnx::eOk) return false;
  key.name = record->name();
  key.dashes = record->dashes();
  record->close();
  return true;
}

}  // namespace

namespace KoVTCoreAPI {

PnDbDatabase* WorkingDatabase() {
  PnDbHostApplicationServices* services = pndbHostApplicationServices();
  return services != nullptr ? services->workingDatabase() : nullptr;
}

PnDbDatabase* DatabaseOrWorking(PnDbDatabase* database) {
  return database != nullptr ? database : WorkingDatabase();
}

Plnx::ErrorStatus GetEqualLinetypeId(PnDbDatabase* database, PnDbObjectId linetypeId,
                                     PnDbDatabase* otherDatabase, PnDbObjectId& foundId) {
  database = DatabaseOrWorking(database);
  otherDatabase = DatabaseOrWorking(otherDatabase);
  if (database == nullptr || otherDatabase == nullptr || linetypeId.database() != database) {
    return Plnx::eInvalidInput;
  }
  LinetypeKey wanted;
  if (!readLinetype(linetypeId, wanted)) return Plnx::eWrongObjectType;

  PnDbLinetypeTable* table = nullptr;
  Plnx::ErrorStatus es = otherDatabase->getSymbolTable(table, PnDb::kForRead);
  if (es != Plnx::eOk) return es;
  PnDbObjectId byName;
  if (table->getAt(wanted.name.c_str(), byName) == Plnx::eOk) {
    table->close();
    foundId = byName;
    return Plnx::eOk;
  }
  PnDbSymbolTableIterator* iterator = nullptr;
  es = table->newIterator(iterator);
  table->close();
  if (es != Plnx::eOk) return es;
  es = Plnx::eKeyNotFound;
  for (iterator->start(); !iterator->done(); iterator->step()) {
    PnDbObjectId candidateId;
    LinetypeKey candidate;
    if (iterator->getRecordId(candidateId) == Plnx::eOk && readLinetype(candidateId, candidate) &&
        !candidate.dashes.empty() && candidate.dashes == wanted.dashes) {
      foundId = candidateId;
      es = Plnx::eOk;
      break;
    }
  }
  delete iterator;
  return es;
}

}  // namespace KoVTCoreAPI

KovtDoubleDbScope::KovtDoubleDbScope(PnDbDatabase* source, PnDbDatabase* target)
    : m_source(source), m_target(target), m_outer(g_innermostScope) {
  g_innermostScope = this;
}

KovtDoubleDbScope::~KovtDoubleDbScope() { g_innermostScope = m_outer; }

bool KovtDoubleDbScope::getStat(PnDbDatabase*& source, PnDbDatabase*& target) {
  if (g_innermostScope == nullptr) {
    source = target = nullptr;
    return false;
  }
  source = g_innermostScope->m_source;
  target = g_innermostScope->m_target;
  return true;
}
