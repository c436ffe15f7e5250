// registry: the whole project registry tree of a drawing, every keeper with
// its keys and values, as an indented tree or as JSON.
#include <iostream>
#include <memory>

#include "host/database.h"
#include "registry/registry_keeper.h"
#include "tools/commands.h"
#include "tools/drawing.h"
#include "tools/registry_keepers.h"
#include "tools/values.h"

namespace {

using KoVTPrjReg::TKey;
using KoVTPrjReg::TValue;

// Registry trees are walked with explicit stacks, since a hostile drawing may
// nest keys a million deep; output stops at this depth.
constexpr int kMaxKeyDepth = 64;

struct RegistryOptions {
  std::string file;
  bool json = false;
};

// A registry value as its kind, its text (as show writes values) and its JSON.
struct Described {
  const char* kind;
  std::string text;
  JsonValue json;
};

Described Of(const char* kind, const Value& value) { return {kind, Quoted(value), ToJson(value)}; }

Described Describe(const TValue& value) {
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

void PrintTree(const KoVTPrjReg::TKeyMap& roots) {
  struct Frame {
    const TKey* key;
    std::string name;
    int depth;
  };
  std::vector<Frame> stack;
  for (auto it = roots.rbegin(); it != roots.rend(); ++it) stack.push_back({it->second.get(), Utf8(it->first), 1});
  while (!stack.empty()) {
    Frame frame = std::move(stack.back());
    stack.pop_back();
    const std::string indent(static_cast<std::size_t>(frame.depth) * 2, ' ');
    std::cout << indent << '[' << frame.name << "]\n";
    for (const auto& [name, value] : frame.key->Values()) {
      const Described described = Describe(*value);
      std::cout << indent << "  " << Utf8(name) << " (" << described.kind << ") = " << described.text << '\n';
    }
    if (frame.depth >= kMaxKeyDepth) {
      if (frame.key->HasSubKeys()) std::cout << indent << "  (deeper keys not shown)\n";
      continue;
    }
    const auto& keys = frame.key->SubKeys();
    for (auto it = keys.rbegin(); it != keys.rend(); ++it)
      stack.push_back({it->second.get(), Utf8(it->first), frame.depth + 1});
  }
}

// {"values": {name: {"kind", "value"}}, "keys": {name: {...}}} for every key.
JsonValue TreeJson(const KoVTPrjReg::TKeyMap& roots) {
  JsonValue tree = JsonValue::object();
  struct Frame {
    const TKey* key;
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

int RunRegistry(const RegistryOptions& options) {
  std::unique_ptr<Drawing> drawing = Drawing::Open(options.file);
  JsonValue keepers = JsonValue::array();
  for (const KeeperPlace& place : FindKeepers(drawing->Database())) {
    KoVTPrjRegistryKeeper* keeper = nullptr;
    const bool readable = pndbOpenObject(keeper, place.keeper, PnDb::kForRead) == Plnx::eOk;
    if (options.json) {
      JsonValue entry = {{"location", place.location}};
      if (readable)
        entry["roots"] = TreeJson(keeper->RootKeys());
      else
        entry["error"] = "not a registry keeper this program can read";
      keepers.push_back(std::move(entry));
    } else {
      std::cout << place.location << '\n';
      if (readable)
        PrintTree(keeper->RootKeys());
      else
        std::cout << "  (not a registry keeper this program can read)\n";
    }
    if (readable) keeper->close();
  }
  if (options.json) std::cout << JsonValue{{"keepers", std::move(keepers)}}.dump(2) << '\n';
  return 0;
}

}  // namespace

void AddRegistryCommand(CLI::App& app, CommandList& commands) {
  auto options = std::make_shared<RegistryOptions>();
  CLI::App* command = app.add_subcommand(
      "registry",
      "Dump every project registry of a drawing: its dictionary path, then [keys] and 'name (kind) = value' lines");
  AddDrawingArgument(command, options->file, "file", "Drawing file");
  command->add_flag("--json", options->json, "Print the registries as JSON");
  commands.Add(command, [options] { return RunRegistry(*options); });
}
