#include "tools/value_assignment.h"

#include <map>

#include "tools/cli_error.h"

namespace {

std::string KeyName(const Assignment& assignment) { return Utf8(assignment.key); }

// The value of the kind the key has, or a CliError naming the key.
Value Parse(const Assignment& assignment, Kind kind) {
  if (assignment.declared && *assignment.declared != kind)
    throw CliError(KeyName(assignment) + ": the key is " + KindName(kind) + ", not " + KindName(*assignment.declared));
  try {
    if (const auto* text = std::get_if<std::string>(&assignment.given)) return ParseText(kind, *text);
    return ParseJson(kind, std::get<JsonValue>(assignment.given));
  } catch (const CliError& error) {
    throw CliError(KeyName(assignment) + " is " + KindName(kind) + ": " + error.what());
  }
}

std::map<KOVTString, Kind> KindsByName(ModuleSettings& settings) {
  std::map<KOVTString, Kind> kinds;
  for (const KovtJobKeys::Entry& entry : settings.Keys()) kinds.emplace(entry.name, KindOf(entry.field));
  return kinds;
}

[[noreturn]] void Unknown(const ModuleSettings& settings, const Assignment& assignment) {
  throw CliError("unknown key '" + KeyName(assignment) + "' in the " + settings.Module().title +
                 " settings ('kovtset show' lists the keys)");
}

}  // namespace

void AssignValues(ModuleSettings& settings, const KOVTString& set, const std::vector<Assignment>& assignments) {
  settings.RequireSet(set);
  settings.LoadSet(set);
  std::vector<std::optional<Value>> parsed(assignments.size());
  std::vector<std::size_t> pending(assignments.size());
  for (std::size_t i = 0; i < pending.size(); ++i) pending[i] = i;

  // Each round stores the values whose keys the set has now; a list count
  // stored in one round makes the entries of a longer list keys in the next.
  while (!pending.empty()) {
    const std::map<KOVTString, Kind> kinds = KindsByName(settings);
    std::vector<std::pair<KOVTString, Value>> round;
    std::vector<std::size_t> later;
    for (std::size_t i : pending) {
      auto kind = kinds.find(assignments[i].key);
      if (kind == kinds.end()) {
        later.push_back(i);
        continue;
      }
      parsed[i] = Parse(assignments[i], kind->second);
      round.emplace_back(assignments[i].key, *parsed[i]);
    }
    if (round.empty()) Unknown(settings, assignments[later.front()]);
    settings.WriteRawValues(set, round);
    settings.LoadSet(set);
    pending = std::move(later);
  }

  std::map<KOVTString, Value> kept;
  for (auto& [name, value] : settings.Snapshot()) kept.emplace(name, std::move(value));
  for (std::size_t i = 0; i < assignments.size(); ++i) {
    auto found = kept.find(assignments[i].key);
    if (found == kept.end()) Unknown(settings, assignments[i]);
    if (found->second != *parsed[i])
      throw CliError(KeyName(assignments[i]) + ": the " + settings.Module().title + " module does not take " +
                     Quoted(*parsed[i]) + " (it keeps " + Quoted(found->second) + ")");
  }
  settings.WriteSet(set);
}
