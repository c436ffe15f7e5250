// The largest single allocation made through operator new while a probe is
// alive, and, on request, allocations that fail. Linking allocation_probe.cpp
// replaces the global operator new.
#pragma once

#include <cstddef>

class AllocationProbe {
 public:
  AllocationProbe();
  ~AllocationProbe();
  AllocationProbe(const AllocationProbe&) = delete;
  AllocationProbe& operator=(const AllocationProbe&) = delete;
  std::size_t Largest() const;
  // While set, every operator new throws std::bad_alloc.
  void Refuse(bool refuse);
};
