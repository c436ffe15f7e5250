// Stamps: a drawing belongs to a module of the family when its root "KOVT"
// holds that module's root ("KOVR", "KOVS" or "KOVX"). A null database means
// the working database. None of the tests creates anything.
#pragma once

#include "host/database.h"

bool KovtIsKovrStamp(PnDbDatabase* database = nullptr);
bool KovtIsKovsStamp(PnDbDatabase* database = nullptr);
bool KovtIsKovxStamp(PnDbDatabase* database = nullptr);
// Any of the three.
bool KovtIsStamp(PnDbDatabase* database = nullptr);

// Stamps an unstamped drawing with the entry `name` below "KOVT" (created
// with it, as a KOVTAppDictionary when missing). A drawing carries at most
// one stamp made here: false when it has one already.
bool KovtStampDb(const wchar_t* name, PnDbDatabase* database = nullptr);
