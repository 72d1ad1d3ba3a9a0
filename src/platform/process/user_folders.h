// The user's folders (home, settings) and whether a folder is a system program folder.
#pragma once

#include <string>

namespace tarnwick::platform {

// Whether this user may create files in the folder.
bool FolderIsWritable(const std::string& folder);

// Whether the folder is where the system keeps installed programs: below /usr, /bin, /sbin,
// /opt or /snap on POSIX; below Program Files, the Windows folder or a user's own programs
// folder (%LOCALAPPDATA%\Programs) on Windows. Root (or an administrator, or the user in their
// own programs folder) may write there, but it is no folder for a list beside the program.
bool IsSystemProgramFolder(const std::string& folder);

// The user's home folder; empty when the system names none.
std::string UserHomeFolder();

// The folder for this program's settings in the user's own profile, not created here:
// $XDG_CONFIG_HOME/tarnwick (default ~/.config/tarnwick) on POSIX, %APPDATA%\Tarnwick on
// Windows. Empty when the system names no such place.
std::string UserSettingsFolder();

}  // namespace tarnwick::platform
