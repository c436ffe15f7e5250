#include "tools/values.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <limits>

#include "platform/wide_string.h"
#include "registry/registry_access.h"
#include "tools/cli_error.h"

namespace {

constexpr std::array<const char*, 5> kKindNames = {"bool", "int", "double", "string", "binary"};

std::string Hex(const std::vector<std::uint8_t>& bytes) {
  static constexpr char kDigits[] = "0123456789abcdef";
  std::string text;
  text.reserve(bytes.size() * 2);
  for (std::uint8_t byte : bytes) {
    text += kDigits[byte >> 4];
    text += kDigits[byte & 0xF];
  }
  return text;
}

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

std::string DoubleText(double value) {
  char buffer[64];
  auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  return std::string(buffer, result.ptr);
}

[[noreturn]] void Expected(const char* what, std::string_view given) {
  throw CliError(std::string("expected ") + what + ", got '" + std::string(given) + "'");
}

bool ParseBool(std::string_view text, bool& value) {
  static constexpr std::pair<std::string_view, bool> kWords[] = {
      {"true", true}, {"false", false}, {"1", true},  {"0", false},
      {"yes", true},  {"no", false},    {"on", true}, {"off", false},
  };
  for (const auto& [word, meaning] : kWords) {
    if (text == word) {
      value = meaning;
      return true;
    }
  }
  return false;
}

// from_chars takes no plus sign; one may stand before a number, but not before a minus ("+-1").
std::string_view WithoutPlus(std::string_view text) {
  if (text.size() > 1 && text[0] == '+' && text[1] != '-' && text[1] != '+') text.remove_prefix(1);
  return text;
}

std::int32_t ParseInt(std::string_view text) {
  const std::string_view digits = WithoutPlus(text);
  std::int32_t value = 0;
  auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
  if (digits.empty() || error != std::errc() || end != digits.data() + digits.size())
    Expected("an integer from -2147483648 to 2147483647", text);
  return value;
}

double ParseDouble(std::string_view text) {
  const std::string_view digits = WithoutPlus(text);
  double value = 0;
  auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
  if (digits.empty() || error != std::errc() || end != digits.data() + digits.size() || !std::isfinite(value))
    Expected("a finite number", text);
  return value;
}

std::vector<std::uint8_t> ParseHex(std::string_view text) {
  if (text.size() % 2 != 0) Expected("hexadecimal bytes (an even number of digits)", text);
  std::vector<std::uint8_t> bytes;
  bytes.reserve(text.size() / 2);
  for (std::size_t i = 0; i < text.size(); i += 2) {
    const int high = HexDigit(text[i]), low = HexDigit(text[i + 1]);
    if (high < 0 || low < 0) Expected("hexadecimal bytes", text);
    bytes.push_back(static_cast<std::uint8_t>(high << 4 | low));
  }
  return bytes;
}

}  // namespace

Kind KindOf(const KovtJobKeys::Field& field) { return static_cast<Kind>(field.index()); }

Kind KindOf(const Value& value) { return static_cast<Kind>(value.index()); }

const char* KindName(Kind kind) { return kKindNames[static_cast<std::size_t>(kind)]; }

std::optional<Kind> KindOfName(std::string_view name) {
  for (std::size_t i = 0; i < kKindNames.size(); ++i)
    if (name == kKindNames[i]) return static_cast<Kind>(i);
  return std::nullopt;
}

Value ValueOf(const KovtJobKeys::Field& field) {
  return std::visit([](auto* member) { return Value(*member); }, field);
}

void StoreValue(KoVTPrjReg::TRegistry& registry, const wchar_t* name, const Value& value) {
  struct Writer {
    KoVTPrjReg::TRegistry& registry;
    const wchar_t* name;
    void operator()(bool v) const { registry.WriteBool(name, v); }
    void operator()(std::int32_t v) const { registry.WriteInteger(name, v); }
    void operator()(double v) const { registry.WriteFloat(name, v); }
    void operator()(const KOVTString& v) const { registry.WriteString(name, v); }
    void operator()(const std::vector<std::uint8_t>& v) const {
      registry.WriteBinaryData(name, v.data(), static_cast<int>(v.size()));
    }
  };
  std::visit(Writer{registry, name}, value);
}

std::string Text(const Value& value) {
  struct Printer {
    std::string operator()(bool v) const { return v ? "true" : "false"; }
    std::string operator()(std::int32_t v) const { return std::to_string(v); }
    std::string operator()(double v) const { return DoubleText(v); }
    std::string operator()(const KOVTString& v) const { return Utf8(v); }
    std::string operator()(const std::vector<std::uint8_t>& v) const { return Hex(v); }
  };
  return std::visit(Printer{}, value);
}

