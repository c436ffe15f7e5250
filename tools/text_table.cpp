#include "tools/text_table.h"

#include <algorithm>

namespace {

// Characters rather than bytes, so that accented names line up.
std::size_t DisplayWidth(const std::string& text) {
  return static_cast<std::size_t>(
      std::count_if(text.begin(), text.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

}  // namespace

void PrintTable(std::ostream& out, const std::vector<TextRow>& rows) {
  std::vector<std::size_t> widths;
  for (const TextRow& row : rows) {
    if (widths.size() < row.size()) widths.resize(row.size(), 0);
    for (std::size_t column = 0; column < row.size(); ++column)
      widths[column] = std::max(widths[column], DisplayWidth(row[column]));
  }
  for (const TextRow& row : rows) {
    std::string line;
    for (std::size_t column = 0; column < row.size(); ++column) {
      line += row[column];
      if (column + 1 < row.size()) line.append(widths[column] - DisplayWidth(row[column]) + 2, ' ');
    }
    // Empty trailing cells would leave blanks at the end of the line.
    line.erase(line.find_last_not_of(' ') + 1);
    out << line << '\n';
  }
}
