// Object maps: the named object factories each application context offers
// to the modules of the family.
#pragma once

#include <map>
#include <string>
#include <vector>

class KovtObjectMaps {
 public:
  using Factory = void* (*)();

  // False when the name is taken or the factory is null.
  bool Add(const wchar_t* name, Factory factory);
  bool Remove(const wchar_t* name);
  Factory Find(const wchar_t* name) const;
  std::vector<std::wstring> Names() const;

 private:
  std::map<std::wstring, Factory> m_factories;
};

// The maps of an application context (0 reinforcement … 5 bar shapes); null
// for any other value. They live as long as the process.
KovtObjectMaps* GetObjectMaps(int contextType);
