// Finding the project registries of a drawing: every registry keeper below
// the named-objects dictionary, with the dictionary path it sits at; and
// describing their keys and values as the registry command shows them.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

#include "host/ids.h"
#include "registry/registry_key.h"
#include "tools/values.h"

class PnDbDatabase;

struct KeeperPlace {
  // Entry names from the named-objects dictionary down to the keeper's
  // dictionary, joined with '/' ("KOVT/KOVS/ProjectSettings").
  std::string location;
  PnDbObjectId keeper;
};

// In dictionary order, depth first. Dictionaries nested deeper than a sane
// tree (a hostile drawing) are not searched, and one listed more than once is
// searched at its first place only.
std::vector<KeeperPlace> FindKeepers(PnDbDatabase* database);

// Registry trees are walked with explicit stacks, since a hostile drawing may
// nest keys a million deep; output stops at this depth.
inline constexpr int kMaxKeyDepth = 64;

// A registry value as its kind, its text (as show writes values) and its JSON.
struct Described {
  const char* kind;
  std::string text;
  JsonValue json;
};
Described Describe(const KoVTPrjReg::TValue& value);

// {"values": {name: {"kind", "value"}}, "keys": {name: {...}}} for every key
// down to kMaxKeyDepth; a key with deeper keys gets "truncated": true.
JsonValue RegistryTreeJson(const KoVTPrjReg::TKeyMap& roots);

// The same tree as indented text: "[key]" lines, then "name (kind) = value"
// lines, and "(deeper keys not shown)" under a key cut at kMaxKeyDepth.
void PrintRegistryTree(std::ostream& out, const KoVTPrjReg::TKeyMap& roots);
