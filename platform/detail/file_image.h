// A file's bytes read whole into memory that only this process holds: a
// reader checks them once and may point into them for as long as the image
// lives, whatever happens to the file meanwhile.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

namespace kovt_platform {

class FileImage {
 public:
  FileImage() = default;
  ~FileImage();
  FileImage(const FileImage&) = delete;
  FileImage& operator=(const FileImage&) = delete;

  // Reads the first `size` bytes of the open file `fd`, in place of what the
  // image held. False with `error` (a phrase for after the file's name) when
  // the file has fewer bytes or cannot be read; the image is then empty.
  // Throws std::bad_alloc when there is no memory for the bytes.
  bool Read(int fd, std::size_t size, std::string& error);

  const std::uint8_t* data() const { return m_data; }
  std::size_t size() const { return m_size; }

 private:
  // A memory file of `capacity` bytes mapped read-only at `map` and writable
  // at `refill` (its descriptor closed once mapped), made by process `owner`.
  struct Region {
    std::uint8_t* map = nullptr;
    std::uint8_t* refill = nullptr;
    std::size_t capacity = 0;
    int owner = 0;
  };
  // The region last released by this process, kept for the next image.
  static Region& Spare();
  static bool Fill(Region& region, int fd, std::size_t size);
  static void Release(Region& region);
  void Reset();

  const std::uint8_t* m_data = nullptr;
  std::size_t m_size = 0;
  // Where the bytes live: in the region when it has a map, else on the heap.
  Region m_region;
  std::unique_ptr<std::uint8_t[]> m_heap;
};

// For tests: the next image is read onto the heap, as where the system has no
// memory files or cannot copy the file into one.
void ReadNextImageOntoHeap();

}  // namespace kovt_platform
