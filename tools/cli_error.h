// How kovtset ends: a failure the user should read is thrown as CliError,
// printed once by main and turned into exit code 1.
#pragma once

#include <stdexcept>
#include <string>

inline constexpr int kExitOk = 0;
inline constexpr int kExitFailure = 1;
inline constexpr int kExitUsage = 2;

class CliError : public std::runtime_error {
 public:
  explicit CliError(const std::string& message) : std::runtime_error(message) {}
};
