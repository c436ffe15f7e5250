// KoVT::Exception: the family's exception, carrying a text for the user.
#pragma once

#include <exception>
#include <string>

#include "core/kovt_string.h"
#include "platform/windows.h"

namespace KoVT {

class Exception : public std::exception {
 public:
  // `module` names the module whose resources the text came from; null is allowed.
  explicit Exception(const KOVTString& text, HINSTANCE module = nullptr);
  Exception(const Exception&) = default;
  Exception& operator=(const Exception&) = default;
  ~Exception() override = default;

  const KOVTString& What() const { return m_text; }
  HINSTANCE Module() const { return m_module; }
  // The text in UTF-8, for code that only knows std::exception.
  const char* what() const noexcept override { return m_narrow.c_str(); }
  // Shows the text to the user on the host's command line.
  void ShowMessage() const;

 private:
  KOVTString m_text;
  std::string m_narrow;
  HINSTANCE m_module;
};

}  // namespace KoVT
