// The program-wide state of a run (its folders, its settings file, where a pass starts, its
// switches) and how start-up fills it.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/process/executable_location.h"

namespace tarnwick::core {

// Section name of the settings file and the default title of messages.
inline constexpr const char* kAppTitle = "Kelvane Tarnwick";

// The program-wide state, one instance for the whole run.
struct AppState {
  std::string AppDir;           // the executable's directory, ending in one separator
  std::string AppTitle;         // kAppTitle once the settings path is set
  std::string ExeName;          // the executable's file name without its extension
  std::string SettingsPath;     // the settings file that holds the list
  std::string SettingsFallbackPath;  // read instead while SettingsPath does not exist yet
  std::string CommandLinePath;  // the command-line text, when there is one
  std::string SearchRoot;       // where the delete pass starts, ending in one separator
  bool AskForSearchRoot = false;  // an installed copy started without a folder: each pass asks
  bool UseTrash = false;          // a pass moves the files it finds to the trash
  bool LookFirst = false;         // a pass shows what it found, to choose from, before it acts
};

// Fills AppDir and ExeName from where the executable lives. An executable whose folder
// could not be determined (an empty directory) leaves AppDir empty.
void InitAppPaths(AppState& state, const platform::ExecutableLocation& executable);

// Fills AppTitle and SettingsPath: the executable's path with the extension "ini" for a copy in
// a folder the user can write. An installed copy, whose folder the user cannot write, keeps the
// list in the user's own settings folder instead, and reads the file beside the executable
// (a list shipped with the program) until the user's own file exists. A program whose folder
// is unknown keeps its list in the user's settings folder.
void InitSettingsPath(AppState& state, const platform::ExecutableLocation& executable);

// Whether the program runs as an installed copy: from a folder the user cannot write, or from
// the system's program folders. Such a copy keeps its list in the user's own settings folder
// and never searches its own folder by default; so does a program whose folder is unknown
// (empty).
bool IsInstalledCopy(const std::string& programFolder);

// The files a delete pass must never delete: the settings file in use (and the one it falls
// back on) and both programs in AppDir.
std::vector<std::string> ProgramFiles(const AppState& state);

// The settings file of an executable: a ".exe" extension (any letter case) becomes ".ini";
// a name without it, as programs have on POSIX, gets ".ini" appended.
std::string SettingsPathFor(const std::string& executablePath);

}  // namespace tarnwick::core
