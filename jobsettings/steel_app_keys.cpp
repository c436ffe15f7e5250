#include "jobsettings/steel_job_settings.h"
#include "jobsettings/steel_keys.h"

namespace KovsJobKeys {

namespace {

using S = KOVTSteelJobSettings;
using KovtJobKeys::Field;

// The second dot of "AppSett.DISPLAY.PAR_FRAME" is part of the value name.
// clang-format off
const Key kApplicationKeys[] = {
    {L"AppSett.INTERNATIONAL.PAR_LANG", [](S& s) -> Field { return &s.AppSett.INTERNATIONAL.PAR_LANG; }},
    {L"AppSett.INTERNATIONAL.PAR_STRUCT", [](S& s) -> Field { return &s.AppSett.INTERNATIONAL.PAR_STRUCT; }},
    {L"AppSett.INTERNATIONAL.PAR_DRAW", [](S& s) -> Field { return &s.AppSett.INTERNATIONAL.PAR_DRAW; }},
    {L"AppSett.DISPLAY.PAR_FRAME", [](S& s) -> Field { return &s.AppSett.DISPLAY.PAR_FRAME; }},
    {L"AppSett.DISPLAY.PAR_MATCH", [](S& s) -> Field { return &s.AppSett.DISPLAY.PAR_MATCH; }},
    {L"AppSett.DISPLAY.PAR_CONNECT", [](S& s) -> Field { return &s.AppSett.DISPLAY.PAR_CONNECT; }},
    {L"AppSett.DISPLAY.PAR_BOLTS", [](S& s) -> Field { return &s.AppSett.DISPLAY.PAR_BOLTS; }},
    {L"AppSett.DISPLAY.PAR_WELDS", [](S& s) -> Field { return &s.AppSett.DISPLAY.PAR_WELDS; }},
    {L"AppSett.DISPLAY.PAR_FRONT", [](S& s) -> Field { return &s.AppSett.DISPLAY.PAR_FRONT; }},
    {L"AppSett.DISPLAY.PAR_BEHIND", [](S& s) -> Field { return &s.AppSett.DISPLAY.PAR_BEHIND; }},
    {L"AppSett.DISPLAY.PAR_COURVE", [](S& s) -> Field { return &s.AppSett.DISPLAY.PAR_COURVE; }},
    {L"AppSett.DISPLAY.PAR_COLMACH", [](S& s) -> Field { return &s.AppSett.DISPLAY.PAR_COLMACH; }},
    {L"AppSett.DISPLAY.PAR_ACCELER", [](S& s) -> Field { return &s.AppSett.DISPLAY.PAR_ACCELER; }},
    {L"AppSett.DISPLAY.PAR_MARKSHOW", [](S& s) -> Field { return &s.AppSett.DISPLAY.PAR_MARKSHOW; }},
    {L"AppSett.DISPLAY.PAR_MARKREL", [](S& s) -> Field { return &s.AppSett.DISPLAY.PAR_MARKREL; }},
    {L"AppSett.DISPLAY.PAR_MARKSIZE", [](S& s) -> Field { return &s.AppSett.DISPLAY.PAR_MARKSIZE; }},
    {L"AppSett.DISPLAY.PAR_SYMB", [](S& s) -> Field { return &s.AppSett.DISPLAY.PAR_SYMB; }},
    {L"AppSett.DISPLAY.PAR_SYMBGR", [](S& s) -> Field { return &s.AppSett.DISPLAY.PAR_SYMBGR; }},
    {L"AppSett.DISPLAY.PAR_SCHEMESYMB", [](S& s) -> Field { return &s.AppSett.DISPLAY.PAR_SCHEMESYMB; }},
    {L"AppSett.PROFILES.PAR_DISP", [](S& s) -> Field { return &s.AppSett.PROFILES.PAR_DISP; }},
    {L"AppSett.PROFILES.PAR_LOC", [](S& s) -> Field { return &s.AppSett.PROFILES.PAR_LOC; }},
    {L"AppSett.PROFILES.PAR_BOUND", [](S& s) -> Field { return &s.AppSett.PROFILES.PAR_BOUND; }},
    {L"AppSett.PROFILES.PAR_CENTER", [](S& s) -> Field { return &s.AppSett.PROFILES.PAR_CENTER; }},
    {L"AppSett.PROFILES.PAR_INSERT", [](S& s) -> Field { return &s.AppSett.PROFILES.PAR_INSERT; }},
    {L"AppSett.PLATES.PAR_LOC", [](S& s) -> Field { return &s.AppSett.PLATES.PAR_LOC; }},
    {L"AppSett.PLATES.PAR_BOUND", [](S& s) -> Field { return &s.AppSett.PLATES.PAR_BOUND; }},
    {L"AppSett.PLATES.PAR_MIDDLE", [](S& s) -> Field { return &s.AppSett.PLATES.PAR_MIDDLE; }},
    {L"AppSett.PLATES.PAR_INSERT", [](S& s) -> Field { return &s.AppSett.PLATES.PAR_INSERT; }},
    {L"AppSett.FRAMES.PAR_LINE", [](S& s) -> Field { return &s.AppSett.FRAMES.PAR_LINE; }},
    {L"AppSett.FRAMES.PAR_LABEL", [](S& s) -> Field { return &s.AppSett.FRAMES.PAR_LABEL; }},
    {L"AppSett.FRAMES.PAR_SHAPE", [](S& s) -> Field { return &s.AppSett.FRAMES.PAR_SHAPE; }},
    {L"AppSett.FRAMES.PAR_TEXTSTYLE", [](S& s) -> Field { return &s.AppSett.FRAMES.PAR_TEXTSTYLE; }},
    {L"AppSett.FRAMES.PAR_UCS", [](S& s) -> Field { return &s.AppSett.FRAMES.PAR_UCS; }},
    {L"AppSett.CONNECT.PAR_SPHERESIZE", [](S& s) -> Field { return &s.AppSett.CONNECT.PAR_SPHERESIZE; }},
    {L"AppSett.CONNECT.PAR_SPHEREMOD", [](S& s) -> Field { return &s.AppSett.CONNECT.PAR_SPHEREMOD; }},
    {L"AppSett.CONNECT.PAR_COORD", [](S& s) -> Field { return &s.AppSett.CONNECT.PAR_COORD; }},
    {L"AppSett.CONNECT.PAR_EWSIZE", [](S& s) -> Field { return &s.AppSett.CONNECT.PAR_EWSIZE; }},
    {L"AppSett.CONNECT.PAR_EWMOD", [](S& s) -> Field { return &s.AppSett.CONNECT.PAR_EWMOD; }},
    {L"AppSett.CONNECT.PAR_EWCOLOR", [](S& s) -> Field { return &s.AppSett.CONNECT.PAR_EWCOLOR; }},
    {L"AppSett.CONNECT.PAR_GRSIZE", [](S& s) -> Field { return &s.AppSett.CONNECT.PAR_GRSIZE; }},
    {L"AppSett.CONNECT.PAR_GRMOD", [](S& s) -> Field { return &s.AppSett.CONNECT.PAR_GRMOD; }},
    {L"AppSett.CONNECT.PAR_GRCOLOR", [](S& s) -> Field { return &s.AppSett.CONNECT.PAR_GRCOLOR; }},
    {L"AppSett.CONNECT.PAR_SCHEMESIZE", [](S& s) -> Field { return &s.AppSett.CONNECT.PAR_SCHEMESIZE; }},
    {L"AppSett.CONNECT.PAR_SCHEMEMOD", [](S& s) -> Field { return &s.AppSett.CONNECT.PAR_SCHEMEMOD; }},
    {L"AppSett.CONNECT.PAR_SCHEMECOLOR", [](S& s) -> Field { return &s.AppSett.CONNECT.PAR_SCHEMECOLOR; }},
    {L"AppSett.BOLTWELD.PAR_BOLTDISP", [](S& s) -> Field { return &s.AppSett.BOLTWELD.PAR_BOLTDISP; }},
    {L"AppSett.BOLTWELD.PAR_WELDDISP", [](S& s) -> Field { return &s.AppSett.BOLTWELD.PAR_WELDDISP; }},
    {L"AppSett.ENVIRONMENT.PAR_INSPECTOR", [](S& s) -> Field { return &s.AppSett.ENVIRONMENT.PAR_INSPECTOR; }},
    {L"AppSett.ENVIRONMENT.PAR_DIALOG", [](S& s) -> Field { return &s.AppSett.ENVIRONMENT.PAR_DIALOG; }},
    {L"Units.WorkUnitMode", [](S& s) -> Field { return &s.Units.WorkUnitMode; }},
    {L"Units.WorkUnitName", [](S& s) -> Field { return &s.Units.WorkUnitName; }},
    {L"Units.WorkUnitType", [](S& s) -> Field { return &s.Units.WorkUnitType; }},
    {L"Units.WorkUnitPrec", [](S& s) -> Field { return &s.Units.WorkUnitPrec; }},
    {L"Units.DescFrmtType", [](S& s) -> Field { return &s.Units.DescFrmtType; }},
    {L"Units.DescFrmtPrec", [](S& s) -> Field { return &s.Units.DescFrmtPrec; }},
    {L"Units.StyleTabType", [](S& s) -> Field { return &s.Units.StyleTabType; }},
    {L"Units.StyleTabPrec", [](S& s) -> Field { return &s.Units.StyleTabPrec; }},
};
// clang-format on

}  // namespace

std::span<const Key> ApplicationKeys() { return kApplicationKeys; }

}  // namespace KovsJobKeys
