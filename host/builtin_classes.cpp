// The system registry and the host's own runtime classes.
#include "host/builtin_classes.h"

#include "host/database.h"
#include "host/dictionary.h"
#include "host/symbol_tables.h"

namespace {

template <class T>
PnRxObject* construct() {
  return new T;
}

struct BuiltinClass {
  const wchar_t* name;
  const wchar_t* parent;
  PnRxPseudoConstructor constructor;
};

// Parents come before children so every parent link resolves at once.
const BuiltinClass kBuiltinClasses[] = {
    {L"PnRxObject", nullptr, nullptr},
    {L"PnRxClass", L"PnRxObject", nullptr},
    {L"PnRxDictionary", L"PnRxObject", nullptr},
    {L"PnRxService", L"PnRxObject", nullptr},
    {L"PnRxDynamicLinker", L"PnRxObject", nullptr},
    {L"PnDbDatabase", L"PnRxObject", nullptr},
    {L"PnDbObject", L"PnRxObject", nullptr},
    {L"PnDbProxyObject", L"PnDbObject", nullptr},
    {L"PnDbDictionary", L"PnDbObject", construct<PnDbDictionary>},
    {L"PnDbSymbolTable", L"PnDbObject", nullptr},
    {L"PnDbSymbolTableRecord", L"PnDbObject", nullptr},
    {L"PnDbLinetypeTable", L"PnDbSymbolTable", construct<PnDbLinetypeTable>},
    {L"PnDbTextStyleTable", L"PnDbSymbolTable", construct<PnDbTextStyleTable>},
    {L"PnDbDimStyleTable", L"PnDbSymbolTable", construct<PnDbDimStyleTable>},
    {L"PnDbLinetypeTableRecord", L"PnDbSymbolTableRecord", construct<PnDbLinetypeTableRecord>},
    {L"PnDbTextStyleTableRecord", L"PnDbSymbolTableRecord", construct<PnDbTextStyleTableRecord>},
    {L"PnDbDimStyleTableRecord", L"PnDbSymbolTableRecord", construct<PnDbDimStyleTableRecord>},
};

PnRxDictionary* buildSystemRegistry() {
  auto* registry = new PnRxDictionary;
  auto* classes = new PnRxDictionary;
  registry->atPut(L"ClassDictionary", classes);
  for (const BuiltinClass& c : kBuiltinClasses)
    pnrxNewClassIn(classes, c.name, c.parent, 0, 0, 0, c.constructor, nullptr, nullptr, nullptr);
  registry->atPut(L"ServiceDictionary", new PnRxDictionary);
  registry->atPut(L"DynamicLinker", new PnRxDynamicLinker);
  return registry;
}

}  // namespace

// Never destroyed: modules may still hold class pointers while the process exits.
PnRxDictionary* pnrxSysRegistry() {
  static PnRxDictionary* const registry = buildSystemRegistry();
  return registry;
}

PnRxDictionary* pnrxClassDictionary() {
  static PnRxDictionary* const classes =
      dynamic_cast<PnRxDictionary*>(pnrxSysRegistry()->at(L"ClassDictionary"));
  return classes;
}

PnRxDynamicLinker* pnrxDynamicLinker() {
  return dynamic_cast<PnRxDynamicLinker*>(pnrxSysRegistry()->at(L"DynamicLinker"));
}
