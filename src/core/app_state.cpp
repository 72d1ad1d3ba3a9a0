#include "core/app_state.h"

#include "core/path_helpers.h"
#include "platform/process/user_folders.h"

namespace tarnwick::core {
namespace {

bool EndsWithExeExtension(const std::string& path) {
  if (path.size() < 4) return false;
  std::string extension = path.substr(path.size() - 4);
  for (char& c : extension) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return extension == ".exe";
}

std::string JoinPath(std::string folder, std::string_view name) {
  EnsureTrailingBackslash(folder);
  return folder.append(name);
}

}  // namespace

void InitAppPaths(AppState& state, const platform::ExecutableLocation& executable) {
  state.ExeName = platform::WithoutExtension(executable.fileName);
  // An unknown folder stays empty: a separator alone would name the file system's root.
  if (executable.directory.empty()) return;
  state.AppDir = executable.directory;
  EnsureTrailingBackslash(state.AppDir);
}

void InitSettingsPath(AppState& state,
                      [[maybe_unused]] const platform::ExecutableLocation& executable) {
  state.AppTitle = kAppTitle;
  if (executable.directory.empty()) {
    // Nothing beside an unknown program: the list is kept in the user's folder.
    const std::string userFolder = platform::UserSettingsFolder();
    if (!userFolder.empty()) state.SettingsPath = JoinPath(userFolder, "tarnwick.ini");
    return;
  }
#ifdef _WIN32
  // The long form keeps the letter case that the file system stores.
  const std::string executablePath = LongPathName(state.AppDir + state.ExeName + ".exe");
#else
  // On a case-sensitive file system only the real path names the right file.
  std::string directory = executable.directory;
  EnsureTrailingBackslash(directory);
  const std::string executablePath = directory + executable.fileName;
#endif
  const std::string besideProgram = SettingsPathFor(executablePath);
  std::string userFolder;
  if (IsInstalledCopy(executable.directory)) userFolder = platform::UserSettingsFolder();
  if (userFolder.empty()) {
    state.SettingsPath = besideProgram;
    return;
  }
  state.SettingsPath = JoinPath(userFolder, "tarnwick.ini");
  state.SettingsFallbackPath = besideProgram;
}

bool IsInstalledCopy(const std::string& programFolder) {
  return programFolder.empty() || !platform::FolderIsWritable(programFolder) ||
         platform::IsSystemProgramFolder(programFolder);
}

std::vector<std::string> ProgramFiles(const AppState& state) {
#ifdef _WIN32
  constexpr const char* kExecutableSuffix = ".exe";
#else
  constexpr const char* kExecutableSuffix = "";
#endif
  std::vector<std::string> files = {state.SettingsPath};
  if (!state.SettingsFallbackPath.empty()) files.push_back(state.SettingsFallbackPath);
  for (const char* program : {"tarnwick", "tarnwick-cli"}) {
    files.push_back(state.AppDir + program + kExecutableSuffix);
  }
  return files;
}

std::string SettingsPathFor(const std::string& executablePath) {
  if (EndsWithExeExtension(executablePath)) {
    return executablePath.substr(0, executablePath.size() - 3) + "ini";
  }
  return executablePath + ".ini";
}

}  // namespace tarnwick::core
