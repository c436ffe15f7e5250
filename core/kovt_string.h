// KOVTString: the wide-character string of the application family.
//
// Indexes and counts are in wide characters. Searches answer -1 when nothing
// is found. Comparisons are ordinal (by character value); CompareNoCase folds
// letter case first. The filed form is one self-delimiting string item of
// UTF-16 code units, so drawings are the same on every platform.
#pragma once

#include <string>
#include <string_view>

#include "host/filer.h"
#include "platform/windows.h"

class KOVTString {
 public:
  KOVTString() = default;
  KOVTString(const wchar_t* text) : m_text(text ? text : L"") {}  // NOLINT: implicit by design
  KOVTString(wchar_t character) : m_text(1, character) {}          // NOLINT
  KOVTString(std::wstring text) : m_text(std::move(text)) {}       // NOLINT
  KOVTString(const KOVTString&) = default;
  KOVTString(KOVTString&&) noexcept = default;
  ~KOVTString() = default;
  KOVTString& operator=(const KOVTString&) = default;
  KOVTString& operator=(KOVTString&&) noexcept = default;
  KOVTString& operator=(const wchar_t* text);

  KOVTString& operator+=(const KOVTString& other);
  KOVTString& operator+=(const wchar_t* text);
  KOVTString& operator+=(wchar_t character);
  friend KOVTString operator+(const KOVTString& a, const KOVTString& b);
  friend KOVTString operator+(const KOVTString& a, const wchar_t* b);
  friend KOVTString operator+(const wchar_t* a, const KOVTString& b);
  friend KOVTString operator+(const KOVTString& a, wchar_t b);

  friend bool operator==(const KOVTString& a, const KOVTString& b) { return a.m_text == b.m_text; }
  friend bool operator==(const KOVTString& a, const wchar_t* b) { return a.Compare(b) == 0; }
  friend bool operator!=(const KOVTString& a, const KOVTString& b) { return !(a == b); }
  friend bool operator!=(const KOVTString& a, const wchar_t* b) { return !(a == b); }
  // Ordinal order: the order of every string-keyed map of the module.
  friend bool operator<(const KOVTString& a, const KOVTString& b) { return a.m_text < b.m_text; }

  operator const wchar_t*() const { return m_text.c_str(); }  // NOLINT
  const wchar_t* c_str() const { return m_text.c_str(); }
  const std::wstring& str() const { return m_text; }
  // Out of range reads give L'\0'.
  wchar_t operator[](int index) const;
  wchar_t operator[](std::size_t index) const { return operator[](static_cast<int>(index)); }

  int GetLength() const { return static_cast<int>(m_text.size()); }
  bool IsEmpty() const { return m_text.empty(); }
  void Empty() { m_text.clear(); }

  // printf-style, with the wide conventions ("%ls" for wide strings).
  void Format(const wchar_t* format, ...);

  KOVTString Left(int count) const;
  KOVTString Right(int count) const;
  // From `first` to the end, or `count` characters.
  KOVTString Mid(int first) const;
  KOVTString Mid(int first, int count) const;

  int Find(wchar_t character, int start = 0) const;
  int Find(const wchar_t* text, int start = 0) const;
  int ReverseFind(wchar_t character) const;
  // Replaces every occurrence; answers how many were replaced.
  int Replace(wchar_t oldCharacter, wchar_t newCharacter);

  int Compare(const wchar_t* text) const;
  int CompareNoCase(const wchar_t* text) const;
  KOVTString& MakeLower();
  KOVTString& MakeUpper();

  // A writable buffer of at least `length` characters plus the terminator.
  // ReleaseBuffer ends the edit: the string ends at the first null character
  // (or at `newLength` when given).
  wchar_t* GetBuffer(int length);
  void ReleaseBuffer(int newLength = -1);

  // Loads a text of a module's string table; false leaves the string unchanged.
  bool LoadStringW(unsigned resourceId, HINSTANCE module = nullptr);

  Plnx::ErrorStatus dwgOutFields(PnDbDwgFiler* filer) const;
  Plnx::ErrorStatus dwgInFields(PnDbDwgFiler* filer);

 private:
  std::wstring m_text;
};
