#include "tools/text_file.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <sstream>

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
  const std::string temporary = file + ".writing-" + std::to_string(::getpid());
  {
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    if (!out || !out.write(text.data(), static_cast<std::streamsize>(text.size())).flush()) {
      const std::string why = std::strerror(errno);
      std::error_code ignored;
      std::filesystem::remove(temporary, ignored);
      throw CliError("cannot write " + file + ": " + why);
    }
  }
  std::error_code ec;
  std::filesystem::rename(temporary, file, ec);
  if (ec) {
    const std::string why = ec.message();
    std::filesystem::remove(temporary, ec);
    throw CliError("cannot write " + file + ": " + why);
  }
}
