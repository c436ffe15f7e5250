#include "platform/wide_string.h"

#include <optional>

namespace {

constexpr char32_t kReplacement = 0xFFFD;
// A byte of a file name that is not UTF-8, 0x80..0xFF, as a lone low surrogate.
constexpr char32_t kEscapedByte = 0xDC00;

bool IsScalarValue(char32_t c) { return c <= 0x10FFFF && (c < 0xD800 || c > 0xDFFF); }

void AppendUtf8(std::string& out, char32_t c) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (c >> 18));
    out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

void AppendWide(std::wstring& out, char32_t c) {
  if constexpr (sizeof(wchar_t) == 2) {
    if (c >= 0x10000) {
      c -= 0x10000;
      out += static_cast<wchar_t>(0xD800 + (c >> 10));
      out += static_cast<wchar_t>(0xDC00 + (c & 0x3FF));
      return;
    }
  }
  out += static_cast<wchar_t>(c);
}

// Reads one code point at text[i], advancing i past it; a bad sequence gives
// nothing and skips only its maximal well-formed prefix.
std::optional<char32_t> DecodeUtf8(std::string_view text, std::size_t& i) {
  const auto lead = static_cast<unsigned char>(text[i++]);
  if (lead < 0x80) return lead;
  int extra = 0;
  char32_t c = 0;
  unsigned char low = 0x80;
  unsigned char high = 0xBF;
  if (lead >= 0xC2 && lead <= 0xDF) {
    extra = 1;
    c = lead & 0x1F;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    extra = 2;
    c = lead & 0x0F;
    if (lead == 0xE0) low = 0xA0;   // overlong
    if (lead == 0xED) high = 0x9F;  // surrogates
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    extra = 3;
    c = lead & 0x07;
    if (lead == 0xF0) low = 0x90;   // overlong
    if (lead == 0xF4) high = 0x8F;  // above U+10FFFF
  } else {
    return std::nullopt;
  }
  for (int k = 0; k < extra; ++k) {
    if (i >= text.size()) return std::nullopt;
    const auto b = static_cast<unsigned char>(text[i]);
    if (b < low || b > high) return std::nullopt;
    low = 0x80;
    high = 0xBF;
    c = (c << 6) | (b & 0x3F);
    ++i;
  }
  return c;
}

bool IsEscapedByte(char32_t c) { return c >= kEscapedByte + 0x80 && c <= kEscapedByte + 0xFF; }

// Calls append(out, c) for each code point of the wide text, surrogate pairs
// of a 16-bit wchar_t joined. Keys, values and file names are mostly ASCII:
// the leading run of it is copied without the encoder.
template <class Append>
std::string EncodeWide(std::wstring_view text, Append append) {
  std::size_t i = 0;
  while (i < text.size() && static_cast<char32_t>(text[i]) < 0x80) ++i;
  std::string out(text.begin(), text.begin() + static_cast<std::ptrdiff_t>(i));
  if (i == text.size()) return out;
  out.reserve(text.size());
  for (; i < text.size(); ++i) {
    char32_t c = static_cast<char32_t>(text[i]);
    if constexpr (sizeof(wchar_t) == 2) {
      if (c >= 0xD800 && c <= 0xDBFF && i + 1 < text.size()) {
        const auto next = static_cast<char32_t>(text[i + 1]);
        if (next >= 0xDC00 && next <= 0xDFFF) {
          c = 0x10000 + ((c - 0xD800) << 10) + (next - 0xDC00);
          ++i;
        }
      }
    }
    append(out, c);
  }
  return out;
}

}  // namespace

std::string WideToUtf8(std::wstring_view text) {
  return EncodeWide(text, [](std::string& out, char32_t c) { AppendUtf8(out, IsScalarValue(c) ? c : kReplacement); });
}

std::wstring Utf8ToWide(std::string_view text) {
  std::wstring out;
  out.reserve(text.size());
  std::size_t i = 0;
  while (i < text.size()) AppendWide(out, DecodeUtf8(text, i).value_or(kReplacement));
  return out;
}

std::wstring NativeNameToWide(std::string_view name) {
  std::wstring out;
  out.reserve(name.size());
  for (std::size_t i = 0; i < name.size();) {
    const std::size_t start = i;
    if (const std::optional<char32_t> c = DecodeUtf8(name, i)) {
      AppendWide(out, *c);
    } else {  // each byte of a bad sequence escaped on its own
      AppendWide(out, kEscapedByte + static_cast<unsigned char>(name[start]));
      i = start + 1;
    }
  }
  return out;
}

std::string WideToNativeName(std::wstring_view name) {
  return EncodeWide(name, [](std::string& out, char32_t c) {
    if (IsEscapedByte(c))
      out += static_cast<char>(c - kEscapedByte);
    else
      AppendUtf8(out, IsScalarValue(c) ? c : kReplacement);
  });
}
