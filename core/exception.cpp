#include "core/exception.h"

#include "host/print.h"
#include "platform/wide_string.h"

namespace KoVT {

Exception::Exception(const KOVTString& text, HINSTANCE module)
    : m_text(text), m_narrow(WideToUtf8(text.str())), m_module(module) {}

void Exception::ShowMessage() const { pnutPrintf(L"\n%ls\n", m_text.c_str()); }

}  // namespace KoVT
