// Plain-text tables: columns separated by two spaces, each padded to its
// widest cell (the last column is not padded, so lines carry no trailing
// blanks).
#pragma once

#include <ostream>
#include <string>
#include <vector>

using TextRow = std::vector<std::string>;

void PrintTable(std::ostream& out, const std::vector<TextRow>& rows);
