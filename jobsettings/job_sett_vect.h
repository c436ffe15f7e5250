// The named settings sets of one module in one drawing: the list of set names
// in insertion order (duplicates possible) and the name of the default set.
#pragma once

#include <vector>

#include "core/kovt_string.h"

class KOVTJobSettVect {
 public:
  KOVTJobSettVect() : m_names{KOVTString(L"Standard")}, m_default(L"Standard") {}

  std::vector<KOVTString>& Names() { return m_names; }
  const std::vector<KOVTString>& Names() const { return m_names; }
  KOVTString& Default() { return m_default; }
  const KOVTString& Default() const { return m_default; }

  // Appends `name`, or a numbered variant of it, in one forward pass: each
  // entry equal to the candidate so far moves the candidate on to name0,
  // name1, ... Entries before the one that changed it are not looked at
  // again, so the result need not be unique.
  void Add(const KOVTString& name);
  // Removes every entry equal to `name`; the default name is left alone.
  void Remove(const KOVTString& name);

 private:
  std::vector<KOVTString> m_names;
  KOVTString m_default;
};
