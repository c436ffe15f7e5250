// What the listed runs cannot say: the registry's JSON tree, the keys of the
// table and of JSON alike, file names of any bytes in every locale, and show
// of a drawing with a damaged object.
#include <libdeflate.h>

#include <sstream>

#include "tests/support/golden_rows.h"
#include "tests/tools/kovtset_run.h"

namespace {

using Json = nlohmann::ordered_json;

using DrawingCommands = KovtsetTest;

TEST_F(DrawingCommands, RegistryJsonHoldsEveryKeeperWithItsSets) {
  const std::string drawing = NewDrawing("d.pndwg");
  Ok({"set", drawing, "-m", "steel", "General.TolerArcDisplay", "77"});
  const Json json = ParseJson(Ok({"registry", drawing, "--json"}));
  ASSERT_EQ(json["keepers"].size(), 3u);
  EXPECT_EQ(json["keepers"][2]["location"], "KOVT/KOVX/ProjectSettings");
  EXPECT_EQ(json["keepers"][1]["location"], "KOVT/KOVS/ProjectSettings");
  const Json& set = json["keepers"][1]["roots"]["HKEY_CONFIG"]["keys"][""]["keys"]["Standard"];
  EXPECT_EQ(set["values"]["General.TolerArcDisplay"], Json({{"kind", "int"}, {"value", 77}}));
  EXPECT_EQ(set["values"]["General.TolerPartsIdent"]["kind"], "double");
}

TEST_F(DrawingCommands, TableAndJsonListTheSameKeysInStoredOrder) {
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

// Show reads only the objects that lead to its set: a damaged one among them
// fails it as reading the whole drawing fails, any other is left unread.
TEST_F(DrawingCommands, ShowRefusesOnlyADamagedObjectItReads) {
  const std::string drawing = NewDrawing("d.pndwg");
  const std::string original = ReadText(drawing);
  for (const GoldenRow& row : ReadGoldenRows("tools/data/show_damaged_cases.txt", 3)) {
    const std::string keeper = Unescaped(row[0]), options = Unescaped(row[1]), outcome = Unescaped(row[2]);
    SCOPED_TRACE("keeper " + keeper + ": show " + options);
    // Every set opens with its integer "Version"; the keeper's gets a value type no reader knows.
    const std::u16string name = u"Version";
    const std::string marker = std::string(reinterpret_cast<const char*>(name.data()), name.size() * 2) +
                               std::string("\x04\x01\x00\x00\x00", 5);
    std::string bytes = original;
    std::size_t at = bytes.find(marker);
    for (int n = std::stoi(keeper); n > 0 && at != std::string::npos; --n) at = bytes.find(marker, at + 1);
    ASSERT_NE(at, std::string::npos);
    bytes[at + marker.size() - 4] = 99;
    const std::uint32_t crc = libdeflate_crc32(0, bytes.data(), bytes.size() - 4);
    for (int i = 0; i < 4; ++i) bytes[bytes.size() - 4 + i] = static_cast<char>(crc >> (8 * i));
    WriteText(drawing, bytes);

    std::vector<std::string> args{"show", drawing};
    for (std::string all = options.empty() ? "" : options + "|"; !all.empty(); all.erase(0, all.find('|') + 1))
      args.push_back(all.substr(0, all.find('|')));
    const RunResult shown = Run(args);
    if (outcome == "shown") {
      EXPECT_EQ(shown.exitCode, 0) << shown.err;
      EXPECT_EQ(shown.err, "");
      continue;
    }
    ASSERT_EQ(outcome, "refused");
    const RunResult whole = Run({"registry", drawing});
    EXPECT_EQ(whole.exitCode, 1);
    EXPECT_NE(whole.err.find("has a damaged object"), std::string::npos) << whole.err;
    EXPECT_EQ(shown.exitCode, 1);
    EXPECT_EQ(shown.out, "");
    EXPECT_EQ(shown.err, whole.err);
  }
}

}  // namespace
