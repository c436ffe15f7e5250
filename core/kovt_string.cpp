#include "core/kovt_string.h"

#include <cstdarg>
#include <cwchar>
#include <optional>
#include <utility>

#include "platform/string_resources.h"
#include "platform/wide_format.h"

namespace {

int clampCount(int value, int limit) { return value < 0 ? 0 : (value > limit ? limit : value); }

// Case mapping must not depend on the process locale (the C locale maps only
// ASCII), so the scripts the family's users write in are mapped here.
wchar_t toLower(wchar_t c) {
  if ((c >= L'A' && c <= L'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7) || (c >= 0x391 && c <= 0x3AB && c != 0x3A2) ||
      (c >= 0x410 && c <= 0x42F))
    return static_cast<wchar_t>(c + 0x20);
  if (c >= 0x400 && c <= 0x40F) return static_cast<wchar_t>(c + 0x50);
  if (c == 0x178) return 0xFF;
  bool evenUpper = (c >= 0x100 && c <= 0x137 && c != 0x130) || (c >= 0x14A && c <= 0x177);
  bool oddUpper = (c >= 0x139 && c <= 0x148) || (c >= 0x179 && c <= 0x17E);
  if ((evenUpper && c % 2 == 0) || (oddUpper && c % 2 == 1)) return static_cast<wchar_t>(c + 1);
  return c;
}

wchar_t toUpper(wchar_t c) {
  if ((c >= L'a' && c <= L'z') || (c >= 0xE0 && c <= 0xFE && c != 0xF7) || (c >= 0x3B1 && c <= 0x3CB && c != 0x3C2) ||
      (c >= 0x430 && c <= 0x44F))
    return static_cast<wchar_t>(c - 0x20);
  if (c >= 0x450 && c <= 0x45F) return static_cast<wchar_t>(c - 0x50);
  if (c == 0xFF) return 0x178;
  bool evenUpper = (c >= 0x100 && c <= 0x137 && c != 0x131) || (c >= 0x14A && c <= 0x177);
  bool oddUpper = (c >= 0x139 && c <= 0x148) || (c >= 0x179 && c <= 0x17E);
  if ((evenUpper && c % 2 == 1) || (oddUpper && c % 2 == 0)) return static_cast<wchar_t>(c - 1);
  return c;
}

int compareFolded(std::wstring_view a, std::wstring_view b) {
  std::size_t n = a.size() < b.size() ? a.size() : b.size();
  for (std::size_t i = 0; i < n; ++i) {
    wchar_t x = toLower(a[i]);
    wchar_t y = toLower(b[i]);
    if (x != y) return x < y ? -1 : 1;
  }
  if (a.size() == b.size()) return 0;
  return a.size() < b.size() ? -1 : 1;
}

}  // namespace

KOVTString& KOVTString::operator=(const wchar_t* text) {
  m_text = text ? text : L"";
  return *this;
}

KOVTString& KOVTString::operator+=(const KOVTString& other) {
  m_text += other.m_text;
  return *this;
}

KOVTString& KOVTString::operator+=(const wchar_t* text) {
  if (text) m_text += text;
  return *this;
}

KOVTString& KOVTString::operator+=(wchar_t character) {
  m_text += character;
  return *this;
}

KOVTString operator+(const KOVTString& a, const KOVTString& b) { return KOVTString(a.m_text + b.m_text); }
KOVTString operator+(const KOVTString& a, const wchar_t* b) {
  KOVTString result(a);
  result += b;
  return result;
}
KOVTString operator+(const wchar_t* a, const KOVTString& b) {
  KOVTString result(a);
  result += b;
  return result;
}
KOVTString operator+(const KOVTString& a, wchar_t b) {
  KOVTString result(a);
  result += b;
  return result;
}

wchar_t KOVTString::operator[](int index) const {
  if (index < 0 || index >= GetLength()) return L'\0';
  return m_text[static_cast<std::size_t>(index)];
}

void KOVTString::Format(const wchar_t* format, ...) {
  if (format == nullptr) {
    m_text.clear();
    return;
  }
  va_list args;
  va_start(args, format);
  // The arguments may point into m_text: it changes only once the text is made.
  std::optional<std::wstring> text = FormatWide(format, args, std::size_t{1} << 24);
  va_end(args);
  m_text = text ? std::move(*text) : std::wstring();
}

KOVTString KOVTString::Left(int count) const {
  return KOVTString(m_text.substr(0, static_cast<std::size_t>(clampCount(count, GetLength()))));
}

KOVTString KOVTString::Right(int count) const {
  int n = clampCount(count, GetLength());
  return KOVTString(m_text.substr(static_cast<std::size_t>(GetLength() - n)));
}

KOVTString KOVTString::Mid(int first) const { return Mid(first, GetLength()); }

KOVTString KOVTString::Mid(int first, int count) const {
  int start = clampCount(first, GetLength());
  int n = clampCount(count, GetLength() - start);
  return KOVTString(m_text.substr(static_cast<std::size_t>(start), static_cast<std::size_t>(n)));
}

int KOVTString::Find(wchar_t character, int start) const {
  if (start < 0 || start >= GetLength()) return -1;
  std::size_t at = m_text.find(character, static_cast<std::size_t>(start));
  return at == std::wstring::npos ? -1 : static_cast<int>(at);
}

int KOVTString::Find(const wchar_t* text, int start) const {
  if (text == nullptr || start < 0 || start > GetLength()) return -1;
  std::size_t at = m_text.find(text, static_cast<std::size_t>(start));
  return at == std::wstring::npos ? -1 : static_cast<int>(at);
}

int KOVTString::ReverseFind(wchar_t character) const {
  std::size_t at = m_text.rfind(character);
  return at == std::wstring::npos ? -1 : static_cast<int>(at);
}

int KOVTString::Replace(wchar_t oldCharacter, wchar_t newCharacter) {
  int replaced = 0;
  for (wchar_t& c : m_text) {
    if (c == oldCharacter) {
      c = newCharacter;
      ++replaced;
    }
  }
  return replaced;
}

int KOVTString::Compare(const wchar_t* text) const {
  int order = m_text.compare(text ? text : L"");
  return order < 0 ? -1 : (order > 0 ? 1 : 0);
}

int KOVTString::CompareNoCase(const wchar_t* text) const { return compareFolded(m_text, text ? text : L""); }

KOVTString& KOVTString::MakeLower() {
  for (wchar_t& c : m_text) c = toLower(c);
  return *this;
}

KOVTString& KOVTString::MakeUpper() {
  for (wchar_t& c : m_text) c = toUpper(c);
  return *this;
}

wchar_t* KOVTString::GetBuffer(int length) {
  if (length > GetLength()) m_text.resize(static_cast<std::size_t>(length));
  return m_text.data();
}

void KOVTString::ReleaseBuffer(int newLength) {
  if (newLength < 0 || newLength > GetLength()) {
    m_text.resize(std::wcslen(m_text.c_str()));
  } else {
    m_text.resize(static_cast<std::size_t>(newLength));
  }
}

bool KOVTString::LoadStringW(unsigned resourceId, HINSTANCE module) {
  const wchar_t* text = nullptr;
  int length = ::LoadStringW(module, resourceId, reinterpret_cast<wchar_t*>(&text), 0);
  if (length <= 0 || text == nullptr) return false;
  m_text.assign(text, static_cast<std::size_t>(length));
  return true;
}

Plnx::ErrorStatus KOVTString::dwgOutFields(PnDbDwgFiler* filer) const {
  if (filer->filerStatus() != Plnx::eOk) return filer->filerStatus();
  filer->writeWideString(m_text);
  return filer->filerStatus();
}

Plnx::ErrorStatus KOVTString::dwgInFields(PnDbDwgFiler* filer) {
  if (filer->filerStatus() != Plnx::eOk) return filer->filerStatus();
  // A failed read leaves the text as it was: only an empty one can take the units straight.
  if (m_text.empty()) return filer->readWideString(&m_text);
  std::wstring text;
  if (filer->readWideString(&text) == Plnx::eOk) m_text = std::move(text);
  return filer->filerStatus();
}
