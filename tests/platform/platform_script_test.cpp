// The registry kept in text files, modules, their string tables, the data
// folders, paths, name folding, file searches and files replaced in folders
// others write to, driven by the scenarios of data/registry_script.txt,
// modules_script.txt and files_script.txt.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/stat.h>

#include <algorithm>
#include <map>
#include <memory>
#include <optional>

#include "platform/detail/atomic_file.h"
#include "platform/detail/case_fold.h"
#include "platform/detail/registry_tree.h"
#include "platform/detail/unique_fd.h"
#include "platform/find_files.h"
#include "platform/known_folders.h"
#include "platform/modules.h"
#include "platform/path_helpers.h"
#include "platform/registry.h"
#include "platform/string_resources.h"
#include "scratch.h"
#include "tests/units/call_rows.h"

// The program's own string table; the test module has a different one.
const KovtStringResource KovtStringTable[] = {{1, L"Program one"}, {3, L"Three"}, {0, nullptr}};

namespace {

namespace fs = std::filesystem;

// "{dir}", the scenario's folder, "{module}" and "{dependent}", the test
// modules, and "{exe}", the program.
Placeholders PlaceholdersOf(const fs::path& dir) {
  return {{L"{module}", NativeNameToWide(fs::weakly_canonical(KOVT_TEST_MODULE_PATH).string())},
          {L"{dependent}", NativeNameToWide(KOVT_TEST_DEPENDENT_PATH)},
          {L"{exe}", NativeNameToWide(fs::read_symlink("/proc/self/exe").string())},
          {L"{dir}", NativeNameToWide(dir.string())}};
}
// A number in hex, or in octal.
std::wstring Hex(unsigned number, int base = 16) {
  wchar_t text[16];
  std::swprintf(text, 16, base == 8 ? L"%o" : L"%x", number);
  return text;
}
// A stored text with its controls and lone surrogates escaped.
std::wstring Encoded(const wchar_t* text, std::size_t length) {
  std::wstring encoded;
  for (const wchar_t c : std::wstring_view(text, length)) {
    if (c >= 0x20 && (c < 0xD800 || c > 0xDFFF))
      encoded += c;
    else
      encoded += L"\\u{" + Hex(static_cast<unsigned>(c)) + L"}";
  }
  return encoded;
}
std::wstring Hex(const BYTE* bytes, DWORD size) {
  std::wstring hex;
  for (DWORD i = 0; i < size; ++i) hex += (bytes[i] < 16 ? L"0" : L"") + Hex(bytes[i]);
  return hex;
}

// A scenario's folder, which also holds the registry, and the keys, modules
// and locks it holds by name; the current directory comes back at its end.
struct Scenario {
  Scenario() { KovtRegistryDiscardCache(); }
  ~Scenario() {
    fs::current_path(directory);
    for (const auto& [name, module] : modules)
      if (module != nullptr) FreeLibrary(module);
    for (const auto& [name, key] : keys)
      if (key != nullptr && key != reinterpret_cast<HKEY>(1)) RegCloseKey(key);
    KovtRegistryDiscardCache();
  }
  HKEY Key(const std::wstring& name) {
    return name == L"HKCU" ? HKEY_CURRENT_USER : name == L"HKLM" ? HKEY_LOCAL_MACHINE : keys[name];
  }
  // The names of the key's values or sub-keys, read into a buffer of `chars`,
  // and the last status unless that ended the list. Values may be asked with
  // a buffer but no size for it: "data" or "name".
  std::wstring Names(const std::wstring& key, bool values, DWORD chars = 64,
                     const std::wstring& unsized = L"") {
    std::vector<std::wstring> names;
    std::vector<wchar_t> name(chars);
    LONG status = ERROR_SUCCESS;
    BYTE byte = 0;
    BYTE* data = unsized == L"data" ? &byte : nullptr;
    for (DWORD i = 0, size = chars; status == ERROR_SUCCESS; ++i, size = chars) {
      DWORD* nameSize = unsized == L"name" ? nullptr : &size;
      status = values ? RegEnumValueW(Key(key), i, name.data(), nameSize, nullptr, nullptr, data, nullptr)
                      : RegEnumKeyExW(Key(key), i, name.data(), &size, nullptr, nullptr, nullptr, nullptr);
      if (status == ERROR_SUCCESS) names.emplace_back(name.data());
    }
    if (status != ERROR_NO_MORE_ITEMS) names.push_back(N(status));
    return Joined(names);
  }

