// Filing a list of named keys: the sub-keys part of a key record, and the
// body of the keeper record (its root keys).
//
//   Int32 count, then per key: its name and its key record.
//
// Both directions walk the tree with a stack of their own instead of
// recursing, so the nesting a drawing holds is bounded by its bytes only.
#pragma once

#include "host/filer.h"
#include "registry/registry_key.h"

namespace KoVTPrjReg {

// Adds the keys read to `keys`; a name already present keeps its key. A key
// whose record fails is deleted with all it had read; complete keys stay.
Plnx::ErrorStatus DwgInKeyList(PnDbDwgFiler* filer, TKeyMap& keys);
Plnx::ErrorStatus DwgOutKeyList(PnDbDwgFiler* filer, const TKeyMap& keys);

}  // namespace KoVTPrjReg
