// Entry names of the application's dictionary tree in a drawing:
//
//   named-objects dictionary
//     "KOVT"            common root (KOVTMainRootDictionary)
//       "KOVR"          reinforcement root (KOVTAppDictionary)
//       "KOVS"          steel root (KOVTAppDictionary)
//       "KOVX"          formwork root (KOVTAppDictionary)
//       "Style"         below any root (KOVTStyleDictionary)
//     "CrSecKeepers"    cross sections of the steel module
//     "MaterialKeepers" materials of the steel module
//
// The module roots double as the drawing's stamps.
#pragma once

inline constexpr const wchar_t* kKovtRootDictName = L"KOVT";
inline constexpr const wchar_t* kKovrRootDictName = L"KOVR";
inline constexpr const wchar_t* kKovsRootDictName = L"KOVS";
inline constexpr const wchar_t* kKovxRootDictName = L"KOVX";
inline constexpr const wchar_t* kStyleDictName = L"Style";
inline constexpr const wchar_t* kCrSecKeepersDictName = L"CrSecKeepers";
inline constexpr const wchar_t* kMaterialKeepersDictName = L"MaterialKeepers";
