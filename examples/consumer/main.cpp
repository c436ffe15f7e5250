// project-name: prints the project name of a drawing's reinforcement settings,
// as a detailing application reads it at every command.
#include <cstdio>
#include <memory>

#include "host/database.h"
#include "host/print.h"
#include "host/rx.h"
#include "jobsettings/access_points.h"
#include "platform/wide_string.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: project-name DRAWING\n");
    return 2;
  }
  // The host loads the module the way a CAD session does; it is found next to
  // the host library.
  // The module reports loading on the host's command line; this program keeps it off its output.
  pnutCaptureOutput(true);
  PnRxDynamicLinker* linker = pnrxDynamicLinker();
  if (!linker->loadModule(L"KoVTAppSet.kmo")) {
    std::fprintf(stderr, "project-name: %s\n", WideToUtf8(linker->lastLoadError()).c_str());
    return 1;
  }
  int result = 1;
  {
    auto drawing = std::make_unique<PnDbDatabase>(false);
    if (drawing->readDwgFile(Utf8ToWide(argv[1]).c_str()) != Plnx::eOk) {
      std::fprintf(stderr, "project-name: cannot read %s\n", argv[1]);
    } else {
      pndbHostApplicationServices()->setWorkingDatabase(drawing.get());
      if (KOVTReinfJobSettings* settings = REINF_JOBSET()) {
        std::printf("%s\n", WideToUtf8(settings->Project.ProjectName.str()).c_str());
        result = 0;
      } else {
        std::fprintf(stderr, "project-name: %s has no reinforcement settings\n", argv[1]);
      }
      REMOVE_JOBSET(drawing.get());
      pndbHostApplicationServices()->setWorkingDatabase(nullptr);
    }
  }
  linker->unloadModule(L"KoVTAppSet.kmo");
  return result;
}
