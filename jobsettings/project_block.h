// The project description every module stores under "Project."; all but
// the note mirror a project variable.
#pragma once

#include "core/kovt_string.h"

struct TPROJECT {
  KOVTString Office;
  KOVTString Investor;
  KOVTString ProjectName;
  KOVTString ProjectNo;
  KOVTString Address;
  KOVTString Designer;
  KOVTString Revision;
  KOVTString Verified;
  KOVTString Date;
  KOVTString Note;
};
