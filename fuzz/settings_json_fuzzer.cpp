// Reads arbitrary text as a set document, the way import does. The values of
// a document that reads must survive being written as a document and read
// again: same keys, and each value the same after the JSON round trip.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "tools/cli_error.h"
#include "tools/settings_json.h"

namespace {

constexpr Kind kKinds[] = {Kind::Bool, Kind::Int, Kind::Double, Kind::String, Kind::Binary};

[[noreturn]] void Fail(const char* what, const std::string& detail) {
  std::fprintf(stderr, "%s: %s\n", what, detail.c_str());
  std::abort();
}

// Whether `json` is a value of `kind`, which is then stored in `value`.
bool Read(Kind kind, const JsonValue& json, Value& value) {
  try {
    value = ParseJson(kind, json);
    return true;
  } catch (const CliError&) {
    return false;
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const JsonValue document = JsonValue::parse(data, data + size, nullptr, false);
  if (document.is_discarded()) return 0;
  ImportedSet imported;
  try {
    imported = ReadSetDocument(document);
  } catch (const CliError&) {
    return 0;
  }

  std::vector<std::pair<KOVTString, Value>> values;
  for (const Assignment& assignment : imported.assignments) {
    const JsonValue* json = std::get_if<JsonValue>(&assignment.given);
    if (json == nullptr) Fail("a document gave a value as text", Utf8(assignment.key));
    for (Kind kind : kKinds) {
      if (assignment.declared && kind != *assignment.declared) continue;
      Value value, again;
      if (!Read(kind, *json, value)) continue;
      if (!Read(kind, ToJson(value), again) || again != value) Fail("a value changed through JSON", json->dump());
      if (!values.empty() && values.back().first == assignment.key) continue;
      values.emplace_back(assignment.key, value);
    }
  }

  const ModuleRow* module = FindModule(imported.module.value_or(""));
  const JsonValue written = SetDocument(module ? *module : ModuleTable().front(), Wide(imported.set.value_or("")), values);
  ImportedSet again;
  try {
    again = ReadSetDocument(JsonValue::parse(written.dump()));
  } catch (const CliError& error) {
    Fail("a written document does not read back", error.what());
  }
  if (again.assignments.size() != values.size()) Fail("a written document lost keys", written.dump());
  for (std::size_t i = 0; i < values.size(); ++i)
    if (again.assignments[i].key != values[i].first || again.assignments[i].declared != KindOf(values[i].second))
      Fail("a written document changed a key", written.dump());
  return 0;
}
