// Temporary folders and environment variables that undo themselves, and the
// placeholders, escapes and calls of scenario files.
#pragma once

#include <stdlib.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <utility>
#include <vector>

class ScratchDir {
 public:
  ScratchDir() {
    std::string pattern = (std::filesystem::temp_directory_path() / "kovt-platform-XXXXXX").string();
    path_ = ::mkdtemp(pattern.data());
  }
  ~ScratchDir() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
  }
  ScratchDir(const ScratchDir&) = delete;
  ScratchDir& operator=(const ScratchDir&) = delete;
  const std::filesystem::path& Path() const { return path_; }

 private:
  std::filesystem::path path_;
};

class ScopedEnv {
 public:
  ScopedEnv(const char* name, const std::optional<std::string>& value) : name_(name) {
    if (const char* old = ::getenv(name)) old_ = old;
    if (value)
      ::setenv(name, value->c_str(), 1);
    else
      ::unsetenv(name);
  }
  ~ScopedEnv() {
    if (old_)
      ::setenv(name_.c_str(), old_->c_str(), 1);
    else
      ::unsetenv(name_.c_str());
  }
  ScopedEnv(const ScopedEnv&) = delete;
  ScopedEnv& operator=(const ScopedEnv&) = delete;

 private:
  std::string name_;
  std::optional<std::string> old_;
};

inline std::string ReadText(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The names in a folder, sorted.
inline std::vector<std::string> SortedEntries(const std::filesystem::path& folder) {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(folder))
    names.push_back(entry.path().filename());
  std::sort(names.begin(), names.end());
  return names;
}

inline void WriteText(const std::filesystem::path& file, const std::string& text) {
  std::filesystem::create_directories(file.parent_path());
  std::ofstream(file, std::ios::binary) << text;
}

// `text` with each name of `names` replaced by its value, then each "{N*text}"
// by N copies of the text.
using Placeholders = std::vector<std::pair<std::wstring, std::wstring>>;
inline std::wstring Expanded(std::wstring text, const Placeholders& names) {
  for (const auto& [name, value] : names)
    for (std::size_t at; (at = text.find(name)) != std::wstring::npos;) text.replace(at, name.size(), value);
  for (std::size_t at = 0; (at = text.find(L'{', at)) != std::wstring::npos; ++at) {
    const std::size_t star = text.find_first_not_of(L"0123456789", at + 1), end = text.find(L'}', at);
    if (star == at + 1 || star == std::wstring::npos || text[star] != L'*' || end == std::wstring::npos)
      continue;
    std::wstring copies;
    for (int n = std::stoi(text.substr(at + 1, star - at - 1)); n > 0; --n)
      copies += text.substr(star + 1, end - star - 1);
    text.replace(at, end + 1 - at, copies);
  }
  return text;
}

// `text` with each "\u{hex}" replaced by the character of that code.
inline std::wstring WideUnescaped(const std::wstring& text) {
  std::wstring decoded;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text.compare(i, 3, L"\\u{") == 0) {
      const std::size_t close = text.find(L'}', i);
      decoded += static_cast<wchar_t>(std::stoul(text.substr(i + 3, close - i - 3), nullptr, 16));
      i = close;
    } else {
      decoded += text[i];
    }
  }
  return decoded;
}

// A name of a scenario; "(null)" stands for none.
inline const wchar_t* Name(const std::wstring& text) { return text == L"(null)" ? nullptr : text.c_str(); }

// A call of a scenario made for its effect, answering "-".
template <class Effect>
auto Done(Effect effect) {
  return [effect](const auto& arguments) {
    effect(arguments);
    return std::wstring(L"-");
  };
}
