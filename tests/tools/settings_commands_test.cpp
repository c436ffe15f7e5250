// new, show, get and set, end to end.
#include <sstream>

#include "tests/tools/kovtset_run.h"

namespace {

using Json = nlohmann::ordered_json;

class SettingsCommands : public KovtsetTest {};

TEST_F(SettingsCommands, NewDrawingHoldsTheDefaultsOfEveryModule) {
  const std::string drawing = NewDrawing("project.pndwg");
  const RunResult shown = Ok({"show", drawing});
  EXPECT_EQ(shown.out.rfind("module  reinf (reinforcement)\nset     Standard (default)\n", 0), 0u) << shown.out;
  EXPECT_EQ(Get(drawing, {"Norms.Reinforce"}), "BAEL 99");
  EXPECT_EQ(Get(drawing, {"General.TolerArcDisplay", "-m", "steel"}), "128");
  EXPECT_TRUE(shown.err.empty()) << shown.err;
}

TEST_F(SettingsCommands, NewWithChosenModulesShowsTheFirstOneItHas) {
  const std::string drawing = NewDrawing("steel.pndwg", {"--module", "steel"});
  EXPECT_EQ(Ok({"show", drawing}).out.rfind("module  steel (steel)\n", 0), 0u);
  const RunResult reinf = Run({"show", drawing, "-m", "reinf"});
  EXPECT_EQ(reinf.exitCode, 1);
  EXPECT_NE(reinf.err.find("has no reinforcement settings"), std::string::npos) << reinf.err;
}

TEST_F(SettingsCommands, NewRefusesToReplaceAFileUnlessForced) {
  const std::string drawing = NewDrawing("d.pndwg", {"-m", "steel"});
  const std::string before = ReadText(drawing);
  EXPECT_EQ(Run({"new", drawing}).exitCode, 1);
  EXPECT_EQ(ReadText(drawing), before);
  Ok({"new", drawing, "--force"});
  EXPECT_EQ(Ok({"show", drawing}).out.rfind("module  reinf", 0), 0u);
}

TEST_F(SettingsCommands, TableAndJsonListTheSameKeysInStoredOrder) {
  const std::string drawing = NewDrawing("d.pndwg");
  for (const char* module : {"reinf", "steel"}) {
    const std::string table = Ok({"show", drawing, "-m", module}).out;
    const Json document = ParseJson(Ok({"show", drawing, "-m", module, "--json"}));
    EXPECT_EQ(document["module"], module);
    EXPECT_EQ(document["set"], "Standard");
    std::vector<std::string> fromTable;
    std::istringstream lines(table.substr(table.find("KEY ")));
    std::string line;
    std::getline(lines, line);
    while (std::getline(lines, line)) fromTable.push_back(line.substr(0, line.find(' ')));
    std::vector<std::string> fromJson;
    for (const Json& entry : document["values"]) fromJson.push_back(entry["key"]);
    EXPECT_EQ(fromTable, fromJson) << module;
    ASSERT_FALSE(fromJson.empty());
    EXPECT_EQ(fromJson.front(), "Version");
  }
}

TEST_F(SettingsCommands, SetChangesOneKeyOfEveryKind) {
  const std::string drawing = NewDrawing("d.pndwg", {"-m", "steel"});
  const struct {
    const char* key;
    const char* given;
    const char* shown;
  } cases[] = {
      {"General.AutoGroupCreate", "yes", "true"},
      {"General.TolerArcDisplay", "-42", "-42"},
      {"General.TolerArcDisplay", "+7", "7"},
      {"General.TolerPartsIdent", "0.125", "0.125"},
      {"General.TolerPartsIdent", "-.5", "-0.5"},
      {"Variables.sVAR_COMPANY_NAME", "-inf", "-inf"},
      {"Variables.sVAR_COMPANY_NAME", "Bureau d'études \"Nord\"", "Bureau d'études \"Nord\""},
      {"HeaderFooter.HeaderData", "00FFa0", "00ffa0"},
  };
  for (const auto& c : cases) {
    Ok({"set", drawing, c.key, c.given});
    EXPECT_EQ(Get(drawing, {c.key}), c.shown) << c.key;
  }
  // Only the keys set changed.
  EXPECT_EQ(Get(drawing, {"General.SimplConnectorsModeling"}), "true");
}

TEST_F(SettingsCommands, BadValuesAndUnknownKeysChangeNothing) {
  const std::string drawing = NewDrawing("d.pndwg");
  const std::string before = ReadText(drawing);
  const struct {
    std::vector<std::string> args;
    const char* message;
  } cases[] = {
      {{"-m", "steel", "General.TolerArcDisplay", "12.5"}, "expected an integer"},
      {{"-m", "steel", "General.TolerArcDisplay", "99999999999"}, "expected an integer"},
      {{"-m", "steel", "General.AutoGroupCreate", "maybe"}, "expected true or false"},
      {{"-m", "steel", "General.TolerPartsIdent", "nan"}, "expected a finite number"},
      {{"-m", "steel", "General.TolerPartsIdent", "-inf"}, "expected a finite number"},
      {{"-m", "steel", "General.TolerPartsIdent", "+-1"}, "expected a finite number"},
      {{"-m", "steel", "General.TolerArcDisplay", "+-1"}, "expected an integer"},
      {{"-m", "steel", "General.TolerArcDisplay", "++1"}, "expected an integer"},
      {{"-m", "steel", "HeaderFooter.HeaderData", "abc"}, "hexadecimal"},
      {{"-m", "steel", "General.NoSuchKey", "1"}, "unknown key 'General.NoSuchKey'"},
      {{"-s", "Missing", "Norms.Reinforce", "BAEL 99"}, "no set 'Missing'"},
      {{"Variables.sVAR_COMPANY_NAME", "Bureau d'\xe9tudes"}, "is not valid UTF-8"},
      {{"-s", "\xe9tudes", "Norms.Reinforce", "BAEL 99"}, "is not valid UTF-8"},
      // The module renames this design code when reading it.
      {{"Norms.Reinforce", "BAEL 91"}, "does not take \"BAEL 91\""},
  };
  for (const auto& c : cases) {
    std::vector<std::string> args{"set", drawing};
    args.insert(args.end(), c.args.begin(), c.args.end());
    const RunResult result = Run(args);
    EXPECT_EQ(result.exitCode, 1) << c.message;
    EXPECT_NE(result.err.find(c.message), std::string::npos) << result.err;
    EXPECT_EQ(ReadText(drawing), before) << c.message;
  }
}

TEST_F(SettingsCommands, ListCountsGrowAndShrinkTheirLists) {
  const std::string drawing = NewDrawing("d.pndwg", {"-m", "steel"});
  EXPECT_EQ(Run({"get", drawing, "Material.SurfaceFinishingVector1"}).exitCode, 1);
  Ok({"set", drawing, "Material.SurfaceFinishingSize", "2"});
  Ok({"set", drawing, "Material.SurfaceFinishingVector1", "galvanised"});
  EXPECT_EQ(Get(drawing, {"Material.SurfaceFinishingVector1"}), "galvanised");
  Ok({"set", drawing, "Material.SurfaceFinishingSize", "1"});
  EXPECT_EQ(Run({"get", drawing, "Material.SurfaceFinishingVector1"}).exitCode, 1);
  EXPECT_EQ(Get(drawing, {"Material.SurfaceFinishingSize"}), "1");
}

TEST_F(SettingsCommands, GetJsonCarriesKindAndValue) {
  const std::string drawing = NewDrawing("d.pndwg");
  const Json entry = ParseJson(Ok({"get", drawing, "Units.LengthCoeff", "--json"}));
  EXPECT_EQ(entry, Json({{"key", "Units.LengthCoeff"}, {"kind", "double"}, {"value", 0.001}}));
}

// The drawing the README's first command shows, read and left as it is.
TEST_F(SettingsCommands, TheBundledExampleShowsItsProject) {
  const std::string example = KOVTSET_EXAMPLE;
  const std::string before = ReadText(example);
  const std::string shown = Ok({"show", example}).out;
  EXPECT_EQ(shown.rfind("module  reinf (reinforcement)\nset     Standard (default)\n", 0), 0u) << shown;
  EXPECT_NE(shown.find("\"Riverside car park\""), std::string::npos);
  for (const char* module : {"reinf", "steel", "formwork"})
    EXPECT_EQ(Get(example, {"-m", module, "Project.ProjectName"}), "Riverside car park") << module;
  EXPECT_EQ(Get(example, {"Project.Designer"}), "Structures office");
  EXPECT_EQ(ReadText(example), before);
}

}  // namespace
