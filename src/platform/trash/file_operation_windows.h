#pragma once

// The shell's file operation that the Recycle Bin goes through, made by a function that tests
// replace with one of their own: Wine's shell does not recycle, so the batch logic is driven
// by a stand-in that behaves as the documentation says.
#include "platform/windows/windows_support.h"  // windows.h first

#include <shobjidl.h>

#include <functional>

namespace tarnwick::platform {

using FileOperationMaker = std::function<HRESULT(IFileOperation** operation)>;

// A new operation: the shell's own (CLSID_FileOperation), or the replacement's.
HRESULT MakeFileOperation(IFileOperation** operation);

// Puts `maker` in the shell's place (an empty one puts the shell back); returns the one it
// replaces.
FileOperationMaker ReplaceFileOperationMaker(FileOperationMaker maker);

}  // namespace tarnwick::platform
