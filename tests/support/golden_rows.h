// Golden data kept in UTF-8 text files below the tests folder: one row per line,
// its fields separated by tabs. Blank lines and lines starting with '#' are
// skipped; a field in double quotes is a text and loses its quotes, so that
// empty texts and trailing blanks show.
#pragma once

#include <string>
#include <vector>

using GoldenRow = std::vector<std::wstring>;

// The rows of `path`, relative to the tests folder of the source tree. An
// unreadable file or a row of another width than `fields` fails the test.
std::vector<GoldenRow> ReadGoldenRows(const std::string& path, std::size_t fields);
// A field as bytes, its escapes \n, \t, \\ and \xNN resolved.
std::string Unescaped(const std::wstring& field);
