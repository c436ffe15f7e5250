// Copying the reinforcement module's shared dictionaries into another drawing.
#pragma once

#include "host/database.h"

// Merges (never replacing anything) the source's "Style" dictionary below the
// application root of the current context, and the steel module's
// "CrSecKeepers" and "MaterialKeepers" dictionaries, into the destination
// (null: the working database). A missing keeper dictionary is created, on
// either side, only while the steel module has its class registered. False
// only without a source or a destination.
bool CopyKovrDictFromTo(PnDbDatabase* source, PnDbDatabase* destination = nullptr);
