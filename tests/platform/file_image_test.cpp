// File images: the bytes read, whether the pages of one released are reused,
// and a forked child's images kept apart from its parent's.
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "platform/detail/file_image.h"
#include "platform/detail/unique_fd.h"
#include "scratch.h"

namespace {

namespace fs = std::filesystem;
using kovt_platform::FileImage;
using kovt_platform::UniqueFd;

// A file of `size` bytes that no other file of the test shares.
UniqueFd MakeFile(const ScratchDir& dir, std::size_t size, char seed) {
  const std::string path = (dir.Path() / std::string(1, seed)).string();
  std::string text(size, '\0');
  for (std::size_t i = 0; i < size; ++i) text[i] = static_cast<char>(seed + i * 7 % 251);
  WriteText(path, text);
  return UniqueFd(::open(path.c_str(), O_RDONLY));
}

std::string Text(const FileImage& image) {
  return std::string(reinterpret_cast<const char*>(image.data()), image.size());
}

std::string FileText(int fd, std::size_t size) {
  std::string text(size, '\0');
  EXPECT_EQ(::pread(fd, text.data(), size, 0), static_cast<ssize_t>(size));
  return text;
}

TEST(FileImage, ReadsTheBytesAskedForWhereverTheyLive) {
  // Each step reads a new file into its own image; images of the steps before
  // that are not kept are released first, so their pages may serve this one.
  struct Step {
    std::size_t fileSize, asked;
    bool ontoHeap, keep, read;
  };
  const Step steps[] = {
      {300000, 300000, false, false, true},  // a fresh memory file
      {10000, 10000, false, false, true},    // the spare, larger than needed
      {10000, 9000, false, true, true},      // only the start of a file
      {500000, 500000, false, true, true},   // another while one lives
      {4096, 4096, false, false, true},      // one exactly a page
      {300000, 300000, false, false, true},  // more than the spare holds
      {1000, 1001, false, false, false},     // a file shorter than asked
      {70000, 70000, true, false, true},     // onto the heap
      {1000, 2000, true, false, false},
      {0, 0, false, false, true},
  };
  ScratchDir dir;
  std::vector<std::unique_ptr<FileImage>> kept;
  char seed = 'a';
  for (const Step& step : steps) {
    SCOPED_TRACE(std::to_string(step.fileSize) + " bytes, " + std::to_string(step.asked) + " asked");
    UniqueFd file = MakeFile(dir, step.fileSize, seed++);
    auto image = std::make_unique<FileImage>();
    std::string error;
    if (step.ontoHeap) kovt_platform::ReadNextImageOntoHeap();
    EXPECT_EQ(image->Read(file.Get(), step.asked, error), step.read);
    EXPECT_EQ(error.empty(), step.read) << error;
    EXPECT_EQ(Text(*image), step.read ? FileText(file.Get(), step.asked) : "");
    if (step.keep) kept.push_back(std::move(image));
    for (const auto& earlier : kept) EXPECT_NE(earlier->data(), image ? image->data() : nullptr);
  }
  // The images kept still hold their own files' bytes.
  EXPECT_EQ(Text(*kept[0]), FileText(MakeFile(dir, 10000, 'c').Get(), 9000));
  EXPECT_EQ(Text(*kept[1]), FileText(MakeFile(dir, 500000, 'd').Get(), 500000));
}

TEST(FileImage, ImagesHoldNoDescriptorsAndReleasedOnesOneRegionAtMost) {
  // A host may keep hundreds of drawings open under a limit of 1024 descriptors.
  ScratchDir dir;
  UniqueFd file = MakeFile(dir, 5000, 'h');
  const auto open = [] { return std::distance(fs::directory_iterator("/proc/self/fd"), fs::directory_iterator()); };
  // Each region is two views of one memory file.
  const auto views = [] {
    std::ifstream maps("/proc/self/maps");
    int count = 0;
    for (std::string line; std::getline(maps, line);) count += line.find("memfd:file image") != std::string::npos;
    return count;
  };
  const auto before = open();
  std::vector<std::unique_ptr<FileImage>> images;
  std::string error;
  for (int i = 0; i < 50; ++i) {
    images.push_back(std::make_unique<FileImage>());
    ASSERT_TRUE(images.back()->Read(file.Get(), 5000, error)) << error;
  }
  EXPECT_EQ(open(), before);
  EXPECT_GE(views(), 100);
  images.clear();
  EXPECT_EQ(views(), 2);
}

TEST(FileImage, WithNoDescriptorLeftForAMemoryFileItReadsOntoTheHeap) {
  // Larger than any image before, so no spare region can serve it.
  constexpr std::size_t kSize = 600000;
  ScratchDir dir;
  UniqueFd file = MakeFile(dir, kSize, 'n');
  rlimit limit{};
  ASSERT_EQ(::getrlimit(RLIMIT_NOFILE, &limit), 0);
  const int lowestFree = ::dup(0);
  ::close(lowestFree);
  rlimit none = limit;
  none.rlim_cur = static_cast<rlim_t>(lowestFree);
  ASSERT_EQ(::setrlimit(RLIMIT_NOFILE, &none), 0);
  FileImage image;
  std::string error;
  const bool read = image.Read(file.Get(), kSize, error);
  ::setrlimit(RLIMIT_NOFILE, &limit);
  EXPECT_TRUE(read) << error;
  EXPECT_EQ(Text(image), FileText(file.Get(), kSize));
}

TEST(FileImage, AForkedChildNeverReadsIntoItsParentsPages) {
  // The parent holds one image and a released one's pages, which it takes for
  // another image once the child lives; the child then reads two files, one
  // in place of its copy of the parent's image.
  ScratchDir dir;
  std::vector<UniqueFd> files;
  for (char seed : {'p', 'q', 'r', 's', 't'}) files.push_back(MakeFile(dir, 200000, seed));
  std::string error;
  FileImage held, taken;
  ASSERT_TRUE(held.Read(files[0].Get(), 200000, error));
  {
    FileImage released;
    ASSERT_TRUE(released.Read(files[1].Get(), 200000, error));
  }
  int go[2];
  ASSERT_EQ(::pipe(go), 0);
  const pid_t child = ::fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    char signal;
    FileImage own;
    const bool read = ::read(go[0], &signal, 1) == 1 && own.Read(files[3].Get(), 200000, error) &&
                      held.Read(files[4].Get(), 200000, error) && Text(own) == FileText(files[3].Get(), 200000) &&
                      Text(held) == FileText(files[4].Get(), 200000);
    ::_exit(read ? 0 : 1);
  }
  ASSERT_TRUE(taken.Read(files[2].Get(), 200000, error));
  ASSERT_EQ(::write(go[1], "x", 1), 1);
  int status = 0;
  ASSERT_EQ(::waitpid(child, &status, 0), child);
  ::close(go[0]);
  ::close(go[1]);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  EXPECT_EQ(Text(held), FileText(files[0].Get(), 200000));
  EXPECT_EQ(Text(taken), FileText(files[2].Get(), 200000));
}

}  // namespace
