#include "host/utf16.h"

#include <climits>

#if defined(__SSE2__) && WCHAR_MAX > 0xFFFF
#include <emmintrin.h>
#define PNDB_UTF16_SSE2 1
#endif

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

// The filed names of a drawing are hundreds of thousands of units: eight at
// a time where the processor allows.
#if PNDB_UTF16_SSE2
__m128i load16(const void* at) { return _mm_loadu_si128(static_cast<const __m128i*>(at)); }

// Where the first surrogate unit is among the first `count` of `bytes`, or count.
std::size_t firstSurrogate(const std::uint8_t* bytes, std::size_t count) {
  const __m128i mask = _mm_set1_epi16(static_cast<short>(0xF800)), surrogate = _mm_set1_epi16(static_cast<short>(0xD800));
  std::size_t i = 0;
  for (; i + 8 <= count; i += 8)
    if (_mm_movemask_epi8(_mm_cmpeq_epi16(_mm_and_si128(load16(bytes + 2 * i), mask), surrogate)) != 0) break;
  while (i < count && !isSurrogate(bytes[2 * i] | bytes[2 * i + 1] << 8)) ++i;
  return i;
}

// Widens `count` units that hold no surrogate into `out`.
void widen(const std::uint8_t* bytes, std::size_t count, wchar_t* out) {
  const __m128i zero = _mm_setzero_si128();
  std::size_t i = 0;
  for (; i + 8 <= count; i += 8) {
    const __m128i units = load16(bytes + 2 * i);
    _mm_storeu_si128(reinterpret_cast<__m128i*>(out + i), _mm_unpacklo_epi16(units, zero));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(out + i + 4), _mm_unpackhi_epi16(units, zero));
  }
  for (; i < count; ++i) out[i] = static_cast<wchar_t>(bytes[2 * i] | bytes[2 * i + 1] << 8);
}

// The characters of `text` from the start that are single units below the
// surrogates, written little-endian to `out`; answers how many.
std::size_t putPlainUnits(std::wstring_view text, std::uint8_t* out) {
  const __m128i below = _mm_set1_epi32(0xD7FF), zero = _mm_setzero_si128();
  const __m128i bias32 = _mm_set1_epi32(0x8000), bias16 = _mm_set1_epi16(static_cast<short>(0x8000));
  std::size_t i = 0;
  for (; i + 8 <= text.size(); i += 8) {
    const __m128i a = load16(text.data() + i), b = load16(text.data() + i + 4);
    const __m128i outside = _mm_or_si128(_mm_or_si128(_mm_cmpgt_epi32(a, below), _mm_cmplt_epi32(a, zero)),
                                         _mm_or_si128(_mm_cmpgt_epi32(b, below), _mm_cmplt_epi32(b, zero)));
    if (_mm_movemask_epi8(outside) != 0) break;
    // Signed packing saturates at 0x7FFF: shifted down by 0x8000 and back the units pass.
    const __m128i units = _mm_packs_epi32(_mm_sub_epi32(a, bias32), _mm_sub_epi32(b, bias32));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(out + 2 * i), _mm_xor_si128(units, bias16));
  }
  return i;
}
#else
std::size_t firstSurrogate(const std::uint8_t* bytes, std::size_t count) {
  std::size_t i = 0;
  while (i < count && !isSurrogate(bytes[2 * i] | bytes[2 * i + 1] << 8)) ++i;
  return i;
}

void widen(const std::uint8_t* bytes, std::size_t count, wchar_t* out) {
  for (std::size_t i = 0; i < count; ++i) out[i] = static_cast<wchar_t>(bytes[2 * i] | bytes[2 * i + 1] << 8);
}

std::size_t putPlainUnits(std::wstring_view, std::uint8_t*) { return 0; }
#endif

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
  const std::size_t plain = putPlainUnits(text, out);
  std::size_t at = 2 * plain;
  const auto put = [&](std::uint32_t unit) {
    out[at++] = static_cast<std::uint8_t>(unit);
    out[at++] = static_cast<std::uint8_t>(unit >> 8);
  };
  for (std::size_t i = plain; i < text.size(); ++i) {
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

void pndbAssignUtf16LE(const std::uint8_t* bytes, std::size_t count, std::wstring& text) {
  text.resize(count);
  if (firstSurrogate(bytes, count) == count) {
    widen(bytes, count, text.data());
    return;
  }
  const auto unit = [bytes](std::size_t i) -> std::uint32_t { return bytes[2 * i] | bytes[2 * i + 1] << 8; };
  text.resize(decode(count, unit, text.data()));
}
