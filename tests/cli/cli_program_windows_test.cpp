// tarnwick-cli.exe itself, started as a user would start it, on a tree with read-only and
// hidden files.
#include <gtest/gtest.h>

#include <cctype>

#include "platform/process/executable_location.h"
#include "platform/windows/windows_support.h"
#include "support/temp_dir.h"
#include "support/windows_files.h"

namespace tarnwick {
namespace {

using tarnwick::testing::ReadFile;
using tarnwick::testing::Exists;
using tarnwick::testing::MakeDirectory;
using tarnwick::testing::MakeFile;
using tarnwick::testing::TempDir;
using tarnwick::testing::WriteFile;

// Runs the program beside this test with `arguments`; its standard output goes to `output`.
DWORD RunCli(const std::string& arguments, const std::string& output) {
  // The build gives the program's host path; Wine shows the host's root as drive Z:.
  std::string program = std::string("Z:") + TARNWICK_CLI_PROGRAM;
  for (char& c : program) c = c == '/' ? '\\' : c;
  std::wstring command = L"\"" + platform::Wide(program) + L"\" " + platform::Wide(arguments);
  SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
  const platform::ScopedHandle out(::CreateFileW(platform::Wide(output).c_str(), GENERIC_WRITE, 0,
                                                 &inherit, CREATE_ALWAYS, 0, nullptr));
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdOutput = out.get();
  startup.hStdError = out.get();
  PROCESS_INFORMATION process{};
  if (!::CreateProcessW(nullptr, command.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr,
                        &startup, &process)) {
    return 0xFFFFFFFF;
  }
  ::WaitForSingleObject(process.hProcess, INFINITE);
  DWORD status = 0;
  ::GetExitCodeProcess(process.hProcess, &status);
  ::CloseHandle(process.hThread);
  ::CloseHandle(process.hProcess);
  return status;
}

TEST(TarnwickCliExe, DeletesListedNamesReadOnlyAndHiddenIncluded) {
  TempDir dir;
  const std::string base = dir.path().string();
  const std::string settings = base + "\\tarnwick.ini";
  const std::string output = base + "\\output.txt";
  const std::string tree = base + "\\Baum";
  ASSERT_TRUE(MakeDirectory(tree));
  ASSERT_TRUE(MakeDirectory(tree + "\\Setup Dateien"));
  ASSERT_TRUE(MakeFile(tree + "\\Mscreate.dir", FILE_ATTRIBUTE_READONLY));
  ASSERT_TRUE(MakeFile(tree + "\\Setup Dateien\\MSCREATE.DIR", FILE_ATTRIBUTE_HIDDEN));
  ASSERT_TRUE(MakeFile(tree + "\\Setup Dateien\\setup.log", FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN));
  ASSERT_TRUE(MakeFile(tree + "\\Setup Dateien\\readme.txt", FILE_ATTRIBUTE_READONLY));

  ASSERT_EQ(RunCli("--settings \"" + settings + "\" --add Mscreate.dir", output), 0u);
  ASSERT_EQ(RunCli("--settings \"" + settings + "\" --add Setup.log", output), 0u);
  EXPECT_EQ(ReadFile(settings),
            "[Kelvane Tarnwick]\r\nFiles=2\r\nEintrag0=Mscreate.dir\r\nEintrag1=Setup.log\r\n");

  EXPECT_EQ(RunCli("--settings \"" + settings + "\" --root \"" + tree + "\"", output), 0u);
  // Standard output is in text mode: lines end as Windows ends them.
  EXPECT_EQ(ReadFile(output), "Es wurden '3' Dateien gefunden und gelöscht.   \r\n");
  EXPECT_FALSE(Exists(tree + "\\Mscreate.dir"));
  EXPECT_FALSE(Exists(tree + "\\Setup Dateien\\MSCREATE.DIR"));
  EXPECT_FALSE(Exists(tree + "\\Setup Dateien\\setup.log"));
  EXPECT_TRUE(Exists(tree + "\\Setup Dateien\\readme.txt"));

  EXPECT_EQ(RunCli("--settings \"" + settings + "\" --root \"" + base + "\\missing\"", output), 2u);
}

// These tests run in a Hindi locale, for which Wine gives the code page 65001 (UTF-8), as
// Windows 10 and 11 do when the user chooses UTF-8 for programs without Unicode support.
TEST(TarnwickCliExe, AnEntryItLeftAloneKeepsItsBytesUnderAUtf8CodePage) {
  ASSERT_EQ(::GetACP(), static_cast<UINT>(CP_UTF8));
  TempDir dir;
  const std::string settings = dir.path().string() + "\\tarnwick.ini";
  const std::string output = dir.path().string() + "\\output.txt";
  // Code page 1252's "Übersicht.txt": as UTF-8 it is no text.
  const std::string stored = "[Kelvane Tarnwick]\r\nFiles=1\r\nEintrag0=\xDC" "bersicht.txt\r\n";
  WriteFile(settings, stored);
  ASSERT_EQ(RunCli("--settings \"" + settings + "\" --list", output), 0u);
  EXPECT_EQ(ReadFile(output), "\xEF\xBF\xBD" "bersicht.txt\r\n");
  ASSERT_EQ(RunCli("--settings \"" + settings + "\" --add \xC3\x9C" "bersicht.txt", output), 0u);
  EXPECT_EQ(ReadFile(settings), "[Kelvane Tarnwick]\r\nFiles=2\r\nEintrag0=\xDC" "bersicht.txt\r\n"
                                "Eintrag1=\xC3\x9C" "bersicht.txt\r\n");
}

TEST(TarnwickCliExe, SharesTheSettingsFileOfTheProgramBesideIt) {
  TempDir dir;
  const std::string output = dir.path().string() + "\\output.txt";
  ASSERT_EQ(RunCli("--settings-path", output), 0u);
  std::string folder = std::string("Z:") + TARNWICK_CLI_PROGRAM;
  for (char& c : folder) c = c == '/' ? '\\' : c;
  folder.erase(folder.rfind('\\') + 1);
  // Not tarnwick-cli.ini: the list is the one tarnwick.exe keeps.
  std::string shown = ReadFile(output);
  for (char& c : shown) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  for (char& c : folder) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  EXPECT_EQ(shown, folder + "tarnwick.ini\r\n");
}

}  // namespace
}  // namespace tarnwick
