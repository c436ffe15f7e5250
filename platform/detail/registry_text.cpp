#include "platform/detail/registry_text.h"

#include <charconv>
#include <cstdio>
#include <cstring>
#include <vector>

#include "platform/detail/case_fold.h"
#include "platform/wide_string.h"

namespace kovt_platform {

namespace {

constexpr std::string_view kHeader = "Windows Registry Editor Version 5.00";
constexpr DWORD kRegSz = 1;
constexpr DWORD kRegBinary = 3;
constexpr DWORD kRegDword = 4;

bool IsPrintable(wchar_t c) {
  const auto u = static_cast<std::uint32_t>(c);
  return u >= 0x20 && u <= 0x10FFFF && (u < 0xD800 || u > 0xDFFF);
}

std::string Quote(std::wstring_view text) {
  std::string out = "\"";
  for (const char c : WideToUtf8(text)) {
    if (c == '\\' || c == '"') out += '\\';
    out += c;
  }
  return out + '"';
}

// The text of a string value that the quoted form keeps exactly, if any.
bool AsPlainText(const std::vector<BYTE>& data, std::wstring& text) {
  if (data.size() < sizeof(wchar_t) || data.size() % sizeof(wchar_t) != 0) return false;
  text.resize(data.size() / sizeof(wchar_t) - 1);
  wchar_t last = 0;
  std::memcpy(text.data(), data.data(), text.size() * sizeof(wchar_t));
  std::memcpy(&last, data.data() + text.size() * sizeof(wchar_t), sizeof(wchar_t));
  if (last != 0) return false;
  for (const wchar_t c : text)
    if (!IsPrintable(c)) return false;
  return true;
}

std::string Hex(const std::vector<BYTE>& data) {
  static constexpr char digits[] = "0123456789abcdef";
  std::string out;
  for (std::size_t i = 0; i < data.size(); ++i) {
    if (i) out += ',';
    out += digits[data[i] >> 4];
    out += digits[data[i] & 0xF];
  }
  return out;
}

std::string FormatData(const RegValue& value) {
  std::wstring text;
  if (value.type == kRegSz && AsPlainText(value.data, text)) return Quote(text);
  if (value.type == kRegDword && value.data.size() == 4) {
    DWORD n = 0;
    std::memcpy(&n, value.data.data(), 4);
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "dword:%08x", static_cast<unsigned>(n));
    return buffer;
  }
  if (value.type == kRegBinary) return "hex:" + Hex(value.data);
  char prefix[24];
  std::snprintf(prefix, sizeof prefix, "hex(%x):", static_cast<unsigned>(value.type));
  return prefix + Hex(value.data);
}

// A key without values whose sub-keys have sections gets none of its own:
// their sections create it again. Each path is then written about once, so
// the text grows with the tree, not with the square of its depth.
// `path` is the key's path; it is restored before returning.
void FormatKey(const RegKey& key, std::string& path, std::string& out) {
  if (!key.Values().empty() || !key.HasChildren()) out.append("\n[").append(path).append("]\n");
  for (const auto& value : key.Values())
    out += (value.name.empty() ? std::string("@") : Quote(value.name)) + '=' + FormatData(value) + '\n';
  const std::size_t length = path.size();
  for (const auto* child : key.Children()) {
    path.append("\\").append(WideToUtf8(child->Name()));
    FormatKey(*child, path, out);
    path.resize(length);
  }
}

std::string_view Trim(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
  return s;
}

struct Failure {
  std::string reason;
};

// Reads a quoted string at the start of s, consuming it.
std::wstring ReadQuoted(std::string_view& s) {
  if (s.empty() || s.front() != '"') throw Failure{"expected a quoted string"};
  std::string raw;
  std::size_t i = 1;
  for (;; ++i) {
    if (i >= s.size()) throw Failure{"unterminated string"};
    if (s[i] == '"') break;
    if (s[i] == '\\') {
      if (++i >= s.size() || (s[i] != '\\' && s[i] != '"')) throw Failure{"bad escape in string"};
    }
    raw += s[i];
  }
  s.remove_prefix(i + 1);
  return Utf8ToWide(raw);
}

std::uint32_t ReadHexNumber(std::string_view s, std::size_t maxDigits, const char* what) {
  std::uint32_t n = 0;
  const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), n, 16);
  if (s.empty() || s.size() > maxDigits || ec != std::errc() || end != s.data() + s.size())
    throw Failure{std::string("bad ") + what};
  return n;
}

std::vector<BYTE> ReadHexBytes(std::string_view s) {
  std::vector<BYTE> out;
  if (Trim(s).empty()) return out;
  while (true) {
    const auto comma = s.find(',');
    out.push_back(static_cast<BYTE>(ReadHexNumber(Trim(s.substr(0, comma)), 2, "hex byte")));
    if (comma == std::string_view::npos) return out;
    s.remove_prefix(comma + 1);
  }
}

std::vector<BYTE> WideBytes(const std::wstring& text) {
  std::vector<BYTE> out((text.size() + 1) * sizeof(wchar_t), 0);
  std::memcpy(out.data(), text.data(), text.size() * sizeof(wchar_t));
  return out;
}

