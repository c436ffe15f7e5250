// The values of a settings set as kovtset shows them and takes them.
//
// Five kinds, those the sets store: bool, int (32 bits), double, string and
// binary. As text (get, set, diff):
//   bool    "true" / "false" (set also takes 1/0, yes/no, on/off)
//   int     decimal
//   double  the shortest text that reads back as the same number
//   string  as it is, UTF-8
//   binary  hexadecimal, two lower-case digits a byte ("" when empty)
// In JSON: true/false, an integer, a number, a string, a hexadecimal string.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include <nlohmann/json.hpp>

#include "core/kovt_string.h"
#include "jobsettings/key_table.h"

namespace KoVTPrjReg {
class TRegistry;
}

// Documents keep their members in the order written: keys in stored order.
using JsonValue = nlohmann::ordered_json;

// In the order of KovtJobKeys::Field's alternatives.
enum class Kind { Bool, Int, Double, String, Binary };

// A value held apart from any settings object; alternatives in Kind order.
using Value = std::variant<bool, std::int32_t, double, KOVTString, std::vector<std::uint8_t>>;

Kind KindOf(const KovtJobKeys::Field& field);
Kind KindOf(const Value& value);
const char* KindName(Kind kind);
// Nothing for a name that is not a kind.
std::optional<Kind> KindOfName(std::string_view name);

// What the member holds now.
Value ValueOf(const KovtJobKeys::Field& field);
// Writes the value into the registry's current key the way the sets store it.
void StoreValue(KoVTPrjReg::TRegistry& registry, const wchar_t* name, const Value& value);

std::string Text(const Value& value);
// Strings in double quotes with backslash escapes, so spaces and control
// characters stay visible; other kinds as Text.
std::string Quoted(const Value& value);
// Quoted(value) added to the end of `out`, without a string of its own.
void AppendQuoted(std::string& out, const Value& value);
JsonValue ToJson(const Value& value);

// The value of `kind` the text or JSON value stands for; a CliError says what
// was expected otherwise.
Value ParseText(Kind kind, std::string_view text);
Value ParseJson(Kind kind, const JsonValue& json);

std::string Utf8(const KOVTString& text);
// The text in UTF-8 added to the end of `out`.
void AppendUtf8(std::string& out, std::wstring_view text);
// Text given by the user; a CliError when it is not valid UTF-8.
KOVTString Wide(std::string_view text);
