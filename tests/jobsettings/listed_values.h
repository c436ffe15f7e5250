// Test helpers over the listing of a settings set (ListKeys): changing every
// listed member, and comparing two listings member by member.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <variant>
#include <vector>

#include "jobsettings/key_table.h"

// Changes a value to one unlike it, by `n`.
struct ChangeBy {
  std::int32_t n;
  void operator()(bool* value) const { *value = !*value; }
  void operator()(std::int32_t* value) const { *value += n; }
  void operator()(double* value) const { *value += n + 0.25; }
  void operator()(KOVTString* value) const {
    KOVTString suffix;
    suffix.Format(L"~%d", n);
    *value += suffix;
  }
  void operator()(std::vector<std::uint8_t>* value) const { value->push_back(static_cast<std::uint8_t>(n)); }
};

// Gives every listed member but "Version" a value unlike its own; the n-th
// listed value changes by n, so no two members of a kind end up equal.
inline void ScrambleListed(const std::vector<KovtJobKeys::Entry>& listing) {
  std::int32_t n = 0;
  for (const KovtJobKeys::Entry& key : listing) {
    ++n;
    if (key.name != L"Version") std::visit(ChangeBy{n}, key.field);
  }
}

// Both listings name the same keys in the same order, with equal members.
inline void ExpectSameListedValues(const std::vector<KovtJobKeys::Entry>& left,
                                   const std::vector<KovtJobKeys::Entry>& right) {
  ASSERT_EQ(left.size(), right.size());
  for (std::size_t i = 0; i < left.size(); ++i) {
    ASSERT_EQ(left[i].name, right[i].name);
    bool same =
        std::visit([&](auto* value) { return *value == *std::get<decltype(value)>(right[i].field); }, left[i].field);
    EXPECT_TRUE(same) << left[i].name.c_str();
  }
}
