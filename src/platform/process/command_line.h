// The command-line text the program was started with, as each system hands it over.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tarnwick::platform {

// The command-line text that follows the program's name, empty when there is none. POSIX hands
// the program separate arguments, which are joined by single blanks; on Windows it is the
// text the system keeps (TextAfterProgramName), and `arguments` is not used.
std::string CommandLineText(const std::vector<std::string>& arguments);

#ifdef _WIN32
// The text after the program's name in a Windows command line, as it stands, except that one
// pair of double quotes around all of it is removed: Explorer and "Send to" quote every path
// that holds a blank, and the quotes are no part of the path.
std::string TextAfterProgramName(std::wstring_view commandLine);
#endif

// The program's arguments, without its name, in UTF-8 whatever the system's code page.
std::vector<std::string> ProgramArguments(int argc, char** argv);

}  // namespace tarnwick::platform
