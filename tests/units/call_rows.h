// Calls named in data files: a row names a call, its arguments separated by
// '|' ("-" for none) and the answer it must give, written as text.
#pragma once

#include <gtest/gtest.h>

#include <cwchar>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "platform/wide_string.h"
#include "tests/support/golden_rows.h"

using Args = std::vector<std::wstring>;
using CallTable = std::map<std::wstring, std::function<std::wstring(const Args&)>>;

inline int I(const std::wstring& text) { return std::stoi(text); }
// wcstod, unlike stod, takes subnormal values without complaint.
inline double D(const std::wstring& text) { return std::wcstod(text.c_str(), nullptr); }
inline std::wstring N(double value) {
  wchar_t text[40];
  std::swprintf(text, 40, L"%.12g", value);
  return text;
}
inline std::wstring T(const wchar_t* text) { return text != nullptr ? text : L"null"; }
inline std::wstring B(bool flag) { return flag ? L"true" : L"false"; }

inline Args Split(const std::wstring& text) {
  Args fields;
  if (text == L"-") return fields;
  for (std::size_t start = 0, bar = 0; bar != std::wstring::npos; start = bar + 1) {
    bar = text.find(L'|', start);
    fields.push_back(text.substr(start, bar - start));
  }
  return fields;
}

inline std::wstring Joined(const std::vector<std::wstring>& names) {
  std::wstring joined;
  for (const std::wstring& name : names) joined += (joined.empty() ? L"" : L"|") + name;
  return joined;
}
// The names of a list closed by an empty name, joined by '|'.
inline std::wstring Joined(const wchar_t* const* list) {
  std::vector<std::wstring> names;
  for (; **list != L'\0'; ++list) names.emplace_back(*list);
  return Joined(names);
}

// Makes the call of `row` at `at` (name, arguments, answer) and checks its answer.
inline void ExpectAnswer(const CallTable& calls, const GoldenRow& row, std::size_t at) {
  const std::string where = WideToUtf8(row[at] + L"(" + row[at + 1] + L")");
  const auto call = calls.find(row[at]);
  ASSERT_NE(call, calls.end()) << where;
  EXPECT_EQ(WideToUtf8(call->second(Split(row[at + 1]))), WideToUtf8(row[at + 2])) << where;
}
