// What the launch window makes of a path from the command line: the folder to search and the
// name to list.
#pragma once

#include <string>

namespace tarnwick::gui {

// The folder a delete pass searches for a path from the command line, ending in one separator:
// the folder the path names, or, for a path that names an existing file rather than a folder
// (a file manager hands those over too), the folder that holds the file, never one above it.
// On Windows the path as Windows resolves it ('/' and '\' alike, dots and blanks at its end
// dropped).
std::string SearchRootFor(std::string path);

// The file name the launch window's second button adds for a path: its last component, as the
// system resolves it.
std::string NameToListFor(const std::string& path);

}  // namespace tarnwick::gui
