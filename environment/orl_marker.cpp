#include "environment/orl_marker.h"

#include "core/db_helpers.h"
#include "host/database.h"

namespace ORL_Tools {

namespace {

KovtIMarkerCreator* g_markerCreator = nullptr;

using KoVTCoreAPI::DatabaseOrWorking;

}  // namespace

bool IsOrlMarker(PnDbDatabase* database) {
  database = DatabaseOrWorking(database);
  PnDbDictionary* named = nullptr;
  if (database == nullptr || database->getNamedObjectsDictionary(named, PnDb::kForRead) != Plnx::eOk) return false;
  const bool marked = named->has(kOrlMarkerName);
  named->close();
  return marked;
}

bool InitOrlMarker(PnDbDatabase* database) {
  database = DatabaseOrWorking(database);
  if (database == nullptr) return false;
  if (IsOrlMarker(database)) return true;
  return g_markerCreator != nullptr && g_markerCreator->CreateMarker(database, kOrlMarkerName);
}

void DeleteOrlMarker(PnDbDatabase* database) {
  database = DatabaseOrWorking(database);
  PnDbDictionary* named = nullptr;
  if (database == nullptr || database->getNamedObjectsDictionary(named, PnDb::kForWrite) != Plnx::eOk) return;
  PnDbObjectId marker;
  const bool removed = named->remove(kOrlMarkerName, marker) == Plnx::eOk;
  named->close();
  // A detached marker would otherwise stay in the drawing without an owner.
  PnDbObject* object = nullptr;
  if (removed && pndbOpenObject(object, marker, PnDb::kForWrite) == Plnx::eOk) {
    object->erase();
    object->close();
  }
}

void RegisterMarkerCreator(KovtIMarkerCreator* creator) { g_markerCreator = creator; }

}  // namespace ORL_Tools
