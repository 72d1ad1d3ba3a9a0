#include "platform/instance/instance_name.h"

#include <cstdint>
#include <cstdio>

namespace tarnwick::platform {

std::string InstanceName(const std::string& key) {
  // FNV-1a: stable across runs and builds, unlike std::hash.
  uint64_t hash = 14695981039346656037ull;
  for (const char c : key) {
    hash ^= static_cast<unsigned char>(c);
    hash *= 1099511628211ull;
  }
  char name[32];
  std::snprintf(name, sizeof name, "tarnwick-%016llx", static_cast<unsigned long long>(hash));
  return name;
}

}  // namespace tarnwick::platform
