// export and import of sets as JSON documents.
#include "tests/tools/kovtset_run.h"

namespace {

using Json = nlohmann::ordered_json;

class ExchangeCommands : public KovtsetTest {
 protected:
  std::string Document(const std::string& name, const Json& document) const {
    WriteText(File(name), document.dump());
    return File(name);
  }
};

TEST_F(ExchangeCommands, ExportThenImportReproducesTheSet) {
  const std::string source = NewDrawing("source.pndwg");
  Ok({"set", source, "Units.Length", "cm"});
  Ok({"set", source, "Variables.sVAR_PROJECT_NAME", "Bridge 7"});
  Ok({"export", source, "-o", File("reinf.json")});
  EXPECT_EQ(ParseJson(Ok({"export", source})), Json::parse(ReadText(File("reinf.json"))));
  EXPECT_EQ(ParseJson(Ok({"export", source})), ParseJson(Ok({"show", source, "--json"})));

  const std::string target = NewDrawing("target.pndwg");
  EXPECT_FALSE(Ok({"diff", source, target}).out.empty());
  Ok({"import", target, File("reinf.json")});
  EXPECT_EQ(Ok({"diff", source, target}).out, "");
}

TEST_F(ExchangeCommands, PartialDocumentsChangeOnlyTheirKeys) {
  const std::string drawing = NewDrawing("d.pndwg", {"-m", "steel"});
  const Json document = {{"module", "steel"},
                         {"values", {{{"key", "General.TolerArcDisplay"}, {"value", 64}},
                                     {{"key", "General.OverwritePrefix"}, {"kind", "bool"}, {"value", true}}}}};
  Ok({"import", drawing, Document("part.json", document)});
  EXPECT_EQ(Get(drawing, {"General.TolerArcDisplay"}), "64");
  EXPECT_EQ(Get(drawing, {"General.OverwritePrefix"}), "true");
  EXPECT_EQ(Get(drawing, {"General.TolerPartsIdent"}), "1");
}

TEST_F(ExchangeCommands, ImportNamesANewSetAndGrowsLists) {
  const std::string drawing = NewDrawing("d.pndwg", {"-m", "steel"});
  const Json document = {{"set", "Company"},
                         {"values",
                          {{{"key", "Material.SurfaceFinishingSize"}, {"value", 2}},
                           {{"key", "Material.SurfaceFinishingVector0"}, {"value", "painted"}},
                           {{"key", "Material.SurfaceFinishingVector1"}, {"value", "galvanised"}}}}};
  // From standard input, into a set the drawing did not have.
  const RunResult piped = Run({"import", drawing, "-"}, document.dump());
  ASSERT_EQ(piped.exitCode, 0) << piped.err;
  EXPECT_EQ(Get(drawing, {"-s", "Company", "Material.SurfaceFinishingVector1"}), "galvanised");
  EXPECT_EQ(Get(drawing, {"Material.SurfaceFinishingSize"}), "0");
}

TEST_F(ExchangeCommands, AnyFaultRefusesTheWholeDocument) {
  const std::string drawing = NewDrawing("d.pndwg", {"-m", "steel"});
  const std::string before = ReadText(drawing);
  const Json good = {{"key", "General.TolerArcDisplay"}, {"value", 64}};
  const struct {
    Json document;
    const char* message;
  } cases[] = {
      {{{"values", {good, {{"key", "General.TolerPartsIdent"}, {"value", "wide"}}}}}, "expected a number"},
      {{{"values", {good, {{"key", "General.Nope"}, {"value", 1}}}}}, "unknown key 'General.Nope'"},
      {{{"values", {good, {{"key", "General.TolerPartsIdent"}, {"kind", "int"}, {"value", 1}}}}}, "is double, not int"},
      {{{"values", {good, good}}}, "given twice"},
      {{{"values", {good, {{"key", "General.TolerPartsIdent"}, {"kind", "float"}, {"value", 1}}}}}, "unknown \"kind\""},
      {{{"module", "reinf"}, {"values", {good}}}, "has no reinforcement settings"},
      {{{"module", "roof"}, {"values", {good}}}, "no known module"},
      {{{"format", "other"}, {"values", {good}}}, "format is 'other'"},
      {{{"version", 2}, {"values", {good}}}, "version 2"},
      {{{"vals", {good}}}, "unknown member 'vals'"},
      {Json::array(), "not a JSON object"},
  };
  for (const auto& c : cases) {
    const RunResult result = Run({"import", drawing, Document("bad.json", c.document)});
    EXPECT_EQ(result.exitCode, 1) << c.message;
    EXPECT_NE(result.err.find(c.message), std::string::npos) << result.err;
    EXPECT_EQ(ReadText(drawing), before) << c.message;
  }
  WriteText(File("broken.json"), "{\"values\": [");
  EXPECT_EQ(Run({"import", drawing, File("broken.json")}).exitCode, 1);
  EXPECT_EQ(Run({"import", drawing, File("missing.json")}).exitCode, 1);
  EXPECT_EQ(ReadText(drawing), before);
}

// Documents built to exhaust the reader: each is refused quickly and clearly.
TEST_F(ExchangeCommands, HostileDocumentsAreRefusedClearly) {
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
      {R"({"values": [{"key": "General.TolerArcDisplay", "key": "General.TolerPartsIdent", "value": 1}]})",
       "gives the member 'key' twice"},
      {R"({"values": [], "values": []})", "gives the member 'values' twice"},
      {withValue("1") + " []", "is not valid JSON: parse error at line 1"},
      {withValue("\"\xff\""), "is not valid JSON"},
  };
  for (const auto& c : cases) {
    WriteText(File("bad.json"), c.text);
    const RunResult result = Run({"import", drawing, File("bad.json")});
    EXPECT_EQ(result.exitCode, 1) << c.message;
    EXPECT_NE(result.err.find(c.message), std::string::npos) << result.err.substr(0, 300);
    EXPECT_EQ(ReadText(drawing), before) << c.message;
  }
  Ok({"export", drawing, "-o", File("good.json")});
  EXPECT_NE(Run({"import", drawing, File("good.json"), "-s", "\xe9t\xe9"}).err.find("not valid UTF-8"),
            std::string::npos);
  EXPECT_EQ(ReadText(drawing), before);
}

TEST_F(ExchangeCommands, ModuleOptionMustAgreeWithTheDocument) {
  const std::string drawing = NewDrawing("d.pndwg");
  Ok({"export", drawing, "-m", "steel", "-o", File("steel.json")});
  const RunResult result = Run({"import", drawing, File("steel.json"), "-m", "reinf"});
  EXPECT_EQ(result.exitCode, 1);
  EXPECT_NE(result.err.find("holds steel settings, not reinf"), std::string::npos) << result.err;
}

}  // namespace
