// The steel application's own display settings, stored as
// "AppSett.<GROUP>.<PAR_NAME>" and held as AppSett.<GROUP>.<PAR_NAME>. The
// member initialisers are the defaults of a new set.
#pragma once

#include <cstdint>

#include "core/kovt_string.h"

struct SAPPSETT {
  struct {
    std::int32_t PAR_LANG = 33;
    KOVTString PAR_STRUCT{L"EC3"};   // design code of the application
    KOVTString PAR_DRAW{L"ISO-129"};  // drawing standard of the application
  } INTERNATIONAL;

  struct {
    bool PAR_FRAME = true;
    bool PAR_MATCH = false;
    bool PAR_CONNECT = false;
    bool PAR_BOLTS = true;
    bool PAR_WELDS = true;
    double PAR_FRONT = 1.0;
    double PAR_BEHIND = 1.0;
    std::int32_t PAR_COURVE = 1;
    std::int32_t PAR_COLMACH = 6;
    bool PAR_ACCELER = false;
    bool PAR_MARKSHOW = false;
    std::int32_t PAR_MARKREL = 0;
    double PAR_MARKSIZE = 5.0;
    bool PAR_SYMB = false;
    bool PAR_SYMBGR = false;
    bool PAR_SCHEMESYMB = false;
  } DISPLAY;

  struct {
    std::int32_t PAR_DISP = 2;
    bool PAR_LOC = false;
    bool PAR_BOUND = false;
    bool PAR_CENTER = false;
    bool PAR_INSERT = false;
  } PROFILES;

  struct {
    bool PAR_LOC = false;
    bool PAR_BOUND = false;
    bool PAR_MIDDLE = false;
    bool PAR_INSERT = false;
  } PLATES;

  struct {
    KOVTString PAR_LINE{L"Standard"};
    bool PAR_LABEL = true;
    std::int32_t PAR_SHAPE = 0;
    KOVTString PAR_TEXTSTYLE{L"Standard"};
    bool PAR_UCS = false;
  } FRAMES;

  // Each symbol is stored as size, mode, colour; the members keep their own order.
  struct {
    double PAR_SPHERESIZE = 20.0;
    std::int32_t PAR_SPHEREMOD = 0;
    bool PAR_COORD = false;
    std::int32_t PAR_EWCOLOR = 0;
    double PAR_EWSIZE = 20.0;
    std::int32_t PAR_EWMOD = 0;
    std::int32_t PAR_GRCOLOR = 0;
    double PAR_GRSIZE = 20.0;
    std::int32_t PAR_GRMOD = 0;
    std::int32_t PAR_SCHEMECOLOR = 0;
    std::int32_t PAR_SCHEMEMOD = 0;
    double PAR_SCHEMESIZE = 20.0;
  } CONNECT;

  struct {
    std::int32_t PAR_BOLTDISP = 0;
    std::int32_t PAR_WELDDISP = 1;
  } BOLTWELD;

  struct {
    bool PAR_INSPECTOR = true;
    bool PAR_DIALOG = true;
  } ENVIRONMENT;
};
