#pragma once

#include <string>

// The texts of the Help and About boxes. Lines are joined by a single
// carriage return (character 13), with no line feed and nothing after the
// last line.
namespace help {

inline constexpr char kLineSeparator = '\r';

std::string help_text();
std::string about_text();

}  // namespace help
