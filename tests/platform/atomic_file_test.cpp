// Replacing files in folders others write to: attributes, batches and the lock
// of a read-modify-write; links, refusals and temporaries of writers that died
// are among the platform scenarios.
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <future>
#include <sstream>
#include <thread>

#include "platform/detail/atomic_file.h"
#include "platform/detail/file_lock.h"
#include "platform/wide_string.h"
#include "scratch.h"
#include "tests/support/golden_rows.h"

namespace {

namespace fs = std::filesystem;
using kovt_platform::FileLock;
using namespace std::chrono_literals;

class AtomicFileTest : public ::testing::Test {
 protected:
  fs::path Path(const std::string& name) const { return dir_.Path() / name; }
  bool Replace(const std::string& name, const std::string& text) {
    error_.clear();
    return kovt_platform::ReplaceFileContents(Path(name), text, error_);
  }

  ScratchDir dir_;
  std::string error_;
};

TEST_F(AtomicFileTest, PiecesAreWrittenInOrderOrNotAtAll) {
  for (const GoldenRow& row : ReadGoldenRows("platform/data/gathered_pieces.txt", 3)) {
    SCOPED_TRACE(WideToUtf8(row[0]) + " cut at " + WideToUtf8(row[1]));
    std::vector<std::string> texts;
    std::istringstream sizes(WideToUtf8(row[0]));
    for (std::string size; sizes >> size;) {
      const std::size_t star = size.find('*');
      const int count = star == std::string::npos ? 1 : std::stoi(size.substr(star + 1));
      for (int i = 0; i < count; ++i)
        texts.emplace_back(std::stoul(size.substr(0, star)), static_cast<char>('a' + texts.size() % 26));
    }
    const std::vector<std::string_view> pieces(texts.begin(), texts.end());
    WriteText(Path("d.txt"), "old");
    if (row[1] != L"-") kovt_platform::FailNextReplaceAfter(std::stoul(row[1]));
    error_.clear();
    const bool replaced = kovt_platform::ReplaceFileContents(Path("d.txt"), pieces, error_);
    EXPECT_EQ(replaced, row[2] == L"replaced") << error_;
    std::string whole;
    for (const std::string& text : texts) whole += text;
    EXPECT_EQ(ReadText(Path("d.txt")), replaced ? whole : "old");
    EXPECT_EQ(SortedEntries(Path("")), std::vector<std::string>{"d.txt"});
  }
}

TEST_F(AtomicFileTest, ModeOwnerAndGroupAreKept) {
  for (const GoldenRow& row : ReadGoldenRows("platform/data/kept_attributes.txt", 3)) {
    const auto mode = static_cast<mode_t>(std::stoul(row[0], nullptr, 8));
    const auto owner = static_cast<uid_t>(std::stoul(row[1])), group = static_cast<gid_t>(std::stoul(row[2]));
    if ((owner != ::geteuid() || group != ::getegid()) && ::geteuid() != 0) continue;  // only root gives away
    SCOPED_TRACE(WideToUtf8(row[0] + L" " + row[1] + L":" + row[2]));
    WriteText(Path("d.txt"), "old");
    ASSERT_EQ(::chown(Path("d.txt").c_str(), owner, group), 0);
    ASSERT_EQ(::chmod(Path("d.txt").c_str(), mode), 0);
    ASSERT_TRUE(Replace("d.txt", "new")) << error_;
    struct stat st {};
    ASSERT_EQ(::stat(Path("d.txt").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, mode);
    EXPECT_EQ(st.st_uid, owner);
    EXPECT_EQ(st.st_gid, group);
    EXPECT_EQ(ReadText(Path("d.txt")), "new");
  }
}

TEST_F(AtomicFileTest, ABatchSweepsEachFolderOnceAndTellsTheFoldersItCouldNotFlush) {
  struct Case {
    const char* file;
    bool noted;  // as a forked writer's save is; a save of this process is owed its flush anyway
  };
  const Case cases[] = {
      {"a/1.txt", true}, {"b/1.txt", true}, {"a/2.txt", true}, {"b/2.txt", true}, {"c/1.txt", false}};
  for (const char* folder : {"a", "b", "c"}) {
    fs::create_directory(Path(folder));
    WriteText(Path(folder) / ".gone.txt.kovtsave-abcdefghij01", "partial");
  }
  kovt_platform::SaveBatch batch;
  for (const Case& c : cases) {
    ASSERT_TRUE(Replace(c.file, c.file)) << error_;
    if (c.noted) batch.Replaced(Path(c.file));
    EXPECT_EQ(ReadText(Path(c.file)), c.file);
    // Left by a writer that died after the folder's sweep: the next batch's.
    const std::string late = ".late" + Path(c.file).stem().string() + ".txt.kovtsave-abcdefghij02";
    WriteText(Path(c.file).parent_path() / late, "partial");
  }
  EXPECT_EQ(SortedEntries(Path("a")),
            (std::vector<std::string>{".late1.txt.kovtsave-abcdefghij02", ".late2.txt.kovtsave-abcdefghij02",
                                      "1.txt", "2.txt"}));
  // Folders gone before the flush: b with two of the files noted, c with none.
  fs::remove_all(Path("b"));
  fs::remove_all(Path("c"));
  const std::vector<kovt_platform::SaveBatch::Unflushed> unflushed = batch.Flush();
  ASSERT_EQ(unflushed.size(), 2u);
  EXPECT_EQ(unflushed[0].files, 2u);
  EXPECT_NE(unflushed[0].error.find(Path("b").string()), std::string::npos) << unflushed[0].error;
  EXPECT_EQ(unflushed[1].files, 0u);
  EXPECT_NE(unflushed[1].error.find(Path("c").string()), std::string::npos) << unflushed[1].error;
  EXPECT_TRUE(batch.Flush().empty()) << "each folder is flushed once";
}

TEST_F(AtomicFileTest, AWaiterLocksTheFileThatReplacedTheOneItWaitedFor) {
  WriteText(Path("d.txt"), "old");
  FileLock holder, waiter, latecomer;
  std::string error, waiterError;
  ASSERT_EQ(holder.Lock(Path("d.txt"), 0ms, error), FileLock::Result::Locked) << error;
  auto waited = std::async(std::launch::async, [&] { return waiter.Lock(Path("d.txt"), 10s, waiterError); });
  std::this_thread::sleep_for(100ms);  // the waiter now waits on the old file
  ASSERT_TRUE(Replace("d.txt", "new")) << error_;
  holder.Unlock();
  ASSERT_EQ(waited.get(), FileLock::Result::Locked) << waiterError;
  // The waiter holds the file under the name, so nobody else may have it.
  EXPECT_EQ(latecomer.Lock(Path("d.txt"), 0ms, error), FileLock::Result::Busy);
}

}  // namespace
