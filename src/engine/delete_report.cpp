#include "engine/delete_report.h"

namespace tarnwick::engine {

void DeleteReport::NameFailure(std::string_view path, std::error_code error, bool folder) {
  if (failures.size() < kFailuresNamed) failures.push_back({std::string(path), error, folder});
}

}  // namespace tarnwick::engine
