#include "tools/settings_json.h"

#include <set>

#include "tools/cli_error.h"

namespace {

constexpr const char* kFormat = "kovtset-set";
constexpr int kVersion = 1;

const std::set<std::string> kDocumentMembers = {"format", "version", "module", "set", "values"};
const std::set<std::string> kEntryMembers = {"key", "kind", "value"};

[[noreturn]] void Fault(const std::string& what) { throw CliError("is not a kovtset set document: " + what); }

void CheckMembers(const JsonValue& object, const std::set<std::string>& allowed, const std::string& where) {
  for (const auto& member : object.items())
    if (allowed.count(member.key()) == 0) Fault(where + " has an unknown member '" + member.key() + "'");
}

std::optional<std::string> OptionalString(const JsonValue& document, const char* member) {
  if (!document.contains(member)) return std::nullopt;
  if (!document[member].is_string()) Fault(std::string("\"") + member + "\" is not a string");
  return document[member].get<std::string>();
}

Assignment ReadEntry(const JsonValue& entry, std::size_t position) {
  const std::string where = "entry " + std::to_string(position) + " of \"values\"";
  if (!entry.is_object()) Fault(where + " is not an object");
  CheckMembers(entry, kEntryMembers, where);
  if (!entry.contains("key") || !entry["key"].is_string()) Fault(where + " has no \"key\" string");
  if (!entry.contains("value")) Fault(where + " has no \"value\"");
  Assignment assignment{Wide(entry["key"].get<std::string>()), entry["value"], std::nullopt};
  if (entry.contains("kind")) {
    const JsonValue& kind = entry["kind"];
    assignment.declared = kind.is_string() ? KindOfName(kind.get<std::string>()) : std::nullopt;
    if (!assignment.declared) Fault(where + " has an unknown \"kind\" " + kind.dump());
  }
  return assignment;
}

}  // namespace

JsonValue SetDocument(const ModuleRow& module, const KOVTString& set,
                      const std::vector<std::pair<KOVTString, Value>>& values) {
  JsonValue entries = JsonValue::array();
  for (const auto& [name, value] : values)
    entries.push_back({{"key", Utf8(name)}, {"kind", KindName(KindOf(value))}, {"value", ToJson(value)}});
  return {{"format", kFormat}, {"version", kVersion}, {"module", module.name}, {"set", Utf8(set)},
          {"values", std::move(entries)}};
}

ImportedSet ReadSetDocument(const JsonValue& document) {
  if (!document.is_object()) Fault("the document is not a JSON object");
  CheckMembers(document, kDocumentMembers, "the document");
  if (auto format = OptionalString(document, "format"); format && *format != kFormat)
    Fault("its format is '" + *format + "'");
  if (document.contains("version") &&
      !(document["version"].is_number_integer() && document["version"].get<std::int64_t>() == kVersion))
    Fault("version " + document["version"].dump() + " is not known (this program reads version 1)");
  if (!document.contains("values") || !document["values"].is_array()) Fault("it has no \"values\" array");

  ImportedSet imported;
  imported.module = OptionalString(document, "module");
  imported.set = OptionalString(document, "set");
  std::set<KOVTString> seen;
  const JsonValue& values = document["values"];
  for (std::size_t i = 0; i < values.size(); ++i) {
    Assignment assignment = ReadEntry(values[i], i + 1);
    if (!seen.insert(assignment.key).second) Fault("key '" + Utf8(assignment.key) + "' is given twice");
    imported.assignments.push_back(std::move(assignment));
  }
  return imported;
}