RegValue ReadData(std::wstring name, std::string_view data) {
  RegValue value{std::move(name), 0, {}};
  if (data.starts_with('"')) {
    value.type = kRegSz;
    value.data = WideBytes(ReadQuoted(data));
    if (!Trim(data).empty()) throw Failure{"text after string"};
  } else if (data.starts_with("dword:")) {
    value.type = kRegDword;
    const DWORD n = ReadHexNumber(data.substr(6), 8, "dword");
    value.data.resize(4);
    std::memcpy(value.data.data(), &n, 4);
  } else if (data.starts_with("hex:")) {
    value.type = kRegBinary;
    value.data = ReadHexBytes(data.substr(4));
  } else if (data.starts_with("hex(")) {
    const auto close = data.find("):");
    if (close == std::string_view::npos) throw Failure{"bad hex type"};
    value.type = ReadHexNumber(data.substr(4, close - 4), 8, "hex type");
    value.data = ReadHexBytes(data.substr(close + 2));
  } else if (data == "-") {
    throw Failure{"deletion entries do not belong in a hive file"};
  } else {
    throw Failure{"unknown value data"};
  }
  return value;
}

RegKey& OpenSection(RegKey& root, std::string_view inner, std::wstring_view rootName) {
  if (inner.starts_with('-')) throw Failure{"deletion entries do not belong in a hive file"};
  const std::wstring path = Utf8ToWide(inner);
  RegKey* key = nullptr;
  std::size_t start = 0;
  for (std::size_t depth = 0;; ++depth) {
    const auto end = path.find(L'\\', start);
    const std::wstring_view part = std::wstring_view(path).substr(start, end - start);
    if (part.empty()) throw Failure{"empty key name"};
    if (depth > kMaxKeyDepth) throw Failure{"keys nested deeper than " + std::to_string(kMaxKeyDepth) + " levels"};
    if (!key) {
      if (!EqualsIgnoringCase(part, rootName)) throw Failure{"key outside " + WideToUtf8(rootName)};
      key = &root;
    } else {
      bool created = false;
      key = &key->Child(part, created);
    }
    if (end == std::wstring::npos) return *key;
    start = end + 1;
  }
}

std::vector<std::string_view> SplitLines(std::string_view text) {
  std::vector<std::string_view> lines;
  while (!text.empty()) {
    const auto end = text.find('\n');
    auto line = text.substr(0, end);
    if (line.ends_with('\r')) line.remove_suffix(1);
    lines.push_back(line);
    if (end == std::string_view::npos) break;
    text.remove_prefix(end + 1);
  }
  return lines;
}

}  // namespace

bool IsStorableName(std::wstring_view name) {
  for (const wchar_t c : name)
    if (!IsPrintable(c)) return false;
  return true;
}

std::string FormatRegText(const RegKey& root) {
  std::string out(kHeader);
  out += '\n';
  std::string path = WideToUtf8(root.Name());
  FormatKey(root, path, out);
  return out;
}

std::unique_ptr<RegKey> ParseRegText(std::string_view text, std::wstring_view rootName, std::string& error) {
  if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
  if (WideToUtf8(Utf8ToWide(text)) != text) {
    error = "not valid UTF-8 text";
    return nullptr;
  }
  auto root = std::make_unique<RegKey>(std::wstring(rootName));
  const auto lines = SplitLines(text);
  std::size_t i = 0;
  while (i < lines.size() && Trim(lines[i]).empty()) ++i;
  if (i == lines.size()) return root;  // an empty file is an empty hive
  if (Trim(lines[i]) != kHeader) {
    error = "line " + std::to_string(i + 1) + ": expected \"" + std::string(kHeader) + "\"";
    return nullptr;
  }
  RegKey* key = nullptr;
  for (++i; i < lines.size(); ++i) {
    const std::size_t lineNumber = i + 1;
    try {
      std::string_view line = Trim(lines[i]);
      if (line.empty() || line.starts_with(';')) continue;
      if (line.starts_with('[')) {
        if (!line.ends_with(']')) throw Failure{"unterminated key name"};
        key = &OpenSection(*root, line.substr(1, line.size() - 2), rootName);
        continue;
      }
      if (!key) throw Failure{"value outside any key"};
      std::wstring name;
      if (line.starts_with('@')) {
        line.remove_prefix(1);
      } else {
        name = ReadQuoted(line);
        if (name.empty()) throw Failure{"empty value name (the default value is @)"};
      }
      line = Trim(line);
      if (!line.starts_with('=')) throw Failure{"expected '='"};
      std::string data(Trim(line.substr(1)));
      if (data.starts_with("hex")) {
        while (data.ends_with('\\')) {
          data.pop_back();
          if (++i == lines.size()) throw Failure{"hex data continues past the end"};
          data += Trim(lines[i]);
        }
      }
      key->SetValue(ReadData(std::move(name), data));
    } catch (const Failure& failure) {
      error = "line " + std::to_string(lineNumber) + ": " + failure.reason;
      return nullptr;
    }
  }
  return root;
}

}  // namespace kovt_platform
