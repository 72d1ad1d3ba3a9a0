#include "platform/process/command_line.h"
#include "platform/windows/windows_support.h"  // windows.h before the headers that build on it

#include <shellapi.h>

namespace tarnwick::platform {

std::string CommandLineText(const std::vector<std::string>& /*arguments*/) {
  return TextAfterProgramName(::GetCommandLineW());
}

std::string TextAfterProgramName(std::wstring_view line) {
  // The program's name ends at the closing quote when it is quoted, else at the first blank.
  size_t position = 0;
  if (!line.empty() && line[0] == L'"') {
    const size_t closing = line.find(L'"', 1);
    position = closing == std::wstring_view::npos ? line.size() : closing + 1;
  } else {
    position = std::min(line.find_first_of(L" \t"), line.size());
  }
  while (position < line.size() && (line[position] == L' ' || line[position] == L'\t')) ++position;
  std::wstring_view text = line.substr(position);
  if (text.size() >= 2 && text.front() == L'"' && text.back() == L'"' &&
      text.find(L'"', 1) == text.size() - 1) {
    text = text.substr(1, text.size() - 2);
  }
  return Narrow(text);
}

std::vector<std::string> ProgramArguments(int /*argc*/, char** /*argv*/) {
  // argv holds the arguments in the 8-bit code page, which loses characters; the wide command
  // line has them all.
  int count = 0;
  wchar_t** wide = ::CommandLineToArgvW(::GetCommandLineW(), &count);
  std::vector<std::string> arguments;
  for (int i = 1; wide != nullptr && i < count; ++i) arguments.push_back(Narrow(wide[i]));
  ::LocalFree(wide);
  return arguments;
}

}  // namespace tarnwick::platform
