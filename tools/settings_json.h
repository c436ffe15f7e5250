// The JSON document of one settings set, as `show --json` prints it and
// `export` writes it, and as `import` reads it back:
//
//   {"format": "kovtset-set", "version": 1, "module": "steel", "set": "Standard",
//    "values": [{"key": "Version", "kind": "int", "value": 1}, ...]}
//
// Values come in stored order. An imported document may leave out "format",
// "version", "module", "set" and any entry's "kind", and may list only some
// keys.
#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "core/kovt_string.h"
#include "tools/module_table.h"
#include "tools/value_assignment.h"
#include "tools/values.h"

JsonValue SetDocument(const ModuleRow& module, const KOVTString& set,
                      const std::vector<std::pair<KOVTString, Value>>& values);

struct ImportedSet {
  std::optional<std::string> module;
  std::optional<std::string> set;
  std::vector<Assignment> assignments;
};

// Checks the document's shape (a CliError names the first fault): an object
// of this format and version, entries with a key, a value and a known kind,
// no key twice.
ImportedSet ReadSetDocument(const JsonValue& document);
