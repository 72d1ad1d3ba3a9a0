// What the Recycle Bin's code shares: the shell's results as errors, and the
// shell's file operation that every move goes through, made by a function that tests replace
// with one of their own: Wine's shell does not recycle, so the batch logic is driven by a
// stand-in that behaves as the documentation says.
#pragma once

#include "platform/windows/windows_support.h"  // windows.h first

#include <shobjidl.h>

#include <functional>
#include <system_error>

#include "platform/trash/trash.h"
#include "platform/windows/com_support.h"

namespace tarnwick::platform {

// A shell result as an error: E_NOTIMPL as the trash offered by nobody, Win32 results as the
// system's errors.
inline std::error_code FromHresult(HRESULT result) {
  if (result == E_NOTIMPL) return make_error_code(TrashError::kNoTrashOffered);
  if (HRESULT_FACILITY(result) == FACILITY_WIN32) return WindowsError(HRESULT_CODE(result));
  return {static_cast<int>(result), std::system_category()};
}

using FileOperationMaker = std::function<HRESULT(IFileOperation** operation)>;

// A new operation: the shell's own (CLSID_FileOperation), or the replacement's.
HRESULT MakeFileOperation(IFileOperation** operation);

// Puts `maker` in the shell's place (an empty one puts the shell back); returns the one it
// replaces.
FileOperationMaker ReplaceFileOperationMaker(FileOperationMaker maker);

}  // namespace tarnwick::platform
