#include "tools/registry_keepers.h"

#include <memory>
#include <set>

#include "host/database.h"
#include "host/dictionary.h"
#include "platform/wide_string.h"
#include "registry/registry_keeper.h"

namespace {

// The application tree is a few levels deep; this is far beyond it.
constexpr int kMaxDictionaryDepth = 32;

class KeeperSearch {
 public:
  explicit KeeperSearch(std::vector<KeeperPlace>& found) : m_found(found) {}

  // A hostile drawing may list a dictionary under several names, or under
  // itself: each is searched once, so the work stays linear in the drawing.
  void Search(PnDbObjectId dictionaryId, const std::string& location, int depth) {
    PnDbDictionary* dictionary = nullptr;
    if (depth > kMaxDictionaryDepth || !m_visited.insert(dictionaryId).second ||
        pndbOpenObject(dictionary, dictionaryId, PnDb::kForRead) != Plnx::eOk)
      return;
    std::unique_ptr<PnDbDictionaryIterator> entries(dictionary->newIterator());
    dictionary->close();
    for (; !entries->done(); entries->next()) {
      const std::string name = WideToUtf8(entries->name());
      if (name == m_keeperEntry) {
        m_found.push_back({location, entries->objectId()});
        continue;
      }
      PnDbDictionary* child = nullptr;
      if (pndbOpenObject(child, entries->objectId(), PnDb::kForRead) != Plnx::eOk) continue;
      child->close();
      Search(entries->objectId(), location.empty() ? name : location + "/" + name, depth + 1);
    }
  }

 private:
  const std::string m_keeperEntry = WideToUtf8(kRegistryKeeperEntry);
  std::vector<KeeperPlace>& m_found;
  std::set<PnDbObjectId> m_visited;
};

}  // namespace

std::vector<KeeperPlace> FindKeepers(PnDbDatabase* database) {
  std::vector<KeeperPlace> found;
  KeeperSearch(found).Search(database->namedObjectsDictionaryId(), "", 0);
  return found;
}
