#pragma once

#include <string>
#include <vector>

namespace tarnwick::platform {

// The command-line text that follows the program's name, empty when there is none. POSIX hands
// the program separate arguments, which are joined by single blanks; on Windows it is the
// text the system keeps, quotes included, and `arguments` is not used.
std::string CommandLineText(const std::vector<std::string>& arguments);

// The program's arguments, without its name, in UTF-8 whatever the system's code page.
std::vector<std::string> ProgramArguments(int argc, char** argv);

}  // namespace tarnwick::platform
