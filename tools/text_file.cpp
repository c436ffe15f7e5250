#include "tools/text_file.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <iostream>
#include <iterator>
#include <sstream>

#include "platform/detail/atomic_file.h"
#include "tools/cli_error.h"

std::string ReadTextFile(const std::string& file) {
  if (file == "-") return std::string(std::istreambuf_iterator<char>(std::cin), std::istreambuf_iterator<char>());
  std::ifstream in(file, std::ios::binary);
  if (!in) throw CliError("cannot open " + file + ": " + std::strerror(errno));
  std::ostringstream text;
  text << in.rdbuf();
  if (in.bad()) throw CliError("cannot read " + file);
  return text.str();
}

void WriteTextFile(const std::string& file, const std::string& text) {
  std::string error;
  if (!kovt_platform::ReplaceFileContents(file, text, error)) throw CliError("cannot write " + file + ": " + error);
}
