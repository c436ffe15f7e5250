#include "tools/text_table.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace {

// Characters rather than bytes, so that accented names line up: every byte
// but the continuation bytes of UTF-8 (10xxxxxx). Cells are mostly ASCII, so
// eight bytes are looked at together and counted one by one only when one of
// them is not.
std::size_t DisplayWidth(const std::string& text) {
  constexpr std::uint64_t kHighBits = 0x8080808080808080;
  const auto continuation = [](char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; };
  std::size_t width = text.size(), at = 0;
  for (; at + 8 <= text.size(); at += 8) {
    std::uint64_t word;
    std::memcpy(&word, text.data() + at, sizeof word);
    if ((word & kHighBits) != 0)
      width -= static_cast<std::size_t>(std::count_if(text.data() + at, text.data() + at + 8, continuation));
  }
  return width - static_cast<std::size_t>(std::count_if(text.data() + at, text.data() + text.size(), continuation));
}

}  // namespace

void PrintTable(std::ostream& out, const std::vector<TextRow>& rows) {
  // The width of each cell, row after row, and the widest of each column.
  std::vector<std::size_t> cells, widths;
  std::size_t bytes = 0;
  for (const TextRow& row : rows) {
    if (widths.size() < row.size()) widths.resize(row.size(), 0);
    for (std::size_t column = 0; column < row.size(); ++column) {
      cells.push_back(DisplayWidth(row[column]));
      widths[column] = std::max(widths[column], cells.back());
      bytes += row[column].size();
    }
  }
  // The table goes out in one piece: a write per cell costs more than the cells.
  std::string text;
  text.reserve(bytes + rows.size() * (2 * widths.size() + 1));
  auto cell = cells.begin();
  for (const TextRow& row : rows) {
    const std::size_t start = text.size();
    for (std::size_t column = 0; column < row.size(); ++column, ++cell) {
      text += row[column];
      if (column + 1 < row.size()) text.append(widths[column] - *cell + 2, ' ');
    }
    // Empty trailing cells would leave blanks at the end of the line.
    while (text.size() > start && text.back() == ' ') text.pop_back();
    text += '\n';
  }
  out << text;
}
