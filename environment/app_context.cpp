#include "environment/app_context.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "core/db_helpers.h"
#include "host/database.h"

namespace {

using ContextStack = std::vector<KOVTCONTEXT_TYPE>;

// Few drawings are open at a time, so a linear table is enough. A stack that
// empties is dropped, so a destroyed drawing leaves nothing behind for a new
// one that happens to get the same address.
struct ContextTable {
  std::vector<std::pair<const PnDbDatabase*, ContextStack>> perDatabase;
  // Used when there is no drawing at all.
  ContextStack fallback;
};

ContextTable& contextTable() {
  static ContextTable table;
  return table;
}

ContextStack& unitContextStack() {
  static ContextStack stack;
  return stack;
}

// The given drawing, else the working one; null when there is neither.
PnDbDatabase* resolve(PnDbDatabase* database) { return KoVTCoreAPI::DatabaseOrWorking(database); }

ContextStack* findStack(const PnDbDatabase* database) {
  ContextTable& table = contextTable();
  if (database == nullptr) return &table.fallback;
  for (auto& [owner, stack] : table.perDatabase)
    if (owner == database) return &stack;
  return nullptr;
}

ContextStack& stackFor(const PnDbDatabase* database) {
  if (ContextStack* stack = findStack(database)) return *stack;
  return contextTable().perDatabase.emplace_back(database, ContextStack{}).second;
}

void pop(const PnDbDatabase* database) {
  ContextStack* stack = findStack(database);
  if (stack == nullptr || stack->empty()) return;
  stack->pop_back();
  if (!stack->empty() || database == nullptr) return;
  auto& entries = contextTable().perDatabase;
  entries.erase(std::find_if(entries.begin(), entries.end(),
                             [database](const auto& entry) { return entry.first == database; }));
}

}  // namespace

KOVTContext::KOVTContext(KOVTCONTEXT_TYPE type, PnDbDatabase* database) : m_pushed(true), m_database(database) {
  stackFor(resolve(m_database)).push_back(type);
}

KOVTContext::KOVTContext(PnDbDatabase* database) : m_database(database) {}

KOVTContext::~KOVTContext() {
  if (m_pushed) pop(resolve(m_database));
}

KOVTCONTEXT_TYPE KOVTContext::GetContext() const {
  const ContextStack* stack = findStack(resolve(m_database));
  if (stack != nullptr && !stack->empty()) return stack->back();
  return pndbHostApplicationServices() != nullptr ? KOVT_CONTEXT_REINFORCEMENT : KOVT_CONTEXT_BARSHAPES;
}

void KOVTContext::Clear() {
  ContextTable& table = contextTable();
  table.perDatabase.clear();
  table.fallback.clear();
}

KovtUnitContext::KovtUnitContext(KOVTCONTEXT_TYPE type) : m_pushed(true) { unitContextStack().push_back(type); }

KovtUnitContext::~KovtUnitContext() {
  ContextStack& stack = unitContextStack();
  if (m_pushed && !stack.empty()) stack.pop_back();
}

KOVTCONTEXT_TYPE KovtUnitContext::GetContext() {
  const ContextStack& stack = unitContextStack();
  if (!stack.empty()) return stack.back();
  return KOVTContext().GetContext();
}
