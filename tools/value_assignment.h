// Changing keys of a stored set, as `set` and `import` do.
//
// The values are stored the way the module stores them and the set is then
// read back through the module's own reader, so its kinds, list sizes and
// read repairs all apply: a list grows or shrinks by its count key (entries
// of a longer list become keys once the count is given), and a value the
// module does not keep as given is refused.
#pragma once

#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "core/kovt_string.h"
#include "tools/module_settings.h"
#include "tools/values.h"

struct Assignment {
  KOVTString key;
  // Text from the command line, or a value of an imported document.
  std::variant<std::string, JsonValue> given;
  // The kind a document states for the key, checked against the key's own.
  std::optional<Kind> declared;
};

// Gives set `set` (which must exist) the values and stores it. Throws a
// CliError on the first unknown key, wrong kind, bad value or refused value;
// the drawing in memory may then be half changed, so the caller must not
// save it.
void AssignValues(ModuleSettings& settings, const KOVTString& set, const std::vector<Assignment>& assignments);
