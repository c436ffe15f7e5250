// Golden listings of a stored set: every key in stored order with the kind
// and value it holds, put together from the blocks the modules share.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <initializer_list>
#include <string>
#include <utility>
#include <variant>
#include <vector>

#include "jobsettings/key_table.h"

using Bytes = std::vector<std::uint8_t>;
struct Text {
  const wchar_t* text;
};
using Value = std::variant<bool, std::int32_t, double, Text, Bytes>;

struct Stored {
  std::wstring name;
  Value value;
};
using StoredKeys = std::vector<Stored>;

// The parts one after the other.
template <class Item>
std::vector<Item> Joined(std::initializer_list<std::vector<Item>> parts) {
  std::vector<Item> joined;
  for (const std::vector<Item>& part : parts) joined.insert(joined.end(), part.begin(), part.end());
  return joined;
}

// The names "<block>.<field>" of `fields`.
inline std::vector<std::wstring> Prefixed(const wchar_t* block, std::initializer_list<const wchar_t*> fields) {
  std::vector<std::wstring> names;
  for (const wchar_t* field : fields) names.push_back(std::wstring(block) + L"." + field);
  return names;
}

// The keys "<block>.<field>" of `fields`, all holding `value`.
inline StoredKeys Alike(const wchar_t* block, const Value& value, std::initializer_list<const wchar_t*> fields) {
  StoredKeys keys;
  for (std::wstring& name : Prefixed(block, fields)) keys.push_back({std::move(name), value});
  return keys;
}

inline std::vector<std::wstring> NamesOf(const StoredKeys& keys) {
  std::vector<std::wstring> names;
  for (const Stored& key : keys) names.push_back(key.name);
  return names;
}

// How much of the common blocks a module stores, and the defaults in them
// that are its own.
struct CommonPart {
  int variables;  // the leading project variables
  int templates;  // the leading template keys
  const wchar_t* pageNumber;
  std::int32_t rowCount = 0;
  std::int32_t version = 1;
};

// "Version", then the project variables, page setup, header and footer and
// report templates a module stores.
inline StoredKeys CommonBlocks(const CommonPart& part) {
  StoredKeys variables = Joined<Stored>({
      {{L"Variables.sVAR_REPORT_PAGE_NUMBER", Text{part.pageNumber}},
       {L"Variables.sVAR_REPORT_PAGE_TOTAL", Text{L""}},
       {L"Variables.sVAR_REPORT_DATE", Text{L"%a %b %d %Y"}},
       {L"Variables.sVAR_REPORT_TIME", Text{L"%H:%M:%S"}}},
      Alike(L"Variables", Text{L""},
            {L"sVAR_USER_NAME",       L"sVAR_USER_ADDRESS",    L"sVAR_PROJECT_NAME",      L"sVAR_PROJECT_FILE",
             L"sVAR_PROJECT_DIRECTORY", L"sVAR_PROJECT_CREATED", L"sVAR_PROJECT_MODIFIED", L"sVAR_PROJECT_VERSION",
             L"sVAR_COMPANY_NAME",    L"sVAR_COMPANY_ADDRESS", L"sVAR_COMPANY_TELEPHONE", L"sVAR_COMPANY_FAX",
             L"sVAR_COMPANY_EMAIL",   L"sVAR_COMPANY_LOGO",    L"sVAR_INV_NAME",          L"sVAR_INV_ADDRESS",
             L"sVAR_INV_PHONE",       L"sVAR_INV_FAX",         L"sVAR_INV_EMAIL",         L"sVAR_OFF_NAME",
             L"sVAR_OFF_ADDRESS",     L"sVAR_OFF_PHONE",       L"sVAR_OFF_FAX",           L"sVAR_OFF_EMAIL",
             L"sVAR_REV_NUM",         L"sVAR_REV_NAME",        L"sVAR_DRAW_NAME",         L"sVAR_VERIF",
             L"sVAR_SCALE"}),
  });
  StoredKeys templates = {
      {L"Templates.ExcelName", Text{L""}}, {L"Templates.WordName", Text{L""}}, {L"Templates.AddTable", false},
      {L"Templates.NoEmpty", false},       {L"Templates.TabPlace", 0},        {L"Templates.RowCount", part.rowCount},
      {L"Templates.ColWidth", 0},          {L"Templates.RowHeight", 0},
  };
  variables.resize(static_cast<std::size_t>(part.variables));
  templates.resize(static_cast<std::size_t>(part.templates));
  return Joined<Stored>({
      {{L"Version", part.version}},
      variables,
      {{L"PageSet.AddHeader", true},
       {L"PageSet.AddFooter", true},
       {L"PageSet.Frame", 2},
       {L"PageSet.IsHeaderFrame", true},
       {L"PageSet.IsTableFrame", true},
       {L"PageSet.IsFooterFrame", true},
       {L"PageSet.Orientation", 0},
       {L"PageSet.ProjNameTile", false},
       {L"HeaderFooter.HeaderSize", 0},
       {L"HeaderFooter.HeaderData", Bytes{}},
       {L"HeaderFooter.FooterSize", 0},
       {L"HeaderFooter.FooterData", Bytes{}}},
      templates,
  });
}

// The project description every module stores last, empty in a new drawing.
inline StoredKeys ProjectBlock() {
  return Alike(L"Project", Text{L""},
               {L"Office", L"Investor", L"ProjectName", L"ProjectNo", L"Address", L"Designer", L"Revision",
                L"Verified", L"Date", L"Note"});
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
      return std::holds_alternative<Text>(expected) && *v == std::get<Text>(expected).text;
    }
    bool operator()(Bytes* v) const {
      return std::holds_alternative<Bytes>(expected) && *v == std::get<Bytes>(expected);
    }
  };
  return std::visit(Compare{expected}, field);
}

// The listing names the golden keys in their order, each holding its value.
inline void ExpectListing(const std::vector<KovtJobKeys::Entry>& listing, const StoredKeys& golden) {
  ASSERT_EQ(listing.size(), golden.size());
  for (std::size_t i = 0; i < listing.size(); ++i) {
    EXPECT_EQ(listing[i].name, golden[i].name.c_str()) << "position " << i;
    EXPECT_TRUE(Holds(listing[i].field, golden[i].value)) << listing[i].name.c_str();
  }
}
