// LD_PRELOAD library for tests: fails one chosen allocation of a program.
//
// Allocations are counted from the start of main, so the C and C++ runtimes
// can start up. KOVT_FAIL_ALLOCATION=N makes the Nth one return null (operator
// new then throws std::bad_alloc); the ones after it succeed again.
// KOVT_ALLOCATION_COUNT=path writes the number counted when the process ends,
// which tells a sweep how far N has to go. The program makes no over-aligned
// allocations, so malloc, calloc and realloc are all it calls.
#include <dlfcn.h>
#include <fcntl.h>
#include <unistd.h>

#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <cstring>

extern "C" {
void* __libc_malloc(std::size_t size);
void* __libc_calloc(std::size_t count, std::size_t size);
void* __libc_realloc(void* pointer, std::size_t size);
}

namespace {

bool g_counting = false;
unsigned long g_count = 0;
unsigned long g_failAt = 0;

// True when this allocation is the one to fail.
bool failNow() {
  if (!g_counting) return false;
  return ++g_count == g_failAt;
}

using MainFunction = int (*)(int, char**, char**);
MainFunction g_main = nullptr;

int countingMain(int argc, char** argv, char** envp) {
  if (const char* failAt = std::getenv("KOVT_FAIL_ALLOCATION")) g_failAt = std::strtoul(failAt, nullptr, 10);
  g_counting = true;
  return g_main(argc, argv, envp);
}

// Runs after every static destructor of the program: the count is complete.
__attribute__((destructor)) void reportCount() {
  const char* path = std::getenv("KOVT_ALLOCATION_COUNT");
  if (path == nullptr) return;
  g_counting = false;
  char text[32];
  const int length = std::snprintf(text, sizeof text, "%lu\n", g_count);
  const int file = ::open(path, O_WRONLY | O_CREAT | O_TRUNC, 0644);
  if (file < 0) return;
  if (::write(file, text, static_cast<std::size_t>(length)) != length) std::perror(path);
  ::close(file);
}

}  // namespace

extern "C" {

using StartMain = int (*)(MainFunction, int, char**, void (*)(), void (*)(), void (*)(), void*);

int __libc_start_main(MainFunction main, int argc, char** argv, void (*init)(), void (*fini)(),
                      void (*rtldFini)(), void* stackEnd) {
  g_main = main;
  auto next = reinterpret_cast<StartMain>(dlsym(RTLD_NEXT, "__libc_start_main"));
  return next(countingMain, argc, argv, init, fini, rtldFini, stackEnd);
}

void* malloc(std::size_t size) { return failNow() ? nullptr : __libc_malloc(size); }
void* calloc(std::size_t count, std::size_t size) { return failNow() ? nullptr : __libc_calloc(count, size); }
void* realloc(void* pointer, std::size_t size) { return failNow() ? nullptr : __libc_realloc(pointer, size); }

}  // extern "C"
