// Filing pieces shared by the key tree and the keeper.
//
// Failures found in the data itself are made to stick on the filer, as the
// filer's own failures do, so nothing after them is read as if it were valid.
#pragma once

#include <cstddef>
#include <cstdint>

#include "host/filer.h"

namespace KoVTPrjReg {

inline Plnx::ErrorStatus FailFiling(PnDbDwgFiler* filer, Plnx::ErrorStatus status) {
  filer->setFilerStatus(status);
  return status;
}

// A count of values, sub-keys or bytes; a negative one counts nothing.
inline Plnx::ErrorStatus ReadCount(PnDbDwgFiler* filer, std::int32_t& count) {
  count = 0;
  Plnx::ErrorStatus es = filer->readInt32(&count);
  if (count < 0) count = 0;
  return es;
}

inline Plnx::ErrorStatus WriteCount(PnDbDwgFiler* filer, std::size_t count) {
  if (count > static_cast<std::size_t>(INT32_MAX)) return FailFiling(filer, Plnx::eInvalidInput);
  return filer->writeInt32(static_cast<std::int32_t>(count));
}

}  // namespace KoVTPrjReg
