// Settings copied from a template drawing still hold ids of the template's
// linetypes, text styles and dimension styles, which the target cannot file:
// saved as they are they would come back null.
#pragma once

#include <vector>

#include "core/kovt_string.h"
#include "host/database.h"
#include "registry/registry_access.h"

// Where a registry tree of the template holds ids of the template's own
// objects: found once, then moved in every copy of the tree.
class CopiedReferences {
 public:
  // The places in the registry's tree of ids of `from`.
  CopiedReferences(PnDbDatabase* from, KoVTPrjReg::TRegistry& registry);

  // Points every id of `from` at those places of the registry's tree at the
  // target's record of the same name. A linetype or text style the target
  // lacks is copied over first; a dimension style it lacks, and an id of
  // anything else of `from`, becomes null.
  void MoveTo(PnDbDatabase* to, KoVTPrjReg::TRegistry& registry) const;

 private:
  struct Place {
    // From the root key down to the key holding the value.
    std::vector<KOVTString> keys;
    KOVTString value;
  };

  PnDbDatabase* m_from;
  std::vector<Place> m_places;
};
