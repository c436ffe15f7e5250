// A drawing file held for the length of one command, and the scope that makes
// a drawing the host's working database (what the module's settings work on).
#pragma once

#include <filesystem>
#include <memory>
#include <string>

#include "platform/detail/file_lock.h"

class PnDbDatabase;

class Drawing {
 public:
  enum class Reading {
    // Every object at once: a damaged one is refused on opening.
    Whole,
    // Each object when first needed; the others are saved as the file holds
    // them. For a command that needs few of them: the checksum and the
    // records are still checked on opening.
    OnDemand,
  };

  // Reads `file`; throws CliError naming the file and the reason.
  static std::unique_ptr<Drawing> Open(const std::filesystem::path& file, Reading reading = Reading::Whole);
  // Same, for a command that changes it: the file stays locked against other
  // writers until the Drawing ends. Waits for another writer up to
  // KOVTSET_LOCK_WAIT seconds (default 10), then throws CliError.
  static std::unique_ptr<Drawing> OpenToChange(const std::filesystem::path& file, Reading reading = Reading::Whole);
  // A new default drawing that Save writes to `file`.
  static std::unique_ptr<Drawing> Create(const std::filesystem::path& file);
  // Drops what the module keeps about the drawing, since the next drawing
  // may be given the same address.
  ~Drawing();
  Drawing(const Drawing&) = delete;
  Drawing& operator=(const Drawing&) = delete;

  PnDbDatabase* Database() const { return m_database.get(); }
  const std::filesystem::path& File() const { return m_file; }
  // The file as messages name it.
  std::string Name() const { return m_file.string(); }

  // Throws a CliError naming the object when one read on demand was found
  // damaged: what opening the whole drawing would have said.
  void RequireUndamaged() const;
  // Saves atomically to File(): on failure (a CliError) the file is as it was.
  void Save() const;

 private:
  Drawing(std::unique_ptr<PnDbDatabase> database, std::filesystem::path file);

  std::unique_ptr<PnDbDatabase> m_database;
  std::filesystem::path m_file;
  kovt_platform::FileLock m_lock;
};

// Makes `drawing` the working database until the scope ends, then restores
// the one before.
class WorkingDrawing {
 public:
  explicit WorkingDrawing(const Drawing& drawing);
  ~WorkingDrawing();
  WorkingDrawing(const WorkingDrawing&) = delete;
  WorkingDrawing& operator=(const WorkingDrawing&) = delete;

 private:
  PnDbDatabase* m_previous;
};
