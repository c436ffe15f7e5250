// Finding the project registries of a drawing: every registry keeper below
// the named-objects dictionary, with the dictionary path it sits at.
#pragma once

#include <string>
#include <vector>

#include "host/ids.h"

class PnDbDatabase;

struct KeeperPlace {
  // Entry names from the named-objects dictionary down to the keeper's
  // dictionary, joined with '/' ("KOVT/KOVS/ProjectSettings").
  std::string location;
  PnDbObjectId keeper;
};

// In dictionary order, depth first. Dictionaries nested deeper than a sane
// tree (a hostile drawing) are not searched, and one listed more than once is
// searched at its first place only.
std::vector<KeeperPlace> FindKeepers(PnDbDatabase* database);
