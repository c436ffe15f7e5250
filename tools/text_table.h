// Plain-text tables: columns separated by two spaces, each padded to its
// widest cell (the last column is not padded, so lines carry no trailing
// blanks).
#pragma once

#include <cstddef>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

using TextRow = std::vector<std::string>;

// A row may have fewer cells than the others: the rest are empty.
void PrintTable(std::ostream& out, const std::vector<TextRow>& rows);

// A table of `columns` columns filled cell after cell, row after row, all in
// one buffer: a table of hundreds of rows costs no string per cell.
class TextTable {
 public:
  explicit TextTable(std::size_t columns) : m_columns(columns) {}

  void Reserve(std::size_t cells, std::size_t bytes);
  void Add(std::string_view cell) {
    m_text += cell;
    EndCell();
  }
  // The next cell is what has been added to Text() since the last one ended.
  std::string& Text() { return m_text; }
  void EndCell() { m_ends.push_back(m_text.size()); }

  // Prints the rows whose cells are all there.
  void Print(std::ostream& out) const;

 private:
  std::size_t m_columns;
  std::string m_text;
  // Where each cell ends in m_text.
  std::vector<std::size_t> m_ends;
};
