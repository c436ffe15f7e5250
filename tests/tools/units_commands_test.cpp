// units convert and units format.
#include "tests/tools/kovtset_run.h"

namespace {

class UnitsCommands : public KovtsetTest {};

TEST_F(UnitsCommands, ConvertsWithinAQuantity) {
  EXPECT_EQ(Ok({"units", "convert", "1.5", "m", "mm"}).out, "1500\n");
  EXPECT_EQ(Ok({"units", "convert", "1", "ft", "in", "--precision", "3"}).out, "12.000\n");
  EXPECT_EQ(Ok({"units", "convert", "-2", "m2", "cm2"}).out, "-20000\n");
  EXPECT_EQ(Ok({"units", "convert", "180", "deg", "rad", "-p", "5"}).out, "3.14159\n");
  EXPECT_EQ(Ok({"units", "convert", "1", "t", "kg"}).out, "1000\n");
}

TEST_F(UnitsCommands, RefusesWhatCannotConvert) {
  const struct {
    std::vector<std::string> args;
    const char* message;
  } cases[] = {
      {{"1", "m", "kg"}, "not the same quantity"},
      {{"1", "parsec", "m"}, "unknown unit 'parsec'"},
      {{"ten", "m", "mm"}, "expected a finite number"},
  };
  for (const auto& c : cases) {
    std::vector<std::string> args{"units", "convert"};
    args.insert(args.end(), c.args.begin(), c.args.end());
    const RunResult result = Run(args);
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_NE(result.err.find(c.message), std::string::npos) << result.err;
  }
}

TEST_F(UnitsCommands, FormatsInTheDisplayModes) {
  EXPECT_EQ(Ok({"units", "format", "15.5", "--mode", "architectural"}).out, "1'-3 1/2\"\n");
  EXPECT_EQ(Ok({"units", "format", "15.5", "--mode", "engineering", "-p", "2"}).out, "1'-3.50\"\n");
  EXPECT_EQ(Ok({"units", "format", "15.5", "--mode", "decimal", "-p", "2"}).out, "15.50\n");
  EXPECT_EQ(Ok({"units", "format", "45", "--mode", "degrees", "-p", "2"}).out, "45.00\n");
  EXPECT_EQ(Ok({"units", "format", "1234.5678"}).out, "1234.5678\n");
  EXPECT_EQ(Run({"units", "format", "1", "--mode", "roman"}).exitCode, 2);
  EXPECT_EQ(Run({"units", "format", "1", "-p", "9"}).exitCode, 2);
}

}  // namespace
