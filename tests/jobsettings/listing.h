// Listings of a settings set (ListKeys) against golden values from data
// files: every key in stored order with its kind and value.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <variant>
#include <vector>

#include "dictionaries/typed_dicts.h"
#include "jobsettings/key_table.h"
#include "jobsettings/reinf_blocks.h"
#include "registry/registry_access.h"
#include "registry/registry_key.h"
#include "tests/support/golden_rows.h"
#include "tests/units/call_rows.h"

using Bytes = std::vector<std::uint8_t>;
struct Text {
  std::wstring text;
  bool operator==(const Text&) const = default;
};
// A key the registry files itself (an object id, a presentation structure),
// which a listing of values leaves out.
struct ByRegistry {
  std::wstring kind;
  bool operator==(const ByRegistry&) const = default;
};
using Value = std::variant<bool, std::int32_t, double, Text, Bytes, ByRegistry>;

struct Stored {
  std::wstring name;
  Value value;
};
using StoredKeys = std::vector<Stored>;

// A value given as kind Integer, Float, Bool, String or Binary (hex digits);
// any other kind is filed by the registry and its text is not read.
inline Value ValueOf(const std::wstring& kind, const std::wstring& text) {
  if (kind == L"Integer") return static_cast<std::int32_t>(std::stol(text));
  if (kind == L"Float") return std::stod(text);
  if (kind == L"Bool") {
    if (text != L"true" && text != L"false") ADD_FAILURE() << "not a bool";
    return text == L"true";
  }
  if (kind == L"String") return Text{text};
  if (kind == L"Binary") {
    Bytes bytes;
    for (std::size_t i = 0; i + 1 < text.size(); i += 2)
      bytes.push_back(static_cast<std::uint8_t>(std::stoul(text.substr(i, 2), nullptr, 16)));
    return bytes;
  }
  return ByRegistry{kind};
}

// The rows "<key> <kind> <value>" of a data file below tests/jobsettings/data.
inline StoredKeys GoldenSet(const std::string& file) {
  StoredKeys keys;
  for (const GoldenRow& row : ReadGoldenRows("jobsettings/data/" + file, 3))
    keys.push_back({row[0], ValueOf(row[1], row[2])});
  return keys;
}

// The value a member holds, of its kind.
inline Value Held(const KovtJobKeys::Field& field) {
  return std::visit(
      [](auto* member) -> Value {
        if constexpr (std::is_same_v<std::remove_pointer_t<decltype(member)>, KOVTString>)
          return Text{member->str()};
        else
          return *member;
      },
      field);
}

// Gives `field` the value `value`, of the same kind.
inline void Assign(const KovtJobKeys::Field& field, const Value& value) {
  std::visit(
      [&](auto* member) {
        using Member = std::remove_pointer_t<decltype(member)>;
        if constexpr (std::is_same_v<Member, KOVTString>)
          *member = std::get<Text>(value).text.c_str();
        else
          *member = std::get<Member>(value);
      },
      field);
}

// The listing names the golden keys that hold values in their order, each
// holding its value.
inline void ExpectListing(const std::vector<KovtJobKeys::Entry>& listing, const StoredKeys& golden) {
  StoredKeys listed;
  for (const Stored& key : golden)
    if (!std::holds_alternative<ByRegistry>(key.value)) listed.push_back(key);
  ASSERT_EQ(listing.size(), listed.size());
  for (std::size_t i = 0; i < listing.size(); ++i) {
    EXPECT_EQ(listing[i].name, listed[i].name.c_str()) << "position " << i;
    EXPECT_TRUE(Held(listing[i].field) == listed[i].value) << listing[i].name.c_str();
  }
}

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
  void operator()(Bytes* value) const { value->push_back(static_cast<std::uint8_t>(n)); }
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
    EXPECT_TRUE(Held(left[i].field) == Held(right[i].field)) << left[i].name.c_str();
  }
}

