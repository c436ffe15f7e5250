// The "ProjectSettings" dictionary the job settings are stored in: the one the
// caller gives, or the one below the current application's root in the
// working database (created when missing, open for write), closed again when
// the scope ends. A caller's dictionary is left as it was handed in.
#pragma once

#include "dictionaries/typed_dicts.h"

class KovtSettingsDictionary {
 public:
  explicit KovtSettingsDictionary(PnDbDictionary* given)
      : m_dictionary(given != nullptr ? given
                                      : KOVTGetDict(PnDbDictionary::desc(), DDT_ProjectSettings, PnDb::kForWrite,
                                                    DDI_Application, nullptr)),
        m_owned(given == nullptr) {}
  ~KovtSettingsDictionary() {
    if (m_owned && m_dictionary != nullptr) m_dictionary->close();
  }
  KovtSettingsDictionary(const KovtSettingsDictionary&) = delete;
  KovtSettingsDictionary& operator=(const KovtSettingsDictionary&) = delete;

  PnDbDictionary* get() const { return m_dictionary; }

 private:
  PnDbDictionary* m_dictionary;
  bool m_owned;
};
