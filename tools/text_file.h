// Whole text files, for the JSON documents of export and import.
#pragma once

#include <string>

// "-" reads standard input. Throws a CliError naming the file.
std::string ReadTextFile(const std::string& file);
// Replaced whole like a drawing save; throws a CliError naming the file.
void WriteTextFile(const std::string& file, const std::string& text);