// A reinforcement steel list as text: entries "grade/symbol/user symbol"
// joined by '|', "-" for none.
inline std::vector<RSTEEL> SteelList(const std::wstring& text) {
  std::vector<RSTEEL> list;
  for (const std::wstring& entry : Split(text)) {
    const std::size_t first = entry.find(L'/'), last = entry.rfind(L'/');
    list.push_back({entry.substr(0, first).c_str(), std::stoi(entry.substr(first + 1, last - first - 1)),
                    entry.substr(last + 1).c_str()});
  }
  return list;
}
inline std::wstring SteelListText(const std::vector<RSTEEL>& list) {
  std::vector<std::wstring> entries;
  for (const RSTEEL& steel : list)
    entries.push_back(steel.Class.str() + L"/" + std::to_wstring(steel.Symbol) + L"/" +
                      steel.UserSymbol.str());
  return entries.empty() ? L"-" : Joined(entries);
}

// What a key stores, a row "name kind value" a value in stored order: a text
// in double quotes, bytes in hex digits, an object id as the linetype it
// names ("continuous", "null" or "other").
inline std::vector<std::wstring> FiledRows(const KoVTPrjReg::TKey& key, PnDbObjectId continuous) {
  using namespace KoVTPrjReg;
  std::vector<std::wstring> rows;
  for (const auto& [name, value] : key.Values()) {
    std::wstring row = name.str() + L"\t";
    if (auto* number = dynamic_cast<const TIntValue*>(value.get())) {
      row += L"Integer\t" + N(number->GetValue());
    } else if (auto* real = dynamic_cast<const TFloatValue*>(value.get())) {
      row += L"Float\t" + N(real->GetValue());
    } else if (auto* text = dynamic_cast<const TStringValue*>(value.get())) {
      row += L"String\t\"" + text->GetValue().str() + L"\"";
    } else if (auto* bytes = dynamic_cast<const TBinaryValue*>(value.get())) {
      row += L"Binary\t";
      for (std::int32_t i = 0; i < bytes->GetDataSize(); ++i) {
        wchar_t hex[3];
        std::swprintf(hex, 3, L"%02X", bytes->GetData()[i]);
        row += hex;
      }
    } else {
      const PnDbObjectId id = dynamic_cast<const TObjIdValue&>(*value).GetValue();
      row += std::wstring(L"ObjectId\t") + (id.isNull() ? L"null" : id == continuous ? L"continuous" : L"other");
    }
    rows.push_back(row);
  }
  return rows;
}

// Runs edit(registry) with the key `path` of the working drawing's project
// settings current, made first when `create`.
template <class Edit>
void EditSettingsKey(const KOVTString& path, bool create, Edit edit) {
  PnDbDictionary* settings =
      KOVTGetDict(PnDbDictionary::desc(), DDT_ProjectSettings, PnDb::kForWrite, DDI_Application);
  ASSERT_NE(settings, nullptr);
  {
    KoVTPrjReg::TRegistry registry(settings);
    if (registry.OpenKey(path, create))
      edit(registry);
    else
      ADD_FAILURE() << "no key " << WideToUtf8(path.str());
  }
  settings->close();
}

// A golden "name kind value" as FiledRows gives it.
inline std::wstring FiledRow(const std::wstring& name, const std::wstring& kind, const std::wstring& value) {
  return name + L"\t" + kind + L"\t" + (kind == L"String" ? L"\"" + value + L"\"" : value);
}

// The key stores the rows of a data file below tests/jobsettings/data, and no others.
inline void ExpectFiled(const KoVTPrjReg::TKey& key, PnDbObjectId continuous, const std::string& file) {
  std::vector<std::wstring> golden;
  for (const GoldenRow& row : ReadGoldenRows("jobsettings/data/" + file, 3))
    golden.push_back(FiledRow(row[0], row[1], row[2]));
  const std::vector<std::wstring> filed = FiledRows(key, continuous);
  ASSERT_EQ(filed.size(), golden.size()) << file;
  for (std::size_t i = 0; i < filed.size(); ++i) EXPECT_EQ(WideToUtf8(filed[i]), WideToUtf8(golden[i])) << file;
}
