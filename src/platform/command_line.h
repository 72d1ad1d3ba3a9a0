#pragma once

#include <string>
#include <vector>

namespace tarnwick::platform {

// The command-line text that follows the program's name. POSIX hands the program separate
// arguments; they are joined by single blanks. Empty when there are none.
std::string CommandLineText(const std::vector<std::string>& arguments);

}  // namespace tarnwick::platform
