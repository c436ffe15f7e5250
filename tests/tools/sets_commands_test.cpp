// The named sets: list, add, remove, rename, set-default.
#include "tests/tools/kovtset_run.h"

namespace {

using Json = nlohmann::ordered_json;

class SetsCommands : public KovtsetTest {
 protected:
  Json Sets(const std::string& drawing) const { return ParseJson(Ok({"sets", "list", drawing, "-m", "steel", "--json"})); }
};

TEST_F(SetsCommands, AddCopiesTheValuesOfTheChosenSet) {
  const std::string drawing = NewDrawing("d.pndwg", {"-m", "steel"});
  Ok({"set", drawing, "General.TolerArcDisplay", "7"});
  Ok({"sets", "add", drawing, "Company"});
  Ok({"set", drawing, "-s", "Company", "General.TolerArcDisplay", "9"});
  Ok({"sets", "add", drawing, "FromCompany", "--from", "Company"});
  EXPECT_EQ(Sets(drawing), Json({{"module", "steel"},
                                 {"default", "Standard"},
                                 {"sets", {"Standard", "Company", "FromCompany"}}}));
  EXPECT_EQ(Get(drawing, {"General.TolerArcDisplay"}), "7");
  EXPECT_EQ(Get(drawing, {"-s", "FromCompany", "General.TolerArcDisplay"}), "9");
  EXPECT_EQ(Ok({"sets", "list", drawing}).out, "*  Standard\n   Company\n   FromCompany\n");
}

TEST_F(SetsCommands, RenameKeepsValuesAndTheDefaultFollows) {
  const std::string drawing = NewDrawing("d.pndwg", {"-m", "steel"});
  Ok({"set", drawing, "General.TolerArcDisplay", "5"});
  Ok({"sets", "rename", drawing, "Standard", "Base"});
  EXPECT_EQ(Sets(drawing)["default"], "Base");
  EXPECT_EQ(Sets(drawing)["sets"], Json({"Base"}));
  EXPECT_EQ(Get(drawing, {"General.TolerArcDisplay"}), "5");
  // The old name is gone from the registry too.
  EXPECT_EQ(Ok({"registry", drawing}).out.find("[Standard]"), std::string::npos);
}

TEST_F(SetsCommands, SetDefaultThenRemoveTheFormerDefault) {
  const std::string drawing = NewDrawing("d.pndwg", {"-m", "steel"});
  Ok({"sets", "add", drawing, "Other"});
  const RunResult refused = Run({"sets", "remove", drawing, "Standard"});
  EXPECT_EQ(refused.exitCode, 1);
  EXPECT_NE(refused.err.find("is the default set"), std::string::npos);
  Ok({"sets", "set-default", drawing, "Other"});
  Ok({"sets", "remove", drawing, "Standard"});
  EXPECT_EQ(Sets(drawing)["sets"], Json({"Other"}));
  EXPECT_EQ(Ok({"show", drawing}).out.rfind("module  steel (steel)\nset     Other (default)\n", 0), 0u);
  EXPECT_EQ(Ok({"registry", drawing}).out.find("[Standard]"), std::string::npos);
}

TEST_F(SetsCommands, RefusedChangesLeaveTheFileAlone) {
  const std::string drawing = NewDrawing("d.pndwg", {"-m", "steel"});
  Ok({"sets", "add", drawing, "Other"});
  const std::string before = ReadText(drawing);
  const std::vector<std::vector<std::string>> refused = {
      {"add", drawing, "Other"},                 // taken
      {"add", drawing, "A\\B"},                  // not one registry key
      {"add", drawing, "B\xfcro"},              // not UTF-8
      {"rename", drawing, "Other", "\xff"},
      {"add", drawing, "New", "--from", "None"}, // no such source
      {"rename", drawing, "Other", "Standard"},  // taken
      {"rename", drawing, "None", "X"},
      {"remove", drawing, "None"},
      {"set-default", drawing, "None"},
  };
  for (std::vector<std::string> args : refused) {
    args.insert(args.begin(), "sets");
    EXPECT_EQ(Run(args).exitCode, 1) << args[1] << " " << args[3];
    EXPECT_EQ(ReadText(drawing), before) << args[1] << " " << args[3];
  }
}

}  // namespace
