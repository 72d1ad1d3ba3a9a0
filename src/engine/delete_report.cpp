#include "engine/delete_report.h"

namespace tarnwick::engine {

void DeleteReport::Name(std::string_view path, std::error_code error, NamedPath::Kind kind) {
  if (named.size() < kPathsNamed) named.push_back({std::string(path), error, kind});
}

}  // namespace tarnwick::engine
