// Golden listings of a stored set, read from data files: every key in stored
// order with its kind and the value it holds.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <variant>
#include <vector>

#include "jobsettings/key_table.h"
#include "tests/support/golden_rows.h"

using Bytes = std::vector<std::uint8_t>;
struct Text {
  std::wstring text;
};
// A key the registry files itself (an object id, a presentation structure),
// which a listing of values leaves out.
struct ByRegistry {
  std::wstring kind;
};
using Value = std::variant<bool, std::int32_t, double, Text, Bytes, ByRegistry>;

struct Stored {
  std::wstring name;
  Value value;
};
using StoredKeys = std::vector<Stored>;

// The rows "<key> <kind> <value>" of a data file below tests/jobsettings/data.
// Kinds Integer, Float, Bool, String and Binary (empty) hold values; any other
// kind is filed by the registry and its value field is not read.
inline StoredKeys GoldenSet(const std::string& file) {
  StoredKeys keys;
  for (const GoldenRow& row : ReadGoldenRows("jobsettings/data/" + file, 3)) {
    const std::wstring& kind = row[1];
    const std::wstring& text = row[2];
    Value value = ByRegistry{kind};
    if (kind == L"Integer") value = static_cast<std::int32_t>(std::stol(text));
    else if (kind == L"Float") value = std::stod(text);
    else if (kind == L"Bool") value = text == L"true";
    else if (kind == L"String") value = Text{text};
    else if (kind == L"Binary") value = Bytes{};
    if (kind == L"Bool" && text != L"true" && text != L"false") ADD_FAILURE() << "not a bool: " << row[0].c_str();
    keys.push_back({row[0], value});
  }
  return keys;
}

// The keys a listing of values names.
inline StoredKeys ListedIn(const StoredKeys& keys) {
  StoredKeys listed;
  for (const Stored& key : keys)
    if (!std::holds_alternative<ByRegistry>(key.value)) listed.push_back(key);
  return listed;
}

inline std::vector<std::wstring> NamesOf(const StoredKeys& keys) {
  std::vector<std::wstring> names;
  for (const Stored& key : keys) names.push_back(key.name);
  return names;
}

// Whether `field` holds a value of the kind and value of `expected`.
inline bool Holds(const KovtJobKeys::Field& field, const Value& expected) {
  struct Compare {
    const Value& expected;
    bool operator()(bool* v) const { return std::holds_alternative<bool>(expected) && *v == std::get<bool>(expected); }
    bool operator()(std::int32_t* v) const {
      return std::holds_alternative<std::int32_t>(expected) && *v == std::get<std::int32_t>(expected);
    }
    bool operator()(double* v) const {
      return std::holds_alternative<double>(expected) && *v == std::get<double>(expected);
    }
    bool operator()(KOVTString* v) const {
      return std::holds_alternative<Text>(expected) && *v == std::get<Text>(expected).text.c_str();
    }
    bool operator()(Bytes* v) const {
      return std::holds_alternative<Bytes>(expected) && *v == std::get<Bytes>(expected);
    }
  };
  return std::visit(Compare{expected}, field);
}

// The listing names the golden keys that hold values in their order, each
// holding its value.
inline void ExpectListing(const std::vector<KovtJobKeys::Entry>& listing, const StoredKeys& golden) {
  const StoredKeys listed = ListedIn(golden);
  ASSERT_EQ(listing.size(), listed.size());
  for (std::size_t i = 0; i < listing.size(); ++i) {
    EXPECT_EQ(listing[i].name, listed[i].name.c_str()) << "position " << i;
    EXPECT_TRUE(Holds(listing[i].field, listed[i].value)) << listing[i].name.c_str();
  }
}
