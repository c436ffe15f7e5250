// One module's job-settings objects, one per drawing database, in the order
// they were made. Lookups take the first entry of a database.
//
// Callers hold the objects as plain pointers, so an object dropped from the
// cache is never destroyed while the process runs: it is retired, kept alive
// but no longer found.
#pragma once

#include <algorithm>
#include <memory>
#include <utility>
#include <vector>

class PnDbDatabase;

template <class Settings>
class KovtJobSetCache {
 public:
  Settings* Find(const PnDbDatabase* database) const {
    auto it = std::find_if(m_entries.begin(), m_entries.end(),
                           [database](const Entry& entry) { return entry.first == database; });
    return it != m_entries.end() ? it->second.get() : nullptr;
  }

  Settings* Add(PnDbDatabase* database, std::unique_ptr<Settings> settings) {
    m_entries.emplace_back(database, std::move(settings));
    return m_entries.back().second.get();
  }

  // Every entry of the database, keeping the order of the others.
  void Remove(const PnDbDatabase* database) {
    auto kept = std::stable_partition(m_entries.begin(), m_entries.end(),
                                      [database](const Entry& entry) { return entry.first != database; });
    Retire(kept, m_entries.end());
  }

  void Clear() { Retire(m_entries.begin(), m_entries.end()); }

 private:
  using Entry = std::pair<PnDbDatabase*, std::unique_ptr<Settings>>;

  void Retire(typename std::vector<Entry>::iterator first, typename std::vector<Entry>::iterator last) {
    for (auto it = first; it != last; ++it) m_retired.push_back(std::move(it->second));
    m_entries.erase(first, last);
  }

  std::vector<Entry> m_entries;
  std::vector<std::unique_ptr<Settings>> m_retired;
};
