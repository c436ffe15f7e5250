#include "jobsettings/steel_job_settings.h"
#include "jobsettings/steel_keys.h"

namespace KovsJobKeys {

namespace {

using S = KOVTSteelJobSettings;

// The second dot of "AppSett.DISPLAY.PAR_FRAME" is part of the value name.
// clang-format off
const Key kApplicationKeys[] = {
    KEY(AppSett.INTERNATIONAL.PAR_LANG),
    KEY(AppSett.INTERNATIONAL.PAR_STRUCT),
    KEY(AppSett.INTERNATIONAL.PAR_DRAW),
    KEY(AppSett.DISPLAY.PAR_FRAME),
    KEY(AppSett.DISPLAY.PAR_MATCH),
    KEY(AppSett.DISPLAY.PAR_CONNECT),
    KEY(AppSett.DISPLAY.PAR_BOLTS),
    KEY(AppSett.DISPLAY.PAR_WELDS),
    KEY(AppSett.DISPLAY.PAR_FRONT),
    KEY(AppSett.DISPLAY.PAR_BEHIND),
    KEY(AppSett.DISPLAY.PAR_COURVE),
    KEY(AppSett.DISPLAY.PAR_COLMACH),
    KEY(AppSett.DISPLAY.PAR_ACCELER),
    KEY(AppSett.DISPLAY.PAR_MARKSHOW),
    KEY(AppSett.DISPLAY.PAR_MARKREL),
    KEY(AppSett.DISPLAY.PAR_MARKSIZE),
    KEY(AppSett.DISPLAY.PAR_SYMB),
    KEY(AppSett.DISPLAY.PAR_SYMBGR),
    KEY(AppSett.DISPLAY.PAR_SCHEMESYMB),
    KEY(AppSett.PROFILES.PAR_DISP),
    KEY(AppSett.PROFILES.PAR_LOC),
    KEY(AppSett.PROFILES.PAR_BOUND),
    KEY(AppSett.PROFILES.PAR_CENTER),
    KEY(AppSett.PROFILES.PAR_INSERT),
    KEY(AppSett.PLATES.PAR_LOC),
    KEY(AppSett.PLATES.PAR_BOUND),
    KEY(AppSett.PLATES.PAR_MIDDLE),
    KEY(AppSett.PLATES.PAR_INSERT),
    KEY(AppSett.FRAMES.PAR_LINE),
    KEY(AppSett.FRAMES.PAR_LABEL),
    KEY(AppSett.FRAMES.PAR_SHAPE),
    KEY(AppSett.FRAMES.PAR_TEXTSTYLE),
    KEY(AppSett.FRAMES.PAR_UCS),
    KEY(AppSett.CONNECT.PAR_SPHERESIZE),
    KEY(AppSett.CONNECT.PAR_SPHEREMOD),
    KEY(AppSett.CONNECT.PAR_COORD),
    KEY(AppSett.CONNECT.PAR_EWSIZE),
    KEY(AppSett.CONNECT.PAR_EWMOD),
    KEY(AppSett.CONNECT.PAR_EWCOLOR),
    KEY(AppSett.CONNECT.PAR_GRSIZE),
    KEY(AppSett.CONNECT.PAR_GRMOD),
    KEY(AppSett.CONNECT.PAR_GRCOLOR),
    KEY(AppSett.CONNECT.PAR_SCHEMESIZE),
    KEY(AppSett.CONNECT.PAR_SCHEMEMOD),
    KEY(AppSett.CONNECT.PAR_SCHEMECOLOR),
    KEY(AppSett.BOLTWELD.PAR_BOLTDISP),
    KEY(AppSett.BOLTWELD.PAR_WELDDISP),
    KEY(AppSett.ENVIRONMENT.PAR_INSPECTOR),
    KEY(AppSett.ENVIRONMENT.PAR_DIALOG),
    KEY(Units.WorkUnitMode),
    KEY(Units.WorkUnitName),
    KEY(Units.WorkUnitType),
    KEY(Units.WorkUnitPrec),
    KEY(Units.DescFrmtType),
    KEY(Units.DescFrmtPrec),
    KEY(Units.StyleTabType),
    KEY(Units.StyleTabPrec),
};
// clang-format on

}  // namespace

std::span<const Key> ApplicationKeys() { return kApplicationKeys; }

}  // namespace KovsJobKeys
