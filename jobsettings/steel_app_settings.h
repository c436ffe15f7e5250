// The steel application's own display settings, stored as
// "AppSett.<GROUP>.<PAR_NAME>" and held as AppSett.<GROUP>.<PAR_NAME>. The
// key table gives them their defaults.
#pragma once

#include <cstdint>

#include "core/kovt_string.h"

struct SAPPSETT {
  struct {
    std::int32_t PAR_LANG{};
    KOVTString PAR_STRUCT;  // design code of the application
    KOVTString PAR_DRAW;    // drawing standard of the application
  } INTERNATIONAL;

  struct {
    bool PAR_FRAME{};
    bool PAR_MATCH{};
    bool PAR_CONNECT{};
    bool PAR_BOLTS{};
    bool PAR_WELDS{};
    double PAR_FRONT{};
    double PAR_BEHIND{};
    std::int32_t PAR_COURVE{};
    std::int32_t PAR_COLMACH{};
    bool PAR_ACCELER{};
    bool PAR_MARKSHOW{};
    std::int32_t PAR_MARKREL{};
    double PAR_MARKSIZE{};
    bool PAR_SYMB{};
    bool PAR_SYMBGR{};
    bool PAR_SCHEMESYMB{};
  } DISPLAY;

  struct {
    std::int32_t PAR_DISP{};
    bool PAR_LOC{};
    bool PAR_BOUND{};
    bool PAR_CENTER{};
    bool PAR_INSERT{};
  } PROFILES;

  struct {
    bool PAR_LOC{};
    bool PAR_BOUND{};
    bool PAR_MIDDLE{};
    bool PAR_INSERT{};
  } PLATES;

  struct {
    KOVTString PAR_LINE;
    bool PAR_LABEL{};
    std::int32_t PAR_SHAPE{};
    KOVTString PAR_TEXTSTYLE;
    bool PAR_UCS{};
  } FRAMES;

  // Each symbol is stored as size, mode, colour; the members keep their own order.
  struct {
    double PAR_SPHERESIZE{};
    std::int32_t PAR_SPHEREMOD{};
    bool PAR_COORD{};
    std::int32_t PAR_EWCOLOR{};
    double PAR_EWSIZE{};
    std::int32_t PAR_EWMOD{};
    std::int32_t PAR_GRCOLOR{};
    double PAR_GRSIZE{};
    std::int32_t PAR_GRMOD{};
    std::int32_t PAR_SCHEMECOLOR{};
    std::int32_t PAR_SCHEMEMOD{};
    double PAR_SCHEMESIZE{};
  } CONNECT;

  struct {
    std::int32_t PAR_BOLTDISP{};
    std::int32_t PAR_WELDDISP{};
  } BOLTWELD;

  struct {
    bool PAR_INSPECTOR{};
    bool PAR_DIALOG{};
  } ENVIRONMENT;
};
