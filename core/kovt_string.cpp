#include "core/kovt_string.h"

#include <cstdarg>
#include <cwchar>
#include <cwctype>

#include "host/utf16.h"
#include "platform/string_resources.h"

namespace {

int clampCount(int value, int limit) { return value < 0 ? 0 : (value > limit ? limit : value); }

int compareFolded(std::wstring_view a, std::wstring_view b) {
  std::size_t n = a.size() < b.size() ? a.size() : b.size();
  for (std::size_t i = 0; i < n; ++i) {
    wint_t x = std::towlower(static_cast<wint_t>(a[i]));
    wint_t y = std::towlower(static_cast<wint_t>(b[i]));
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
  std::wstring buffer(256, L'\0');
  for (;;) {
    va_list args;
    va_start(args, format);
    int written = std::vswprintf(buffer.data(), buffer.size(), format, args);
    va_end(args);
    if (written >= 0) {
      buffer.resize(static_cast<std::size_t>(written));
      m_text = std::move(buffer);
      return;
    }
    // vswprintf reports a short buffer and a bad format alike; stop growing at some point.
    if (buffer.size() >= (std::size_t{1} << 24)) {
      m_text.clear();
      return;
    }
    buffer.resize(buffer.size() * 4);
  }
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
  for (wchar_t& c : m_text) c = static_cast<wchar_t>(std::towlower(static_cast<wint_t>(c)));
  return *this;
}

KOVTString& KOVTString::MakeUpper() {
  for (wchar_t& c : m_text) c = static_cast<wchar_t>(std::towupper(static_cast<wint_t>(c)));
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
  filer->writeString(pndbToUtf16(m_text));
  return filer->filerStatus();
}

Plnx::ErrorStatus KOVTString::dwgInFields(PnDbDwgFiler* filer) {
  if (filer->filerStatus() != Plnx::eOk) return filer->filerStatus();
  std::u16string units;
  if (filer->readString(&units) == Plnx::eOk) m_text = pndbFromUtf16(units);
  return filer->filerStatus();
}
