// Settings copied from a template drawing still hold ids of the template's
// linetypes, text styles and dimension styles, which the target cannot file:
// saved as they are they would come back null.
#pragma once

#include <map>
#include <vector>

#include "host/database.h"
#include "registry/registry_access.h"

// Moves the ids of the template's own objects that a copied registry tree
// holds to the target's records.
class CopiedReferences {
 public:
  using Counterparts = std::map<PnDbObjectId, PnDbObjectId>;

  // Notes the ids of `from` the registry's tree holds.
  CopiedReferences(PnDbDatabase* from, KoVTPrjReg::TRegistry& registry);

  // Whether `to` has the record of every id's name already: finding the
  // counterparts then adds nothing to it.
  bool FoundIn(PnDbDatabase* to) const;
  // The target's record for each id, as MoveTo finds (or copies) it.
  Counterparts In(PnDbDatabase* to) const;

  // Points every id of `from` in the registry's tree at the target's record
  // of the same name. A linetype or text style the target lacks is copied
  // over first; a dimension style it lacks, and an id of anything else of
  // `from`, becomes null.
  void MoveTo(PnDbDatabase* to, KoVTPrjReg::TRegistry& registry) const;

 private:
  PnDbDatabase* m_from;
  // Each id once, in the order the tree is walked: linetypes and text styles
  // are copied over in that order.
  std::vector<PnDbObjectId> m_ids;
};
