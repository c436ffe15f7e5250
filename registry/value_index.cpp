#include "registry/value_index.h"

#include <sys/random.h>

#include <bit>
#include <cerrno>
#include <cstdint>
#include <random>

namespace KoVTPrjReg {

namespace {

// One system call, where a random_device first probes the processor, which is
// slow on a virtual machine.
std::uint64_t ProcessSeed() {
  std::uint64_t seed = 0;
  ssize_t got = 0;
  do got = ::getrandom(&seed, sizeof seed, 0);
  while (got < 0 && errno == EINTR);
  if (got == static_cast<ssize_t>(sizeof seed)) return seed;
  return (std::uint64_t{std::random_device{}()} << 32) | std::random_device{}();
}

}  // namespace

std::size_t TValueIndex::Find(std::wstring_view name) const {
  auto it = m_positions.find(name);
  return it == m_positions.end() ? kAbsent : it->second;
}

// Two characters into each of two lanes a step, folded at the end.
std::size_t TValueIndex::SeededHash::operator()(std::wstring_view name) const {
  static const std::uint64_t kSeed = ProcessSeed();
  constexpr std::uint64_t kMultiplier = 0x9e3779b97f4a7c15ull;
  const auto code = [&](std::size_t at) {
    return at < name.size() ? std::uint64_t{static_cast<std::uint32_t>(name[at])} : 0;
  };
  const auto pair = [&](std::size_t at) { return code(at) << 32 | code(at + 1); };
  std::uint64_t first = (kSeed ^ name.size()) * kMultiplier;
  std::uint64_t second = ~kSeed * kMultiplier;
  for (std::size_t i = 0; i < name.size(); i += 4) {
    first = (first ^ pair(i)) * kMultiplier;
    second = (second ^ pair(i + 2)) * kMultiplier;
  }
  const std::uint64_t hash = (first ^ (first >> 32) ^ std::rotl(second, 29)) * kMultiplier;
  return static_cast<std::size_t>(hash ^ (hash >> 29));
}

}  // namespace KoVTPrjReg