  // A module by name: one of the scenario's, the program, or the file's name.
  std::wstring Which(HMODULE module) const {
    if (module == nullptr) return L"null";
    for (const auto& [name, loaded] : modules)
      if (loaded == module) return name;
    if (module == GetModuleHandleW(nullptr)) return L"exe";
    wchar_t path[MAX_PATH];
    return fs::path(std::wstring(path, GetModuleFileNameW(module, path, MAX_PATH))).filename().wstring();
  }

  const fs::path directory = fs::current_path();
  ScratchDir dir;
  ScopedEnv registry{"KOVT_REGISTRY_DIR", dir.Path().string()};
  std::vector<std::unique_ptr<ScopedEnv>> environment;
  std::map<std::wstring, HKEY> keys;
  std::map<std::wstring, HMODULE> modules;
  std::vector<kovt_platform::UniqueFd> held;
};

// Answers what the call gave and the last error it left.
template <class Call>
std::wstring WithError(Call call) {
  SetLastError(0);
  const std::wstring answer = call();
  return answer + L"|" + N(GetLastError());
}

std::wstring Handle(HKEY key) {
  return key == nullptr ? L"null" : key == reinterpret_cast<HKEY>(1) ? L"untouched" : L"key";
}

CallTable Calls(std::optional<Scenario>& s) {
  return {
      {L"create",
       [&](const Args& a) {
         HKEY& key = s->keys[a[0]] = reinterpret_cast<HKEY>(1);
         DWORD disposition = 0;
         const LONG status = RegCreateKeyExW(s->Key(a[1]), a[2].c_str(), 0, nullptr, 0, KEY_ALL_ACCESS,
                                             nullptr, &key, &disposition);
         if (status != ERROR_SUCCESS) return N(status) + L"|" + Handle(key);
         return N(status) + (disposition == REG_CREATED_NEW_KEY ? L"|new" : L"|existing");
       }},
      {L"open",
       [&](const Args& a) {
         HKEY& key = s->keys[a[0]] = reinterpret_cast<HKEY>(1);
         const REGSAM access = a[3] == L"read" ? KEY_READ : KEY_ALL_ACCESS;
         const LONG status = RegOpenKeyExW(s->Key(a[1]), a[2].c_str(), 0, access, &key);
         return N(status) + L"|" + Handle(key);
       }},
      {L"set",
       [&](const Args& a) {
         const DWORD type = static_cast<DWORD>(I(a[2]));
         const std::wstring& text = a[3];
         std::vector<BYTE> bytes;
         if (type == REG_SZ) {
           const auto* chars = reinterpret_cast<const BYTE*>(text.c_str());
           bytes.assign(chars, chars + (text.size() + 1) * sizeof(wchar_t));
         } else if (text != L"null") {
           for (std::size_t i = 0; i + 1 < text.size(); i += 2)
             bytes.push_back(std::stoi(text.substr(i, 2), nullptr, 16));
         }
         const DWORD size = a.size() > 4 ? static_cast<DWORD>(I(a[4])) : static_cast<DWORD>(bytes.size());
         return N(RegSetValueExW(s->Key(a[0]), Name(a[1]), 0, type, text == L"null" ? nullptr : bytes.data(),
                                 size));
       }},
      // Answers the status, type and size, then the data, or whether the
      // buffer was left as it was.
      {L"get",
       [&](const Args& a) {
         std::vector<BYTE> buffer(a.size() > 2 && a[2] != L"null" && a[2] != L"nosize" ? I(a[2]) : 1024,
                                  0xAB);
         BYTE* data = a.size() > 2 && a[2] == L"null" ? nullptr : buffer.data();
         DWORD type = 0, size = static_cast<DWORD>(buffer.size());
         const LONG status = RegQueryValueExW(s->Key(a[0]), a[1].c_str(), nullptr, &type, data,
                                              a.size() > 2 && a[2] == L"nosize" ? nullptr : &size);
         std::wstring shown = data == nullptr ? L"-" : L"untouched";
         if (status == ERROR_SUCCESS && data != nullptr)
           shown = type == REG_SZ ? Encoded(reinterpret_cast<const wchar_t*>(data), size / sizeof(wchar_t))
                                  : Hex(data, size);
         else if (data != nullptr && buffer != std::vector<BYTE>(buffer.size(), 0xAB))
           shown = L"written";
         return Joined({N(status), N(type), N(size), shown});
       }},
      {L"delete-value", [&](const Args& a) { return N(RegDeleteValueW(s->Key(a[0]), a[1].c_str())); }},
      {L"delete-key", [&](const Args& a) { return N(RegDeleteKeyW(s->Key(a[0]), a[1].c_str())); }},
      {L"close", [&](const Args& a) { return N(RegCloseKey(s->Key(a[0]))); }},
      {L"keys", [&](const Args& a) { return s->Names(a[0], false, a.size() > 1 ? I(a[1]) : 64); }},
      {L"values",
       [&](const Args& a) { return s->Names(a[0], true, 64, a.size() > 1 ? a[1] : L""); }},
      {L"restart", Done([](const Args&) { KovtRegistryDiscardCache(); })},
      {L"file", [&](const Args& a) { return NativeNameToWide(KovtRegistryFile(s->Key(a[0]))); }},
      // Where the text stands in the file: at its start, found later, or none.
      {L"find",
       [&](const Args& a) {
         const std::string text = ReadText(WideToNativeName(a[0]));
         const std::size_t at = text.find(WideToUtf8(a[1]));
         return std::wstring(at == 0 ? L"start" : at == std::string::npos ? L"none" : L"found");
       }},
      // Escaped bytes (U+DC80 to U+DCFF) are written as the bytes they stand for.
      {L"write", Done([](const Args& a) { WriteText(WideToNativeName(a[0]), WideToNativeName(a[1])); })},
      {L"same", [&](const Args& a) { return B(ReadText(WideToNativeName(a[0])) == WideToNativeName(a[1])); }},
      {L"size", [&](const Args& a) { return N(fs::file_size(WideToNativeName(a[0]))); }},
      // Files: the names in a folder, sorted.
      {L"entries",
       [&](const Args& a) {
         std::vector<std::wstring> names;
         for (const std::string& name : SortedEntries(WideToNativeName(a[0])))
           names.push_back(NativeNameToWide(name));
         return Joined(names);
       }},
      {L"read", [&](const Args& a) { return Utf8ToWide(ReadText(WideToNativeName(a[0]))); }},
      {L"mkdir", [&](const Args& a) { return B(fs::create_directories(WideToNativeName(a[0]))); }},
      {L"link",
       Done([](const Args& a) { fs::create_symlink(WideToNativeName(a[1]), WideToNativeName(a[0])); })},
      {L"chmod", Done([](const Args& a) {
         fs::permissions(WideToNativeName(a[0]), fs::perms(std::stoi(a[1], nullptr, 8)));
       })},
      // What the name is, not followed, and its permissions.
      {L"kind",
       [&](const Args& a) {
         const fs::file_status status = fs::symlink_status(WideToNativeName(a[0]));
         const wchar_t* kind = fs::is_symlink(status)        ? L"link"
                               : fs::is_directory(status)    ? L"folder"
                               : fs::is_regular_file(status) ? L"file"
                                                             : L"none";
         return kind + (L"|" + Hex(static_cast<unsigned>(status.permissions()) & 0777, 8));
       }},
      // Locks the file as a live writer holds its temporary.
      {L"hold",
       [&](const Args& a) {
         s->held.emplace_back(::open(WideToNativeName(a[0]).c_str(), O_RDONLY));
         return B(::flock(s->held.back().Get(), LOCK_EX) == 0);
       }},
      // Paths: the answer, or null and what was left in the buffer, which
      // holds the first argument at the start ("in-place": passed as it too).
      {L"combine",
       [&](const Args& a) {
         wchar_t dest[MAX_PATH] = {};
         a[0].copy(dest, MAX_PATH - 1);
         const wchar_t* answer = PathCombineW(dest, a.size() > 2 ? dest : Name(a[0]), Name(a[1]));
         return answer == dest ? std::wstring(dest) : L"null|" + std::wstring(dest);
       }},
      {L"append",
       [&](const Args& a) {
         wchar_t path[MAX_PATH] = {};
         a[0].copy(path, MAX_PATH - 1);
         const bool appended = PathAppendW(path, a[1].c_str());
         return B(appended) + L"|" + path;
       }},
      {L"cwd-set",
       [&](const Args& a) { return WithError([&] { return B(SetCurrentDirectoryW(a[0].c_str())); }); }},
      // The length answered less that of the directory, and the directory when it fits.
      {L"cwd-get",
       [&](const Args& a) {
         std::vector<wchar_t> buffer(I(a[0]), L'\0');
         const DWORD length = GetCurrentDirectoryW(static_cast<DWORD>(buffer.size()), buffer.data());
         return N(length - NativeNameToWide(fs::current_path().string()).size()) + L"|" + buffer.data();
       }},
      // The names a pattern finds, then the error that ended the search.
      {L"find-files",
       [&](const Args& a) {
         std::vector<std::wstring> names;
         WIN32_FIND_DATAW data;
         HANDLE find = FindFirstFileW(Name(a[0]), &data);
         if (find != INVALID_HANDLE_VALUE) {
           do names.emplace_back(data.cFileName);
           while (FindNextFileW(find, &data));
         }
         names.push_back(N(GetLastError()));
         if (find != INVALID_HANDLE_VALUE) names.push_back(B(FindClose(find)));
         return Joined(names);
       }},
      // How a search describes its first entry: attributes in hex, size and
      // write time; then whether it closed, closed again and stepped on after that.
      {L"find-entry",
       [&](const Args& a) {
         WIN32_FIND_DATAW data{};
         HANDLE find = FindFirstFileW(a[0].c_str(), &data);
         if (find == INVALID_HANDLE_VALUE) return std::wstring(L"none");
         const bool closed = FindClose(find);
         const auto time = static_cast<std::uint64_t>(data.ftLastWriteTime.dwHighDateTime) << 32 |
                           data.ftLastWriteTime.dwLowDateTime;
         return Joined({Hex(data.dwFileAttributes), N(data.nFileSizeLow), std::to_wstring(time), B(closed),
                        B(FindClose(find)), B(FindNextFileW(find, &data))});
       }},
      // Sets the write time of the name itself to the seconds given and a half.
      {L"age",
       [&](const Args& a) {
         const timespec times[] = {{I(a[1]), 500'000'000}, {I(a[1]), 500'000'000}};
         return B(::utimensat(AT_FDCWD, WideToNativeName(a[0]).c_str(), times, AT_SYMLINK_NOFOLLOW) == 0);
       }},
      {L"fold", [&](const Args& a) { return kovt_platform::FoldCase(a[0]); }},
      {L"replace",
       [&](const Args& a) {
         std::string error;
         const bool replaced =
             kovt_platform::ReplaceFileContents(WideToNativeName(a[0]), WideToUtf8(a[1]), error);
         return B(replaced) + (error.empty() ? L"" : L"|" + NativeNameToWide(error));
       }},
      {L"exists", [&](const Args& a) { return B(fs::exists(WideToNativeName(a[0]))); }},
      {L"env", Done([&](const Args& a) {
         std::optional<std::string> value;
         if (a.size() > 1) value = WideToNativeName(a[1]);
         s->environment.push_back(std::make_unique<ScopedEnv>(WideToUtf8(a[0]).c_str(), value));
       })},
      {L"error", [&](const Args&) { return NativeNameToWide(KovtRegistryErrorText()); }},
      // Modules, named by the scenario; "(null)" stands for none.
      {L"load",
       [&](const Args& a) {
         std::wstring path = a[1];
         std::replace(path.begin(), path.end(), L'/', L'\\');
         return WithError([&] { return s->Which(s->modules[a[0]] = LoadLibraryW(Name(path))); });
       }},
      {L"free",
       [&](const Args& a) {
         const bool freed = FreeLibrary(s->modules[a[0]]);
         if (freed) s->modules[a[0]] = nullptr;
         return B(freed);
       }},
      {L"proc",
       [&](const Args& a) {
         return WithError([&] {
           const auto answer =
               reinterpret_cast<int (*)()>(GetProcAddress(s->modules[a[0]], WideToUtf8(a[1]).c_str()));
           return answer == nullptr ? std::wstring(L"null") : N(answer());
         });
       }},
      {L"handle", [&](const Args& a) { return s->Which(GetModuleHandleW(Name(a[0]))); }},
      {L"from-address",
       [&](const Args& a) {
         const void* address = a[0] == L"test"       ? reinterpret_cast<const void*>(&Handle)
                               : a[0] == L"platform" ? reinterpret_cast<const void*>(&LoadLibraryW)
                               : a[0] == L"(null)"
                                   ? nullptr
                                   : GetProcAddress(s->modules[a[0]], WideToUtf8(a[1]).c_str());
         return s->Which(GetModuleHandleFromAddress(address));
       }},
      // Takes a counted reference, kept as the name, by the module's file name.
      {L"handle-ex",
       [&](const Args& a) {
         const bool found = GetModuleHandleExW(0, a[1].c_str(), &s->modules[a[0]]);
         return B(found) + L"|" + s->Which(s->modules[a[0]]);
       }},
      // Takes no reference, by the address of a module's export.
      {L"handle-ex-address",
       [&](const Args& a) {
         HMODULE module = nullptr;
         const auto* address =
             reinterpret_cast<const wchar_t*>(GetProcAddress(s->modules[a[0]], WideToUtf8(a[1]).c_str()));
         const DWORD flags =
             GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT;
         const bool found = GetModuleHandleExW(flags, address, &module);
         return B(found) + L"|" + s->Which(module);
       }},
      // A string of a module's table into a buffer of the given size
      // ("pointer": the text in place), and its length.
      {L"string",
       [&](const Args& a) {
         return WithError([&] {
           wchar_t buffer[64] = L"untouched";
           const wchar_t* text = buffer;
           const bool pointer = a[2] == L"pointer", none = a[2] == L"null";
           wchar_t* into = pointer ? reinterpret_cast<wchar_t*>(&text) : none ? nullptr : buffer;
           const int length = LoadStringW(s->modules[a[0]], I(a[1]), into, pointer ? 0 : none ? 10 : I(a[2]));
           return N(length) + L"|" + text;
         });
       }},
      // A module's file name in a buffer of the given size ("null": none) that
      // starts as "k": the length answered less that of the text, and the text.
      {L"file-name",
       [&](const Args& a) {
         return WithError([&] {
           wchar_t buffer[MAX_PATH] = L"k";
           const bool none = a[1] == L"null";
           const DWORD length =
               GetModuleFileNameW(s->modules[a[0]], none ? nullptr : buffer, none ? MAX_PATH : I(a[1]));
           return N(static_cast<double>(length) - std::wcslen(buffer)) + L"|" + buffer;
         });
       }},
      // Data folders: a CSIDL with its flags, and the sub-folder.
      {L"folder",
       [&](const Args& a) {
         wchar_t path[MAX_PATH] = L"untouched";
         const HRESULT result = SHGetFolderPathAndSubDirW(nullptr, std::stoi(a[0], nullptr, 16), nullptr,
                                                          SHGFP_TYPE_CURRENT, Name(a[1]), path);
         return N(result) + L"|" + path;
       }},
  };
}

TEST(PlatformScript, EveryScenarioGivesItsAnswers) {
  std::optional<Scenario> scenario;
  const CallTable calls = Calls(scenario);
  std::wstring current;
  std::vector<GoldenRow> rows = ReadGoldenRows("platform/data/registry_script.txt", 4);
  for (const char* script : {"platform/data/modules_script.txt", "platform/data/files_script.txt"})
    for (const GoldenRow& row : ReadGoldenRows(script, 4)) rows.push_back(row);
  for (GoldenRow row : rows) {
    if (row[0] != current) {
      current = row[0];
      scenario.reset();
      scenario.emplace();
    }
    SCOPED_TRACE(WideToUtf8(current));
    // Arguments also resolve "\u{hex}" escapes; answers show them as they are.
    row[2] = WideUnescaped(Expanded(row[2], PlaceholdersOf(scenario->dir.Path())));
    row[3] = Expanded(row[3], PlaceholdersOf(scenario->dir.Path()));
    ExpectAnswer(calls, row, 1);
  }
}

TEST(PlatformScript, KeysOfAnyDepthAreTornDownWithoutRecursion) {
  auto root = std::make_unique<kovt_platform::RegKey>(L"HKEY_CURRENT_USER");
  kovt_platform::RegKey* deep = root.get();
  bool created = false;
  for (int depth = 0; depth < 1000000; ++depth) deep = &deep->Child(L"k", created);
}

}  // namespace
