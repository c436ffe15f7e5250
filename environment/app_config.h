// The configuration objects of the detailing applications: where each one's
// installation and data folders are, and where its data files are found.
#pragma once

#include "core/kovt_string.h"

// What every configuration object answers.
class KovtIAppSet {
 public:
  virtual ~KovtIAppSet() = default;
  // The folder of a path name ("PATHBIN", "PATHCFG" ...), ending with a separator.
  virtual const wchar_t* GetAppPath(const wchar_t* pathName, int number) const = 0;
  // Where a file of a path name is; see KOVTAppSet::GetPathAndFile.
  virtual const wchar_t* GetPathAndFile(const wchar_t* pathName, const wchar_t* fileName, int number) const = 0;
  virtual const wchar_t* GetApplicationName() const = 0;
  virtual const wchar_t* GetApplicationVersion() const = 0;
};

// The folders every application shares. Each ends with a separator; one the
// system cannot supply stays empty, so nothing is ever searched from the root.
class KOVTAppSet : public KovtIAppSet {
 public:
  // The module's own folder, and the per-user and all-users data folders
  // "<application data>\Hexlon\Lattice\Common Data\<version name>" (the
  // all-users one with "\Data" added) when they exist.
  KOVTAppSet();

  // The module folder, whatever the path name: the installation keeps its
  // binaries, configuration and resources there.
  const wchar_t* GetAppPath(const wchar_t* pathName, int number) const override;

  // For "KOVR_PAR_PATH_DATA" the file is searched (ignoring case, sub-folders
  // included) in the user data folder, then in the shared one; the first
  // match is the answer. Otherwise, or when nothing matches, the answer is
  // the module folder followed by the file name. The text lives in one
  // process-wide buffer of MAX_PATH characters that the next call overwrites;
  // it is empty when the path does not fit.
  const wchar_t* GetPathAndFile(const wchar_t* pathName, const wchar_t* fileName, int number) const override;

  const KOVTString& ModuleFolder() const { return m_moduleFolder; }
  const KOVTString& UserDataFolder() const { return m_userDataFolder; }
  const KOVTString& SharedDataFolder() const { return m_sharedDataFolder; }

 private:
  KOVTString m_moduleFolder;
  KOVTString m_userDataFolder;
  KOVTString m_sharedDataFolder;
};

// The reinforcement names of the installation folders ("KOVR_PAR_PATH_BIN")
// as the common ones ("PATHBIN"); other names unchanged.
const wchar_t* KovtCommonPathName(const wchar_t* pathName);

// A configuration with its application name; the version is the product's.
template <const wchar_t* ApplicationName, bool UsesReinforcementPathNames = false>
class KovtNamedAppSet : public KOVTAppSet {
 public:
  const wchar_t* GetAppPath(const wchar_t* pathName, int number) const override {
    return KOVTAppSet::GetAppPath(UsesReinforcementPathNames ? KovtCommonPathName(pathName) : pathName, number);
  }
  const wchar_t* GetApplicationName() const override { return ApplicationName; }
  // Refreshed on every call into a string of this class.
  const wchar_t* GetApplicationVersion() const override;
};

inline constexpr wchar_t kKovrApplicationName[] = L"KOVR";
inline constexpr wchar_t kKovsApplicationName[] = L"KOVS";
inline constexpr wchar_t kKovtApplicationName[] = L"KOVT";
inline constexpr wchar_t kKovxApplicationName[] = L"KOVX";
inline constexpr wchar_t kKovrShapeApplicationName[] = L"KOVRSHAPE";

class KOVTReinforcementConfig : public KovtNamedAppSet<kKovrApplicationName, true> {};
class KOVTBarshapeConfig : public KovtNamedAppSet<kKovrShapeApplicationName, true> {};
class KOVTSteelConfig : public KovtNamedAppSet<kKovsApplicationName> {};
class KOVTCommonConfig : public KovtNamedAppSet<kKovtApplicationName> {};
class KOVTFormworkConfig : public KovtNamedAppSet<kKovxApplicationName> {};

extern template class KovtNamedAppSet<kKovrApplicationName, true>;
extern template class KovtNamedAppSet<kKovrShapeApplicationName, true>;
extern template class KovtNamedAppSet<kKovsApplicationName>;
extern template class KovtNamedAppSet<kKovtApplicationName>;
extern template class KovtNamedAppSet<kKovxApplicationName>;
