// Settings copied from a template drawing still hold ids of the template's
// linetypes, text styles and dimension styles, which the target cannot file:
// saved as they are they would come back null.
#pragma once

#include "host/database.h"
#include "registry/registry_access.h"

// Moves the ids of the template's own objects that a copied registry tree
// holds to the target's records.
class CopiedReferences {
 public:
  // Notes whether the registry's tree holds ids of `from` at all.
  CopiedReferences(PnDbDatabase* from, KoVTPrjReg::TRegistry& registry);

  // Points every id of `from` in the registry's tree at the target's record
  // of the same name. A linetype or text style the target lacks is copied
  // over first; a dimension style it lacks, and an id of anything else of
  // `from`, becomes null.
  void MoveTo(PnDbDatabase* to, KoVTPrjReg::TRegistry& registry) const;

 private:
  PnDbDatabase* m_from;
  bool m_holdsIds = false;
};
