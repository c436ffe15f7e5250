#include "platform/find_files.h"

#include <dirent.h>
#include <sys/stat.h>

#include <algorithm>
#include <memory>
#include <mutex>
#include <set>
#include <string>
#include <vector>

#include "platform/detail/case_fold.h"
#include "platform/detail/native_path.h"
#include "platform/detail/wildcard.h"
#include "platform/wide_string.h"

namespace {

struct FindState {
  std::vector<WIN32_FIND_DATAW> entries;
  std::size_t next = 0;
};

std::mutex findMutex;
std::set<FindState*> openFinds;

FILETIME FileTimeOf(const timespec& time) {
  constexpr std::uint64_t kSecondsFrom1601 = 11644473600ull;
  const auto ticks = (static_cast<std::uint64_t>(time.tv_sec) + kSecondsFrom1601) * 10'000'000ull +
                     static_cast<std::uint64_t>(time.tv_nsec) / 100;
  return {static_cast<DWORD>(ticks), static_cast<DWORD>(ticks >> 32)};
}

bool Describe(const std::string& folder, const std::wstring& name, WIN32_FIND_DATAW& data) {
  if (name.size() >= MAX_PATH) return false;
  struct stat info {};
  struct stat link {};
  const std::string full = folder + "/" + WideToUtf8(name);
  if (::lstat(full.c_str(), &link) != 0) return false;
  if (::stat(full.c_str(), &info) != 0) info = link;  // a dangling link describes itself
  data = WIN32_FIND_DATAW{};
  DWORD attributes = S_ISLNK(link.st_mode) ? FILE_ATTRIBUTE_REPARSE_POINT : 0;
  if (S_ISDIR(info.st_mode)) attributes |= FILE_ATTRIBUTE_DIRECTORY;
  if (name.starts_with(L'.') && name != L"." && name != L"..") attributes |= FILE_ATTRIBUTE_HIDDEN;
  if (!(info.st_mode & S_IWUSR)) attributes |= FILE_ATTRIBUTE_READONLY;
  data.dwFileAttributes = attributes ? attributes : FILE_ATTRIBUTE_NORMAL;
  data.ftCreationTime = FileTimeOf(info.st_ctim);
  data.ftLastAccessTime = FileTimeOf(info.st_atim);
  data.ftLastWriteTime = FileTimeOf(info.st_mtim);
  if (!S_ISDIR(info.st_mode)) {
    const auto size = static_cast<std::uint64_t>(info.st_size);
    data.nFileSizeHigh = static_cast<DWORD>(size >> 32);
    data.nFileSizeLow = static_cast<DWORD>(size);
  }
  std::copy(name.begin(), name.end(), data.cFileName);
  return true;
}

// "." and ".." first, then by name ignoring case, as a Windows folder lists.
bool ListsBefore(const WIN32_FIND_DATAW& a, const WIN32_FIND_DATAW& b) {
  const std::wstring_view x = a.cFileName, y = b.cFileName;
  const int rankX = x == L"." ? 0 : x == L".." ? 1 : 2;
  const int rankY = y == L"." ? 0 : y == L".." ? 1 : 2;
  if (rankX != rankY) return rankX < rankY;
  const auto fx = kovt_platform::FoldCase(x), fy = kovt_platform::FoldCase(y);
  return fx != fy ? fx < fy : x < y;
}

// Every entry of folder matching pattern; false when the folder cannot be read.
bool Collect(const std::string& folder, const std::wstring& pattern, std::vector<WIN32_FIND_DATAW>& out) {
  DIR* dir = ::opendir(folder.c_str());
  if (!dir) return false;
  while (const dirent* entry = ::readdir(dir)) {
    const std::wstring name = Utf8ToWide(entry->d_name);
    WIN32_FIND_DATAW data;
    if (kovt_platform::MatchesFilePattern(pattern, name) && Describe(folder, name, data)) out.push_back(data);
  }
  ::closedir(dir);
  std::sort(out.begin(), out.end(), ListsBefore);
  return true;
}

}  // namespace

HANDLE FindFirstFileW(LPCWSTR pattern, LPWIN32_FIND_DATAW data) {
  if (!pattern || !data) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return INVALID_HANDLE_VALUE;
  }
  const std::wstring path = kovt_platform::ForwardSlashes(pattern);
  const auto slash = path.rfind(L'/');
  const std::wstring namePattern = slash == std::wstring::npos ? path : path.substr(slash + 1);
  std::string folder = ".";
  if (slash == 0) folder = "/";
  else if (slash != std::wstring::npos) folder = WideToUtf8(path.substr(0, slash));
  auto state = std::make_unique<FindState>();
  if (!Collect(folder, namePattern, state->entries)) {
    SetLastError(ERROR_PATH_NOT_FOUND);
    return INVALID_HANDLE_VALUE;
  }
  if (namePattern.empty() || state->entries.empty()) {
    SetLastError(ERROR_FILE_NOT_FOUND);
    return INVALID_HANDLE_VALUE;
  }
  *data = state->entries[state->next++];
  const std::lock_guard lock(findMutex);
  openFinds.insert(state.get());
  return state.release();
}

BOOL FindNextFileW(HANDLE find, LPWIN32_FIND_DATAW data) {
  const std::lock_guard lock(findMutex);
  auto* state = static_cast<FindState*>(find);
  if (!data || !openFinds.contains(state)) {
    SetLastError(ERROR_INVALID_HANDLE);
    return FALSE;
  }
  if (state->next >= state->entries.size()) {
    SetLastError(ERROR_NO_MORE_FILES);
    return FALSE;
  }
  *data = state->entries[state->next++];
  return TRUE;
}

BOOL FindClose(HANDLE find) {
  const std::lock_guard lock(findMutex);
  auto* state = static_cast<FindState*>(find);
  if (openFinds.erase(state) == 0) {
    SetLastError(ERROR_INVALID_HANDLE);
    return FALSE;
  }
  delete state;
  return TRUE;
}
