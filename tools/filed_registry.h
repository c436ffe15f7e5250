// A template's settings registry as the items its keeper files, which a copy
// adds to each target as they are: the registry is then neither copied key by
// key nor filed again for every target, and the target never reads it.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "host/database.h"
#include "host/filed_items.h"
#include "tools/copied_references.h"

class FiledRegistry {
 public:
  // The registry of a template's settings dictionary (open for read) when its
  // keeper is the dictionary's one entry; nothing otherwise, or when the
  // keeper does not file.
  static std::optional<FiledRegistry> Of(const PnDbDictionary& settings);

  // Adds the registry to a target's empty settings dictionary (open for
  // write), under the keeper's name, its ids of the template moved to their
  // counterparts (an id without one is null). False, with nothing added, when
  // the dictionary refuses it.
  bool AddTo(PnDbDictionary& settings, const CopiedReferences::Counterparts& counterparts) const;

 private:
  FiledRegistry(std::wstring entry, std::u16string className, PnDbFiledItems items);

  std::wstring m_entry;
  std::u16string m_className;
  PnDbFiledItems m_items;
  // Which of the items' ids hold an object of the template, and which object.
  std::vector<std::pair<std::size_t, PnDbObjectId>> m_ids;
};
