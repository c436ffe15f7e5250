#include "host/utf16.h"

namespace {

constexpr std::uint32_t kReplacement = 0xFFFD;

bool isSurrogate(std::uint32_t unit) { return unit >= 0xD800 && unit <= 0xDFFF; }
bool isSupplementary(std::uint32_t c) { return c >= 0x10000 && c <= 0x10FFFF; }

// Hands each unit of `text` to `put`.
template <class Put>
void encode(std::wstring_view text, Put put) {
  for (wchar_t wc : text) {
    auto c = static_cast<std::uint32_t>(wc);
    if (isSupplementary(c)) {
      c -= 0x10000;
      put(0xD800 + (c >> 10));
      put(0xDC00 + (c & 0x3FF));
    } else {
      put(c > 0x10FFFF ? kReplacement : c);
    }
  }
}

// Decodes `count` units, unit(i) giving each, into `out`; answers the characters written.
template <class UnitAt>
std::size_t decode(std::size_t count, UnitAt unit, wchar_t* out) {
  std::size_t written = 0;
  for (std::size_t i = 0; i < count; ++i) {
    std::uint32_t c = unit(i);
    if (c >= 0xD800 && c <= 0xDBFF && i + 1 < count && unit(i + 1) >= 0xDC00 && unit(i + 1) <= 0xDFFF)
      c = 0x10000 + ((c - 0xD800) << 10) + (unit(++i) - 0xDC00);
    else if (isSurrogate(c))
      c = kReplacement;
    out[written++] = static_cast<wchar_t>(c);
  }
  return written;
}

}  // namespace

std::size_t pndbUtf16Length(std::wstring_view text) {
  std::size_t units = text.size();
  for (wchar_t wc : text) units += isSupplementary(static_cast<std::uint32_t>(wc)) ? 1 : 0;
  return units;
}

std::u16string pndbToUtf16(std::wstring_view text) {
  std::u16string out(pndbUtf16Length(text), u'\0');
  std::size_t at = 0;
  encode(text, [&](std::uint32_t unit) { out[at++] = static_cast<char16_t>(unit); });
  return out;
}

std::size_t pndbPutUtf16LE(std::wstring_view text, std::uint8_t* out) {
  std::size_t at = 0;
  const auto put = [&](std::uint32_t unit) {
    out[at++] = static_cast<std::uint8_t>(unit);
    out[at++] = static_cast<std::uint8_t>(unit >> 8);
  };
  for (std::size_t i = 0; i < text.size(); ++i) {
    // Names are plain text: the encoder is entered only from the first character that needs it.
    if (const auto c = static_cast<std::uint32_t>(text[i]); c < 0xD800) {
      put(c);
    } else {
      encode(text.substr(i), put);
      break;
    }
  }
  return at;
}

std::wstring pndbFromUtf16(std::u16string_view text) {
  std::wstring out(text.size(), L'\0');
  out.resize(decode(text.size(), [text](std::size_t i) -> std::uint32_t { return text[i]; }, out.data()));
  return out;
}

std::wstring pndbFromUtf16LE(const std::uint8_t* bytes, std::size_t count) {
  const auto unit = [bytes](std::size_t i) -> std::uint32_t { return bytes[2 * i] | bytes[2 * i + 1] << 8; };
  std::wstring text(count, L'\0');
  // Names are plain text: one pass widens them, and only a surrogate sends them to the decoder.
  wchar_t* out = text.data();
  std::uint32_t surrogates = 0;
  for (std::size_t i = 0; i < count; ++i) {
    const std::uint32_t c = unit(i);
    surrogates |= (c & 0xF800) == 0xD800 ? 1u : 0u;
    out[i] = static_cast<wchar_t>(c);
  }
  if (surrogates != 0) text.resize(decode(count, unit, out));
  return text;
}
