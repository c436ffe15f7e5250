#include "tools/registry_keepers.h"

#include <memory>
#include <ostream>
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

Described Of(const char* kind, const Value& value) { return {kind, Quoted(value), ToJson(value)}; }

}  // namespace

std::vector<KeeperPlace> FindKeepers(PnDbDatabase* database) {
  std::vector<KeeperPlace> found;
  KeeperSearch(found).Search(database->namedObjectsDictionaryId(), "", 0);
  return found;
}

Described Describe(const KoVTPrjReg::TValue& value) {
  using namespace KoVTPrjReg;
  if (auto* v = dynamic_cast<const TIntValue*>(&value)) return Of("int", v->GetValue());
  if (auto* v = dynamic_cast<const TFloatValue*>(&value)) return Of("double", v->GetValue());
  if (auto* v = dynamic_cast<const TStringValue*>(&value)) return Of("string", v->GetValue());
  if (auto* v = dynamic_cast<const TBinaryValue*>(&value)) {
    const std::uint8_t* data = v->GetData();
    return Of("binary", std::vector<std::uint8_t>(data, data + (data != nullptr ? v->GetDataSize() : 0)));
  }
  if (auto* v = dynamic_cast<const TObjIdValue*>(&value)) {
    if (v->GetValue().isNull()) return {"objectid", "null", JsonValue()};
    const std::string handle = Utf8(v->GetValue().handle().toString());
    return {"objectid", handle, handle};
  }
  if (auto* v = dynamic_cast<const THandleValue*>(&value)) {
    const std::string handle = Utf8(v->GetValue().toString());
    return {"handle", handle, handle};
  }
  return {"unknown", "?", JsonValue()};
}

JsonValue RegistryTreeJson(const KoVTPrjReg::TKeyMap& roots) {
  JsonValue tree = JsonValue::object();
  struct Frame {
    const KoVTPrjReg::TKey* key;
    JsonValue* target;
    int depth;
  };
  std::vector<Frame> stack;
  auto pushChildren = [&stack](const KoVTPrjReg::TKeyMap& keys, JsonValue& object, int depth) {
    // Every member is made before any is pointed at: the object must not grow afterwards.
    for (const auto& [name, key] : keys) object[Utf8(name)] = JsonValue::object();
    for (auto it = keys.rbegin(); it != keys.rend(); ++it)
      stack.push_back({it->second.get(), &object[Utf8(it->first)], depth});
  };
  pushChildren(roots, tree, 1);
  while (!stack.empty()) {
    Frame frame = stack.back();
    stack.pop_back();
    JsonValue values = JsonValue::object();
    for (const auto& [name, value] : frame.key->Values()) {
      const Described described = Describe(*value);
      values[Utf8(name)] = {{"kind", described.kind}, {"value", described.json}};
    }
    (*frame.target)["values"] = std::move(values);
    JsonValue& keys = (*frame.target)["keys"] = JsonValue::object();
    if (frame.depth >= kMaxKeyDepth) {
      if (frame.key->HasSubKeys()) (*frame.target)["truncated"] = true;
      continue;
    }
    pushChildren(frame.key->SubKeys(), keys, frame.depth + 1);
  }
  return tree;
}

void PrintRegistryTree(std::ostream& out, const KoVTPrjReg::TKeyMap& roots) {
  struct Frame {
    const KoVTPrjReg::TKey* key;
    std::string name;
    int depth;
  };
  std::vector<Frame> stack;
  for (auto it = roots.rbegin(); it != roots.rend(); ++it) stack.push_back({it->second.get(), Utf8(it->first), 1});
  while (!stack.empty()) {
    Frame frame = std::move(stack.back());
    stack.pop_back();
    const std::string indent(static_cast<std::size_t>(frame.depth) * 2, ' ');
    out << indent << '[' << frame.name << "]\n";
    for (const auto& [name, value] : frame.key->Values()) {
      const Described described = Describe(*value);
      out << indent << "  " << Utf8(name) << " (" << described.kind << ") = " << described.text << '\n';
    }
    if (frame.depth >= kMaxKeyDepth) {
      if (frame.key->HasSubKeys()) out << indent << "  (deeper keys not shown)\n";
      continue;
    }
    const auto& keys = frame.key->SubKeys();
    for (auto it = keys.rbegin(); it != keys.rend(); ++it)
      stack.push_back({it->second.get(), Utf8(it->first), frame.depth + 1});
  }
}
