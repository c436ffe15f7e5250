#include "tools/text_table.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace {

// Characters rather than bytes, so that accented names line up: every byte
// but the continuation bytes of UTF-8 (10xxxxxx). Cells are mostly ASCII, so
// eight bytes are looked at together and counted one by one only when one of
// them is not.
std::size_t DisplayWidth(std::string_view text) {
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
  // Rows without cells still print, as empty lines.
  std::size_t columns = 1, bytes = 0;
  for (const TextRow& row : rows) {
    columns = std::max(columns, row.size());
    for (const std::string& cell : row) bytes += cell.size();
  }
  TextTable table(columns);
  table.Reserve(rows.size() * columns, bytes);
  for (const TextRow& row : rows) {
    for (const std::string& cell : row) table.Add(cell);
    for (std::size_t column = row.size(); column < columns; ++column) table.EndCell();
  }
  table.Print(out);
}

void TextTable::Reserve(std::size_t cells, std::size_t bytes) {
  m_ends.reserve(cells);
  m_text.reserve(bytes);
}

void TextTable::Print(std::ostream& out) const {
  if (m_columns == 0) return;
  const std::size_t rows = m_ends.size() / m_columns;
  // The width of each cell, row after row, and the widest of each column.
  std::vector<std::size_t> widths(m_ends.size()), widest(m_columns, 0);
  for (std::size_t cell = 0, start = 0; cell < rows * m_columns; start = m_ends[cell++]) {
    widths[cell] = DisplayWidth(std::string_view(m_text).substr(start, m_ends[cell] - start));
    widest[cell % m_columns] = std::max(widest[cell % m_columns], widths[cell]);
  }
  // The table goes out in one piece: a write per cell costs more than the cells.
  std::string text;
  text.reserve(m_text.size() + rows * (2 * m_columns + 1));
  for (std::size_t row = 0, start = 0; row < rows; ++row) {
    const std::size_t lineStart = text.size();
    for (std::size_t column = 0; column < m_columns; ++column) {
      const std::size_t cell = row * m_columns + column;
      text.append(m_text, start, m_ends[cell] - start);
      start = m_ends[cell];
      if (column + 1 < m_columns) text.append(widest[column] - widths[cell] + 2, ' ');
    }
    // Empty trailing cells would leave blanks at the end of the line.
    while (text.size() > lineStart && text.back() == ' ') text.pop_back();
    text += '\n';
  }
  out << text;
}
