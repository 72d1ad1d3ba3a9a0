#include "gui/win32/folder_chooser.h"

#include <shlobj.h>

namespace tarnwick::gui::win32 {

using platform::Narrow;
using platform::Wide;

std::optional<std::string> ChooseFolder(HWND owner, const std::string& caption,
                                        const std::string& start) {
  const std::wstring title = Wide(caption);
  const std::wstring initial = Wide(start);
  BROWSEINFOW browse{};
  browse.hwndOwner = owner;
  browse.lpszTitle = title.c_str();
  browse.ulFlags = BIF_RETURNONLYFSDIRS | BIF_NEWDIALOGSTYLE;
  browse.lpfn = [](HWND chooser, UINT message, LPARAM, LPARAM start) -> int {
    if (message == BFFM_INITIALIZED) ::SendMessageW(chooser, BFFM_SETSELECTIONW, TRUE, start);
    return 0;
  };
  browse.lParam = reinterpret_cast<LPARAM>(initial.c_str());
  const HRESULT com = ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);  // the new-style chooser needs it
  PIDLIST_ABSOLUTE chosen = ::SHBrowseForFolderW(&browse);
  std::optional<std::string> folder;
  if (chosen != nullptr) {
    wchar_t path[32768];
    if (::SHGetPathFromIDListEx(chosen, path, 32768, GPFIDL_DEFAULT)) folder = Narrow(path);
    ::CoTaskMemFree(chosen);
  }
  if (SUCCEEDED(com)) ::CoUninitialize();
  return folder;
}

}  // namespace tarnwick::gui::win32
