// A test program that links env_test_support.cpp runs against a registry and
// data folders in a temporary folder of its own, so the user's real ones are
// never touched, with the language and locale below fixed for the whole run.
#pragma once

inline constexpr const wchar_t* kTestLanguage = L"qps-ploc";
inline constexpr const wchar_t* kTestLocaleId = L"407";
