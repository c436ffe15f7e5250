#include "tests/support/golden_rows.h"

#include <gtest/gtest.h>

#include <fstream>

#include "platform/wide_string.h"

std::vector<GoldenRow> ReadGoldenRows(const std::string& path, std::size_t fields) {
  std::vector<GoldenRow> rows;
  std::ifstream file(std::string(KOVT_TESTS_DIR) + "/" + path);
  if (!file) {
    ADD_FAILURE() << "cannot read " << path;
    return rows;
  }
  std::string line;
  for (int number = 1; std::getline(file, line); ++number) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty() || line.front() == '#') continue;
    GoldenRow row;
    for (std::size_t start = 0;;) {
      const std::size_t tab = line.find('\t', start);
      std::string field = line.substr(start, tab - start);
      if (field.size() >= 2 && field.front() == '"' && field.back() == '"')
        field = field.substr(1, field.size() - 2);
      row.push_back(Utf8ToWide(field));
      if (tab == std::string::npos) break;
      start = tab + 1;
    }
    if (row.size() != fields) ADD_FAILURE() << path << ":" << number << " has " << row.size() << " fields";
    else rows.push_back(std::move(row));
  }
  return rows;
}

std::string Unescaped(const std::wstring& field) {
  std::string text(field.begin(), field.end()), bytes;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\\' || i + 1 == text.size()) {
      bytes += text[i];
    } else if (text[++i] == 'x') {
      bytes += static_cast<char>(std::stoi(text.substr(i + 1, 2), nullptr, 16));
      i += 2;
    } else {
      bytes += text[i] == 'n' ? '\n' : text[i] == 't' ? '\t' : text[i];
    }
  }
  return bytes;
}
