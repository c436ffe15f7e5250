// Calls named in data files: a row names a call, its arguments separated by
// '|' ("-" for none) and the answer it must give, written as text.
#pragma once

#include <gtest/gtest.h>

#include <cwchar>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

#include "core/kovt_string.h"
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

// An answer of any result type as text; "none" for no value.
inline std::wstring Answer(int value) { return N(value); }
inline std::wstring Answer(double value) { return N(value); }
inline std::wstring Answer(bool flag) { return B(flag); }
inline std::wstring Answer(const wchar_t* text) { return T(text); }
inline std::wstring Answer(const KOVTString& text) { return text.c_str(); }
inline std::wstring Answer(const wchar_t* const* list) { return Joined(list); }
inline std::wstring Answer(const std::optional<double>& value) { return value ? N(*value) : L"none"; }

// An argument of type P read from its text; integers stand for enumerators.
template <class P>
P Arg(const std::wstring& text) {
  if constexpr (std::is_same_v<P, double>) return D(text);
  else if constexpr (std::is_same_v<P, const wchar_t*>) return text.c_str();
  else if constexpr (std::is_same_v<P, KOVTString>) return KOVTString(text);
  else return static_cast<P>(I(text));
}

// Calls `call` with the arguments read as the types P and answers as text.
template <class... P, class Call>
std::wstring Invoke(const Call& call, const Args& a) {
  return [&]<std::size_t... At>(std::index_sequence<At...>) {
    return Answer(call(Arg<std::remove_cvref_t<P>>(a.at(At))...));
  }(std::index_sequence_for<P...>{});
}
// A method of an object as a call of the rows.
template <class Object, class R, class... P>
auto Method(R (Object::*method)(P...)) {
  return [method](Object& object, const Args& a) {
    return Invoke<P...>([&](P... p) { return (object.*method)(std::forward<P>(p)...); }, a);
  };
}

// A function of the rows by its name, its arguments read as the types listed.
#define FUNCTION(name, ...) \
  {L"" #name, [](const Args& a) { return Invoke<__VA_ARGS__>([](auto... p) { return name(p...); }, a); }}

// Makes the call of `row` at `at` (name, arguments, answer) and checks its answer.
inline void ExpectAnswer(const CallTable& calls, const GoldenRow& row, std::size_t at) {
  const std::string where = WideToUtf8(row[at] + L"(" + row[at + 1] + L")");
  const auto call = calls.find(row[at]);
  ASSERT_NE(call, calls.end()) << where;
  EXPECT_EQ(WideToUtf8(call->second(Split(row[at + 1]))), WideToUtf8(row[at + 2])) << where;
}
