#pragma once

#include <string>

namespace tarnwick::gui {

// The folder a delete pass searches for a path from the command line: the path itself, ending
// in one separator; for a path that names an existing file rather than a folder (a file manager
// hands those over too), the folder that holds the file.
std::string SearchRootFor(std::string path);

}  // namespace tarnwick::gui
