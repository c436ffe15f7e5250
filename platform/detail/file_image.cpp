#include "platform/detail/file_image.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/sendfile.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstring>
#include <mutex>
#include <utility>

#include "platform/detail/unique_fd.h"

namespace kovt_platform {

namespace {

// The kernel copies the file's cached pages into a memory file, which is then
// mapped populated: no page is faulted in one at a time, and on a virtual
// machine those faults were most of the cost of opening a drawing. Its
// descriptor is closed once it is mapped, so images hold none. A region
// released is kept and refilled in place for the next image: a batch of
// drawings reuses the same pages.
constexpr std::size_t kMaxSpare = std::size_t(16) << 20;

std::mutex g_spareMutex;
std::atomic<bool> g_nextOntoHeap{false};

std::size_t RoundToPages(std::size_t size) {
  const auto page = static_cast<std::size_t>(::sysconf(_SC_PAGESIZE));
  return (size + page - 1) / page * page;
}

// Reads the first size bytes of fd into bytes.
bool ReadAll(int fd, std::uint8_t* bytes, std::size_t size, std::string& error) {
  std::size_t done = 0;
  while (done < size) {
    const ssize_t n = ::pread(fd, bytes + done, size - done, static_cast<off_t>(done));
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) {
      error = std::strerror(errno);
      return false;
    }
    if (n == 0) {
      error = "it ended while it was read";
      return false;
    }
    done += static_cast<std::size_t>(n);
  }
  return true;
}

}  // namespace

FileImage::~FileImage() { Reset(); }

FileImage::Region& FileImage::Spare() {
  static Region spare;
  return spare;
}

void FileImage::Release(Region& region) {
  for (std::uint8_t* view : {region.map, region.refill})
    if (view != nullptr) ::munmap(view, region.capacity);
  region = Region();
}

bool FileImage::Fill(Region& region, int fd, std::size_t size) {
  {
    std::lock_guard<std::mutex> lock(g_spareMutex);
    // A spare inherited over fork shares its pages with the parent's.
    Region& spare = Spare();
    if (spare.owner == ::getpid() && spare.capacity >= size) region = std::exchange(spare, Region());
    else Release(spare);
  }
  // Pages already mapped are refilled in place, through a second view:
  // images are read-only, so that a stray write faults rather than changes a
  // drawing being read.
  std::string error;
  if (region.map != nullptr) return ReadAll(fd, region.refill, size, error);
  UniqueFd memory(::memfd_create("file image", MFD_CLOEXEC));
  const std::size_t capacity = RoundToPages(size);
  if (memory.Get() < 0 || ::ftruncate(memory.Get(), static_cast<off_t>(capacity)) != 0) return false;
  off_t offset = 0;
  while (static_cast<std::size_t>(offset) < size) {
    const ssize_t n = ::sendfile(memory.Get(), fd, &offset, size - static_cast<std::size_t>(offset));
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
  }
  void* map = ::mmap(nullptr, capacity, PROT_READ, MAP_SHARED | MAP_POPULATE, memory.Get(), 0);
  if (map == MAP_FAILED) return false;
  region = {static_cast<std::uint8_t*>(map), nullptr, capacity, ::getpid()};
  void* refill = ::mmap(nullptr, capacity, PROT_READ | PROT_WRITE, MAP_SHARED, memory.Get(), 0);
  if (refill == MAP_FAILED) return false;
  region.refill = static_cast<std::uint8_t*>(refill);
  return true;
}

bool FileImage::Read(int fd, std::size_t size, std::string& error) {
  Reset();
  if (size == 0) return true;
  if (!g_nextOntoHeap.exchange(false) && Fill(m_region, fd, size)) {
    m_data = m_region.map;
    m_size = size;
    return true;
  }
  // Without a memory file (or with a file the kernel cannot copy so) the
  // bytes are read onto the heap; a file that truly cannot be read fails here.
  Release(m_region);
  m_heap = std::make_unique_for_overwrite<std::uint8_t[]>(size);
  if (!ReadAll(fd, m_heap.get(), size, error)) {
    m_heap.reset();
    return false;
  }
  m_data = m_heap.get();
  m_size = size;
  return true;
}

void FileImage::Reset() {
  m_data = nullptr;
  m_size = 0;
  m_heap.reset();
  if (m_region.map == nullptr) return;
  if (m_region.capacity <= kMaxSpare) {
    std::lock_guard<std::mutex> lock(g_spareMutex);
    if (Spare().map == nullptr) {
      Spare() = std::exchange(m_region, Region());
      return;
    }
  }
  Release(m_region);
}

void ReadNextImageOntoHeap() { g_nextOntoHeap = true; }

}  // namespace kovt_platform
