// Replaces the global operator new to watch allocation sizes. Kept apart from
// code that allocates, so the compiler never sees both halves inlined.
#include <atomic>
#include <cstdlib>
#include <new>

#include "tests/host/allocation_probe.h"

namespace {
std::atomic<bool> g_probing{false};
std::atomic<std::size_t> g_largest{0};
std::atomic<bool> g_refusing{false};
}  // namespace

AllocationProbe::AllocationProbe() {
  g_largest = 0;
  g_probing = true;
}
AllocationProbe::~AllocationProbe() {
  g_probing = false;
  g_refusing = false;
}
std::size_t AllocationProbe::Largest() const { return g_largest; }
void AllocationProbe::Refuse(bool refuse) { g_refusing = refuse; }

void* operator new(std::size_t size) {
  if (g_refusing) throw std::bad_alloc();
  if (g_probing) {
    std::size_t seen = g_largest.load();
    while (size > seen && !g_largest.compare_exchange_weak(seen, size)) {
    }
  }
  if (void* p = std::malloc(size == 0 ? 1 : size)) return p;
  throw std::bad_alloc();
}
void* operator new[](std::size_t size) { return operator new(size); }
void operator delete(void* pointer) noexcept { std::free(pointer); }
void operator delete(void* pointer, std::size_t) noexcept { std::free(pointer); }
void operator delete[](void* pointer) noexcept { std::free(pointer); }
void operator delete[](void* pointer, std::size_t) noexcept { std::free(pointer); }
