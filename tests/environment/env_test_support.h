// Every environment test runs against a registry and data folders in a
// temporary folder of its own; the user's real ones are never touched.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>

#include "core/kovt_string.h"
#include "tests/platform/scratch.h"

// The language and locale the process-wide caches hold for the whole run.
inline constexpr const wchar_t* kTestLanguage = L"qps-ploc";
inline constexpr const wchar_t* kTestLocaleId = L"407";

class EnvironmentTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  const std::filesystem::path& Root() const { return m_scratch.Path(); }
  // Moves the registry and the data folders to new ones below `folder`.
  void Use(const std::filesystem::path& folder);
  // KOVT_DATA_DIR's per-user and all-users folders with the product's sub-folder.
  std::filesystem::path UserData() const;
  std::filesystem::path SharedData() const;

 private:
  ScratchDir m_scratch;
  std::filesystem::path m_data;
  std::unique_ptr<ScopedEnv> m_registryEnv, m_dataEnv;
};

// Writes a string value below the local-machine hive, as an installer does.
void SetMachineValue(const wchar_t* key, const wchar_t* name, const wchar_t* text);
// The path as the module reports folders: with '/' and a trailing separator.
KOVTString FolderText(const std::filesystem::path& folder);
void ReleaseAllConfigs();
