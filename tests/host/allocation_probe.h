// The largest single allocation made through operator new while a probe is
// alive. Linking allocation_probe.cpp replaces the global operator new.
#pragma once

#include <cstddef>

class AllocationProbe {
 public:
  AllocationProbe();
  ~AllocationProbe();
  AllocationProbe(const AllocationProbe&) = delete;
  AllocationProbe& operator=(const AllocationProbe&) = delete;
  std::size_t Largest() const;
};
