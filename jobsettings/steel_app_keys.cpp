#include "jobsettings/steel_job_settings.h"
#include "jobsettings/steel_keys.h"

namespace KovsJobKeys {

namespace {

// The second dot of "AppSett.DISPLAY.PAR_FRAME" is part of the value name.
// clang-format off
const Key kApplicationKeys[] = {
    KEY(AppSett.INTERNATIONAL.PAR_LANG, 33),
    KEY(AppSett.INTERNATIONAL.PAR_STRUCT, L"EC3"),
    KEY(AppSett.INTERNATIONAL.PAR_DRAW, L"ISO-129"),
    KEY(AppSett.DISPLAY.PAR_FRAME, true),
    KEY(AppSett.DISPLAY.PAR_MATCH),
    KEY(AppSett.DISPLAY.PAR_CONNECT),
    KEY(AppSett.DISPLAY.PAR_BOLTS, true),
    KEY(AppSett.DISPLAY.PAR_WELDS, true),
    KEY(AppSett.DISPLAY.PAR_FRONT, 1.0),
    KEY(AppSett.DISPLAY.PAR_BEHIND, 1.0),
    KEY(AppSett.DISPLAY.PAR_COURVE, 1),
    KEY(AppSett.DISPLAY.PAR_COLMACH, 6),
    KEY(AppSett.DISPLAY.PAR_ACCELER),
    KEY(AppSett.DISPLAY.PAR_MARKSHOW),
    KEY(AppSett.DISPLAY.PAR_MARKREL),
    KEY(AppSett.DISPLAY.PAR_MARKSIZE, 5.0),
    KEY(AppSett.DISPLAY.PAR_SYMB),
    KEY(AppSett.DISPLAY.PAR_SYMBGR),
    KEY(AppSett.DISPLAY.PAR_SCHEMESYMB),
    KEY(AppSett.PROFILES.PAR_DISP, 2),
    KEY(AppSett.PROFILES.PAR_LOC),
    KEY(AppSett.PROFILES.PAR_BOUND),
    KEY(AppSett.PROFILES.PAR_CENTER),
    KEY(AppSett.PROFILES.PAR_INSERT),
    KEY(AppSett.PLATES.PAR_LOC),
    KEY(AppSett.PLATES.PAR_BOUND),
    KEY(AppSett.PLATES.PAR_MIDDLE),
    KEY(AppSett.PLATES.PAR_INSERT),
    KEY(AppSett.FRAMES.PAR_LINE, L"Standard"),
    KEY(AppSett.FRAMES.PAR_LABEL, true),
    KEY(AppSett.FRAMES.PAR_SHAPE),
    KEY(AppSett.FRAMES.PAR_TEXTSTYLE, L"Standard"),
    KEY(AppSett.FRAMES.PAR_UCS),
    KEY(AppSett.CONNECT.PAR_SPHERESIZE, 20.0),
    KEY(AppSett.CONNECT.PAR_SPHEREMOD),
    KEY(AppSett.CONNECT.PAR_COORD),
    KEY(AppSett.CONNECT.PAR_EWSIZE, 20.0),
    KEY(AppSett.CONNECT.PAR_EWMOD),
    KEY(AppSett.CONNECT.PAR_EWCOLOR),
    KEY(AppSett.CONNECT.PAR_GRSIZE, 20.0),
    KEY(AppSett.CONNECT.PAR_GRMOD),
    KEY(AppSett.CONNECT.PAR_GRCOLOR),
    KEY(AppSett.CONNECT.PAR_SCHEMESIZE, 20.0),
    KEY(AppSett.CONNECT.PAR_SCHEMEMOD),
    KEY(AppSett.CONNECT.PAR_SCHEMECOLOR),
    KEY(AppSett.BOLTWELD.PAR_BOLTDISP),
    KEY(AppSett.BOLTWELD.PAR_WELDDISP, 1),
    KEY(AppSett.ENVIRONMENT.PAR_INSPECTOR, true),
    KEY(AppSett.ENVIRONMENT.PAR_DIALOG, true),
    KEY(Units.WorkUnitMode, 1),
    KEY(Units.WorkUnitName, L"mm"),
    KEY(Units.WorkUnitType),
    KEY(Units.WorkUnitPrec, 4),
    KEY(Units.DescFrmtType),
    KEY(Units.DescFrmtPrec, 2),
    KEY(Units.StyleTabType),
    KEY(Units.StyleTabPrec),
};
// clang-format on

}  // namespace

std::span<const Key> ApplicationKeys() { return kApplicationKeys; }

}  // namespace KovsJobKeys
