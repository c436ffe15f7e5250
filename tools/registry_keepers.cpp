#include "tools/registry_keepers.h"

#include <memory>

#include "host/database.h"
#include "host/dictionary.h"
#include "platform/wide_string.h"
#include "registry/registry_keeper.h"

namespace {

// The application tree is a few levels deep; this is far beyond it.
constexpr int kMaxDictionaryDepth = 32;

void Search(PnDbObjectId dictionaryId, const std::string& location, int depth, std::vector<KeeperPlace>& found) {
  PnDbDictionary* dictionary = nullptr;
  if (depth > kMaxDictionaryDepth || pndbOpenObject(dictionary, dictionaryId, PnDb::kForRead) != Plnx::eOk) return;
  std::unique_ptr<PnDbDictionaryIterator> entries(dictionary->newIterator());
  dictionary->close();
  for (; !entries->done(); entries->next()) {
    const std::string name = WideToUtf8(entries->name());
    if (name == WideToUtf8(kRegistryKeeperEntry)) {
      found.push_back({location, entries->objectId()});
      continue;
    }
    PnDbDictionary* child = nullptr;
    if (pndbOpenObject(child, entries->objectId(), PnDb::kForRead) != Plnx::eOk) continue;
    child->close();
    Search(entries->objectId(), location.empty() ? name : location + "/" + name, depth + 1, found);
  }
}

}  // namespace

std::vector<KeeperPlace> FindKeepers(PnDbDatabase* database) {
  std::vector<KeeperPlace> found;
  Search(database->namedObjectsDictionaryId(), "", 0, found);
  return found;
}
