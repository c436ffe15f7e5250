// KoVT::EProjectRegistry: thrown when a project registry is used before the
// keeper's runtime class is registered (KoVTPrjReg::Initialize).
#pragma once

#include <string>

#include "core/exception.h"

namespace KoVT {

class EProjectRegistry : public Exception {
 public:
  explicit EProjectRegistry(const std::wstring& message) : Exception(KOVTString(message), nullptr) {}
  EProjectRegistry(const EProjectRegistry&) = default;
  EProjectRegistry(EProjectRegistry&&) = default;
  EProjectRegistry& operator=(const EProjectRegistry&) = default;
  ~EProjectRegistry() override = default;
};

}  // namespace KoVT
