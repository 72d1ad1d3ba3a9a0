// The system's folder chooser for the Win32 views.
#pragma once

#include "platform/windows/windows_support.h"  // windows.h first

#include <optional>
#include <string>

namespace tarnwick::gui::win32 {

// The system's folder chooser over `owner`, opening at `start`; nothing when it was cancelled.
std::optional<std::string> ChooseFolder(HWND owner, const std::string& caption,
                                        const std::string& start);

}  // namespace tarnwick::gui::win32
