#include "platform/process/user_folders.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace tarnwick::platform {
namespace {

#ifndef _WIN32
TEST(IsSystemProgramFolder, TellsTheSystemsProgramFoldersFromTheUsersOwn) {
  const struct {
    const char* folder;
    bool system;
  } cases[] = {{"/usr/bin", true},      {"/usr/local/bin/", true}, {"/opt/tarnwick", true},
               {"/bin", true},          {"/home/anna/tools", false}, {"/usrx/bin", false},
               {"/media/usb/", false}};
  for (const auto& c : cases) EXPECT_EQ(IsSystemProgramFolder(c.folder), c.system) << c.folder;
}
#else
TEST(IsSystemProgramFolder, TellsTheSystemsAndTheUsersProgramFoldersFromOthers) {
  const std::string local = std::getenv("LOCALAPPDATA");
  const struct {
    std::string folder;
    bool system;
  } cases[] = {{std::string(std::getenv("ProgramFiles")) + "\\Tarnwick", true},
               {local + "\\Programs\\Tarnwick", true},  // installed for this user alone
               {local + "\\Temp\\Tarnwick", false},
               {"C:\\Werkzeuge\\Tarnwick", false}};
  for (const auto& c : cases) EXPECT_EQ(IsSystemProgramFolder(c.folder), c.system) << c.folder;
}
#endif

}  // namespace
}  // namespace tarnwick::platform
