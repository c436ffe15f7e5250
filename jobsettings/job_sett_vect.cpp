#include "jobsettings/job_sett_vect.h"

#include <algorithm>

void KOVTJobSettVect::Add(const KOVTString& name) {
  KOVTString candidate = name;
  int suffix = 0;
  for (const KOVTString& entry : m_names) {
    if (entry == candidate) candidate.Format(L"%ls%d", name.c_str(), suffix++);
  }
  m_names.push_back(candidate);
}

void KOVTJobSettVect::Remove(const KOVTString& name) {
  m_names.erase(std::remove(m_names.begin(), m_names.end(), name), m_names.end());
}
