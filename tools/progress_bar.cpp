#include "tools/progress_bar.h"

#include <cstdio>

namespace {

constexpr std::size_t kWidth = 40;

}  // namespace

ProgressBar::ProgressBar(std::size_t total, bool shown) : m_total(total), m_shown(shown) { Draw(); }

ProgressBar::~ProgressBar() {
  if (m_shown) std::fputc('\n', stderr);
}

void ProgressBar::Update(std::size_t done) {
  m_done = done;
  Draw();
}

void ProgressBar::Message(const std::string& line) {
  // "\r\033[K" clears the bar's line before the message takes it.
  if (m_shown) std::fputs("\r\033[K", stderr);
  std::fprintf(stderr, "%s\n", line.c_str());
  Draw();
}

void ProgressBar::Draw() const {
  if (!m_shown) return;
  const std::size_t filled = m_total == 0 ? kWidth : m_done * kWidth / m_total;
  std::string bar(filled, '#');
  bar.append(kWidth - filled, '.');
  std::fprintf(stderr, "\r[%s] %zu/%zu", bar.c_str(), m_done, m_total);
  std::fflush(stderr);
}
