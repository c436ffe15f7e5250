// Settings as JSON: show agrees with the table, and documents built to
// exhaust the reader are refused.
#include <sstream>

#include "tests/tools/kovtset_run.h"

namespace {

using Json = nlohmann::ordered_json;

using ExchangeCommands = KovtsetTest;

TEST_F(ExchangeCommands, TableAndJsonListTheSameKeysInStoredOrder) {
  const std::string drawing = NewDrawing("d.pndwg");
  for (const char* module : {"reinf", "steel"}) {
    const std::string table = Ok({"show", drawing, "-m", module}).out;
    const Json document = ParseJson(Ok({"show", drawing, "-m", module, "--json"}));
    EXPECT_EQ(document["module"], module);
    EXPECT_EQ(document["set"], "Standard");
    std::vector<std::string> fromTable, fromJson;
    std::istringstream lines(table.substr(table.find("KEY ")));
    std::string line;
    std::getline(lines, line);
    while (std::getline(lines, line)) fromTable.push_back(line.substr(0, line.find(' ')));
    for (const Json& entry : document["values"]) fromJson.push_back(entry["key"]);
    EXPECT_EQ(fromTable, fromJson) << module;
    ASSERT_FALSE(fromJson.empty());
    EXPECT_EQ(fromJson.front(), "Version");
  }
}

// Each is refused quickly and clearly; the smaller hostile documents are
// among the listed runs.
TEST_F(ExchangeCommands, HugeHostileDocumentsAreRefusedClearly) {
  const std::string drawing = NewDrawing("d.pndwg", {"-m", "steel"});
  const std::string before = ReadText(drawing);
  const auto withValue = [](const std::string& value) {
    return R"({"values": [{"key": "General.TolerArcDisplay", "value": )" + value + "}]}";
  };
  const auto nested = [](std::size_t depth) { return std::string(depth, '[') + std::string(depth, ']'); };
  std::string members = R"({"m0": 0)";
  for (int i = 1; i < 100000; ++i) members += R"(, "m)" + std::to_string(i) + R"(": 0)";
  const struct {
    std::string text;
    const char* message;
  } cases[] = {
      {withValue(nested(45000)), "nests deeper than 64 levels"},
      // The document, its list and the entry take three of the 64 levels.
      {withValue(nested(62)), "nests deeper than 64 levels"},
      {withValue(nested(61)), "expected an integer"},
      {members + "}", "unknown member 'm0'"},
  };
  for (const auto& c : cases) {
    WriteText(File("bad.json"), c.text);
    const RunResult result = Run({"import", drawing, File("bad.json")});
    EXPECT_EQ(result.exitCode, 1) << c.message;
    EXPECT_NE(result.err.find(c.message), std::string::npos) << result.err.substr(0, 300);
    EXPECT_EQ(ReadText(drawing), before) << c.message;
  }
}

}  // namespace
