// registry and diff, damaged and missing drawings, and the conventions every
// subcommand shares: help, usage errors, exit codes and quiet output.
#include "tests/tools/kovtset_run.h"

namespace {

using Json = nlohmann::ordered_json;

class DrawingCommands : public KovtsetTest {};

TEST_F(DrawingCommands, RegistryShowsEveryKeeperWithItsSets) {
  const std::string drawing = NewDrawing("d.pndwg");
  Ok({"set", drawing, "-m", "steel", "General.TolerArcDisplay", "77"});
  const std::string tree = Ok({"registry", drawing}).out;
  EXPECT_NE(tree.find("KOVT/KOVR/ProjectSettings\n  [HKEY_CONFIG]\n    []\n      [Standard]\n"), std::string::npos)
      << tree;
  EXPECT_NE(tree.find("KOVT/KOVS/ProjectSettings\n"), std::string::npos);
  EXPECT_NE(tree.find("        General.TolerArcDisplay (int) = 77\n"), std::string::npos);
  EXPECT_NE(tree.find("      Setting_Default (string) = \"Standard\"\n"), std::string::npos);

  const Json json = ParseJson(Ok({"registry", drawing, "--json"}));
  ASSERT_EQ(json["keepers"].size(), 3u);
  EXPECT_EQ(json["keepers"][2]["location"], "KOVT/KOVX/ProjectSettings");
  EXPECT_EQ(json["keepers"][1]["location"], "KOVT/KOVS/ProjectSettings");
  const Json& set = json["keepers"][1]["roots"]["HKEY_CONFIG"]["keys"][""]["keys"]["Standard"];
  EXPECT_EQ(set["values"]["General.TolerArcDisplay"], Json({{"kind", "int"}, {"value", 77}}));
  EXPECT_EQ(set["values"]["General.TolerPartsIdent"]["kind"], "double");
}

TEST_F(DrawingCommands, DiffListsEachDifferenceOnce) {
  const std::string first = NewDrawing("a.pndwg");
  const std::string second = NewDrawing("b.pndwg", {"-m", "steel"});
  EXPECT_EQ(Ok({"diff", first, first}).out, "");
  Ok({"set", second, "General.TolerPartsIdent", "2.5"});
  Ok({"sets", "add", second, "Company"});
  EXPECT_EQ(Ok({"diff", first, second}).out,
            "reinf: settings: present -> (none)\n"
            "steel: sets: \"Standard\" -> \"Standard\", \"Company\"\n"
            "steel/Standard: General.TolerPartsIdent: 1 -> 2.5\n"
            "formwork: settings: present -> (none)\n");
  EXPECT_EQ(Ok({"diff", first, second, "-m", "reinf"}).out, "reinf: settings: present -> (none)\n");

  const Json json = ParseJson(Ok({"diff", first, second, "--module", "steel", "--json"}));
  ASSERT_EQ(json["differences"].size(), 2u);
  EXPECT_EQ(json["differences"][1], Json({{"module", "steel"},
                                          {"set", "Standard"},
                                          {"key", "General.TolerPartsIdent"},
                                          {"first", 1.0},
                                          {"second", 2.5}}));
  EXPECT_EQ(Run({"diff", first, second, "--exit-code"}).exitCode, 1);
  EXPECT_EQ(Run({"diff", first, first, "--exit-code"}).exitCode, 0);
}

TEST_F(DrawingCommands, DiffOfManyDrawingsListsEachUnderItsName) {
  const std::string standard = NewDrawing("standard.pndwg", {"-m", "steel"});
  const std::string same = NewDrawing("same.pndwg", {"-m", "steel"});
  const std::string changed = NewDrawing("changed.pndwg", {"-m", "steel"});
  Ok({"set", changed, "General.TolerArcDisplay", "-5"});
  WriteText(File("garbage.pndwg"), std::string(4096, '\x7f'));

  EXPECT_EQ(Ok({"diff", standard, same, changed}).out,
            changed + ":\n  steel/Standard: General.TolerArcDisplay: 128 -> -5\n"
            "1 of 2 drawings differ from " + standard + "\n");
  EXPECT_EQ(Run({"diff", "--exit-code", standard, same, changed}).exitCode, 1);
  EXPECT_EQ(Run({"diff", "--exit-code", standard, same, same}).exitCode, 0);

  const RunResult damaged = Run({"diff", standard, File("garbage.pndwg"), changed, "--json"});
  EXPECT_EQ(damaged.exitCode, 1);
  EXPECT_NE(damaged.err.find("garbage.pndwg"), std::string::npos) << damaged.err;
  const Json json = ParseJson(damaged);
  EXPECT_EQ(json["standard"], standard);
  ASSERT_EQ(json["drawings"].size(), 2u);
  EXPECT_TRUE(json["drawings"][0].contains("error"));
  EXPECT_EQ(json["drawings"][1]["drawing"], changed);
  EXPECT_EQ(json["drawings"][1]["differences"][0]["second"], -5);
  EXPECT_EQ(json["differing"], 1);
  EXPECT_EQ(json["failed"], 1);
}

TEST_F(DrawingCommands, DamagedOrMissingDrawingsFailClearly) {
  const std::string drawing = NewDrawing("d.pndwg");
  std::string bytes = ReadText(drawing);
  WriteText(File("truncated.pndwg"), bytes.substr(0, bytes.size() / 2));
  WriteText(File("garbage.pndwg"), std::string(4096, '\x7f'));
  for (const std::string& file : {File("truncated.pndwg"), File("garbage.pndwg"), File("missing.pndwg")}) {
    for (const char* command : {"show", "registry"}) {
      const RunResult result = Run({command, file});
      EXPECT_EQ(result.exitCode, 1) << command << " " << file;
      EXPECT_EQ(result.err.rfind("kovtset: ", 0), 0u) << result.err;
      EXPECT_EQ(result.out, "");
    }
  }
  const RunResult diff = Run({"diff", drawing, File("garbage.pndwg")});
  EXPECT_EQ(diff.exitCode, 1);
}

// File names are bytes: any script, or no valid UTF-8 at all, in any locale.
TEST_F(DrawingCommands, AnyFileNameWorksInEveryLocale) {
  const std::string names[] = {"B\u00fcr\u00f6.pndwg", "Stra\u00dfe.pndwg", "\u0427\u0435\u0440\u0442\u0451\u0436.pndwg",
                               "B\u00fcro/plan.pndwg", "\xff.pndwg", "\xe9t\xe9/\xfe.pndwg"};
  for (const char* locale : {"C", "C.UTF-8"}) {
    ScopedEnv environment("LC_ALL", locale);
    for (const std::string& name : names) {
      const std::string file = File(std::string(locale) + "/" + name);
      std::filesystem::create_directories(std::filesystem::path(file).parent_path());
      Ok({"new", file, "-m", "steel"});
      Ok({"set", file, "General.TolerArcDisplay", "64"});
      EXPECT_EQ(Get(file, {"General.TolerArcDisplay"}), "64") << name;
      EXPECT_EQ(Ok({"show", file}).out.rfind("module  steel", 0), 0u) << name;
      const std::string copy = file + ".copy";
      Ok({"new", copy, "-m", "steel"});
      Ok({"copy", file, copy});
      EXPECT_EQ(Get(copy, {"General.TolerArcDisplay"}), "64") << name;
      const RunResult missing = Run({"show", file + ".missing"});
      EXPECT_EQ(missing.exitCode, 1) << name;
      EXPECT_NE(missing.err.find("cannot open"), std::string::npos) << missing.err;
    }
  }
}

TEST_F(DrawingCommands, EverySubcommandHasHelp) {
  for (std::vector<std::string> command :
       std::vector<std::vector<std::string>>{{}, {"new"}, {"show"}, {"get"}, {"set"}, {"sets"}, {"sets", "add"},
                                             {"registry"}, {"copy"}, {"diff"}, {"export"}, {"import"},
                                             {"units"}, {"units", "convert"}, {"units", "format"}}) {
    command.push_back("--help");
    const RunResult result = Run(command);
    EXPECT_EQ(result.exitCode, 0) << command.front();
    EXPECT_NE(result.out.find("Usage:"), std::string::npos) << result.out;
  }
}

TEST_F(DrawingCommands, UsageErrorsExitWithTwo) {
  const std::string drawing = NewDrawing("d.pndwg");
  const std::vector<std::vector<std::string>> misuses = {
      {},                                  // no subcommand
      {"frobnicate"},                      // unknown subcommand
      {"show"},                            // missing file
      {"show", drawing, "--module", "roof"},
      {"get", drawing},                    // missing key
      {"sets", "list"},
      {"sets"},
      {"show", drawing, "--no-such-option"},
  };
  for (const std::vector<std::string>& args : misuses) {
    const RunResult result = Run(args);
    EXPECT_EQ(result.exitCode, 2) << (args.empty() ? "" : args.front());
    EXPECT_FALSE(result.err.empty());
  }
}

TEST_F(DrawingCommands, ModuleMessagesOnlyWithVerbose) {
  const std::string drawing = NewDrawing("d.pndwg");
  const RunResult quiet = Ok({"get", drawing, "Units.WorkUnits"});
  const RunResult verbose = Ok({"--verbose", "get", drawing, "Units.WorkUnits"});
  EXPECT_EQ(quiet.out, "mm\n");
  EXPECT_EQ(verbose.out, quiet.out);
  EXPECT_EQ(quiet.err, "");
  EXPECT_NE(verbose.err.find("[KoVTAppSet.kmo] Initialization done in "), std::string::npos) << verbose.err;
  EXPECT_NE(verbose.err.find("[KoVTAppSet.kmo] Finalization done in "), std::string::npos) << verbose.err;
}

}  // namespace