std::string Quoted(const Value& value) {
  std::string quoted;
  AppendQuoted(quoted, value);
  return quoted;
}

void AppendQuoted(std::string& out, const Value& value) {
  const KOVTString* text = std::get_if<KOVTString>(&value);
  if (text == nullptr) {
    out += Text(value);
    return;
  }
  out += '"';
  const std::size_t start = out.size();
  AppendUtf8(out, text->str());
  const auto plain = [](char c) { return c != '"' && c != '\\' && static_cast<unsigned char>(c) >= 0x20; };
  // Mostly nothing needs escaping, and the text stays where it went.
  if (!std::all_of(out.begin() + static_cast<std::ptrdiff_t>(start), out.end(), plain)) {
    const std::string raw = out.substr(start);
    out.resize(start);
    for (char c : raw) {
      switch (c) {
        case '"': out += "\\\""; break;
        case '\\': out += "\\\\"; break;
        case '\n': out += "\\n"; break;
        case '\t': out += "\\t"; break;
        case '\r': out += "\\r"; break;
        default:
          if (static_cast<unsigned char>(c) < 0x20) {
            static constexpr char kDigits[] = "0123456789abcdef";
            out += "\\x";
            out += kDigits[(c >> 4) & 0xF];
            out += kDigits[c & 0xF];
          } else {
            out += c;
          }
      }
    }
  }
  out += '"';
}

JsonValue ToJson(const Value& value) {
  struct Converter {
    JsonValue operator()(bool v) const { return v; }
    JsonValue operator()(std::int32_t v) const { return v; }
    JsonValue operator()(double v) const { return v; }
    JsonValue operator()(const KOVTString& v) const { return Utf8(v); }
    JsonValue operator()(const std::vector<std::uint8_t>& v) const { return Hex(v); }
  };
  return std::visit(Converter{}, value);
}

Value ParseText(Kind kind, std::string_view text) {
  switch (kind) {
    case Kind::Bool: {
      bool value = false;
      if (!ParseBool(text, value)) Expected("true or false", text);
      return value;
    }
    case Kind::Int: return ParseInt(text);
    case Kind::Double: return ParseDouble(text);
    case Kind::String: return Wide(text);
    case Kind::Binary: return ParseHex(text);
  }
  return Value();
}

Value ParseJson(Kind kind, const JsonValue& json) {
  switch (kind) {
    case Kind::Bool:
      if (!json.is_boolean()) Expected("true or false", json.dump());
      return json.get<bool>();
    case Kind::Int:
      if (json.is_number_integer()) {
        // Compared as the widest types, so that no conversion wraps first.
        const bool fits = json.is_number_unsigned()
                              ? json.get<std::uint64_t>() <= std::uint64_t{std::numeric_limits<std::int32_t>::max()}
                              : json.get<std::int64_t>() >= std::numeric_limits<std::int32_t>::min() &&
                                    json.get<std::int64_t>() <= std::numeric_limits<std::int32_t>::max();
        if (fits) return static_cast<std::int32_t>(json.get<std::int64_t>());
      }
      Expected("an integer from -2147483648 to 2147483647", json.dump());
    case Kind::Double:
      if (!json.is_number()) Expected("a number", json.dump());
      return json.get<double>();
    case Kind::String:
      if (!json.is_string()) Expected("a string", json.dump());
      return Wide(json.get<std::string>());
    case Kind::Binary:
      if (!json.is_string()) Expected("a string of hexadecimal bytes", json.dump());
      return ParseHex(json.get<std::string>());
  }
  return Value();
}

std::string Utf8(const KOVTString& text) {
  std::string out;
  AppendUtf8(out, text.str());
  return out;
}

void AppendUtf8(std::string& out, std::wstring_view text) {
  // Names and values are mostly ASCII: that run is narrowed in place, the
  // rest encoded.
  std::size_t ascii = 0;
  while (ascii < text.size() && static_cast<std::uint32_t>(text[ascii]) < 0x80) ++ascii;
  const std::size_t at = out.size();
  out.resize(at + ascii);
  std::copy(text.begin(), text.begin() + static_cast<std::ptrdiff_t>(ascii), out.begin() + static_cast<std::ptrdiff_t>(at));
  if (ascii < text.size()) out += WideToUtf8(text.substr(ascii));
}

KOVTString Wide(std::string_view text) {
  std::wstring wide = Utf8ToWide(text);
  // Stored, the replacement characters would silently stand for what was given.
  if (const std::string decoded = WideToUtf8(wide); decoded != text)
    throw CliError("'" + decoded + "' is not valid UTF-8 (shown with U+FFFD for the bad bytes)");
  return KOVTString(std::move(wide));
}
