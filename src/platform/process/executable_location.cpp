#include "platform/process/executable_location.h"

namespace tarnwick::platform {

std::string WithoutExtension(const std::string& fileName) {
  const size_t dot = fileName.rfind('.');
  if (dot == std::string::npos || dot == 0) return fileName;
  return fileName.substr(0, dot);
}

}  // namespace tarnwick::platform
