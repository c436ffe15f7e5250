// A drawing whose list of settings sets claims 2^31-1 names: every command
// that loads the settings refuses it promptly instead of reading them.
#include <sys/wait.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

#include "dictionaries/typed_dicts.h"
#include "environment/app_context.h"
#include "jobsettings/steel_job_settings.h"
#include "registry/registry_access.h"
#include "tests/support/kovt_drawing.h"

namespace {

class DamagedNameList : public KovtDrawingTest {
 protected:
  // The drawing file with steel settings whose name list counts `count` names.
  std::string SaveWithNameCount(int count) {
    {
      KOVTContext steel(KOVT_CONTEXT_STEEL, Drawing());
      { KOVTSteelJobSettings created; }
      PnDbDictionary* settings =
          KOVTGetDict(PnDbDictionary::desc(), DDT_ProjectSettings, PnDb::kForWrite, DDI_Application);
      {
        KoVTPrjReg::TRegistry registry(settings);
        EXPECT_TRUE(registry.OpenKey(L"//SettingsVector", false));
        registry.WriteInteger(L"SettingsVector_Size", count);
      }
      settings->close();
    }
    const std::wstring file = ScratchFile("damaged.pndwg");
    EXPECT_EQ(Drawing()->saveAs(file.c_str()), Plnx::eOk);
    return std::string(file.begin(), file.end());
  }
};

TEST_F(DamagedNameList, CommandsRefuseAHugeCount) {
  const std::string drawing = SaveWithNameCount(2147483647);
  const std::string errors = drawing + ".err";
  for (const std::string& arguments : {"show '" + drawing + "'", "export '" + drawing + "'",
                                       "diff '" + drawing + "' '" + drawing + "'",
                                       "set '" + drawing + "' General.TolerArcDisplay 7"}) {
    const std::string command =
        "timeout 60 '" KOVTSET_PROGRAM "' " + arguments + " >/dev/null 2>'" + errors + "' </dev/null";
    const int status = std::system(command.c_str());
    ASSERT_TRUE(WIFEXITED(status)) << arguments;
    EXPECT_EQ(WEXITSTATUS(status), 1) << arguments;
    std::stringstream text;
    text << std::ifstream(errors).rdbuf();
    EXPECT_NE(text.str().find("steel settings of"), std::string::npos) << arguments << ": " << text.str();
    EXPECT_NE(text.str().find("counts 2147483647 names"), std::string::npos) << arguments << ": " << text.str();
  }
}

}  // namespace
