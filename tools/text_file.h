// Whole text files, for the JSON documents of export and import.
#pragma once

#include <string>

// "-" reads standard input. Throws a CliError naming the file.
std::string ReadTextFile(const std::string& file);
// Atomic like a drawing save: written beside the file, then renamed over it.
void WriteTextFile(const std::string& file, const std::string& text);
