// A one-line progress bar on standard error for batch commands, redrawn in
// place; messages printed meanwhile go above it.
#pragma once

#include <cstddef>
#include <string>

class ProgressBar {
 public:
  // Draws nothing unless `shown` (callers pass whether standard error is a terminal).
  ProgressBar(std::size_t total, bool shown);
  // Ends the bar's line.
  ~ProgressBar();
  ProgressBar(const ProgressBar&) = delete;
  ProgressBar& operator=(const ProgressBar&) = delete;

  // `done` items of the total are finished.
  void Update(std::size_t done);
  // Prints a line to standard error without breaking the bar.
  void Message(const std::string& line);

 private:
  void Draw() const;

  std::size_t m_total;
  std::size_t m_done = 0;
  bool m_shown;
};
