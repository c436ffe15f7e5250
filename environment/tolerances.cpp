#include "environment/tolerances.h"

#include <memory>
#include <utility>
#include <vector>

#include "core/db_helpers.h"
#include "host/database.h"

namespace {

struct EpsilonTable {
  // Pairs are held by pointer so references survive the table growing.
  std::vector<std::pair<const PnDbDatabase*, std::unique_ptr<KovtEpsilonPair>>> perDatabase;
  // Callers ask for the same drawing many times in a row.
  std::size_t lastFound = 0;
  KovtEpsilonPair withoutDatabase;
};

EpsilonTable& Table() {
  static EpsilonTable table;
  return table;
}

}  // namespace

KovtEpsilonPair& KovtEpsilonsOf(PnDbDatabase* database) {
  database = KoVTCoreAPI::DatabaseOrWorking(database);
  EpsilonTable& table = Table();
  if (database == nullptr) return table.withoutDatabase;
  auto& entries = table.perDatabase;
  if (table.lastFound < entries.size() && entries[table.lastFound].first == database)
    return *entries[table.lastFound].second;
  for (std::size_t i = 0; i < entries.size(); ++i) {
    if (entries[i].first != database) continue;
    table.lastFound = i;
    return *entries[i].second;
  }
  entries.emplace_back(database, std::make_unique<KovtEpsilonPair>());
  table.lastFound = entries.size() - 1;
  return *entries.back().second;
}

KovtEpsilon& KOVT_EPSILON() { return KovtEpsilonsOf(nullptr).Common; }

KovrEpsilon& KOVR_EPSILON() { return KovtEpsilonsOf(nullptr).Reinforcement; }

void KovtForgetEpsilons(const PnDbDatabase* database) {
  auto& entries = Table().perDatabase;
  std::erase_if(entries, [database](const auto& entry) { return entry.first == database; });
}
