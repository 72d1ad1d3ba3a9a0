#include "platform/trash/recycle_bin_info.h"

#include <cstdint>
#include <cstring>
#include <utility>

#include "platform/windows/windows_support.h"

namespace tarnwick::platform {
namespace {

constexpr size_t kHead = 8 + 8 + 8;  // version, size, time of deletion
constexpr size_t kVersion1Units = 260;

template <typename Number>
Number Read(std::string_view bytes, size_t at) {
  Number value{};
  std::memcpy(&value, bytes.data() + at, sizeof value);  // little-endian, as Windows writes it
  return value;
}

// `units` UTF-16 units from `at`, up to the first NUL, which must be among them.
std::optional<std::string> PathAt(std::string_view bytes, size_t at, size_t units) {
  if (units == 0 || bytes.size() < at + units * 2) return std::nullopt;
  std::wstring path;
  for (size_t unit = 0; unit < units; ++unit) {
    const wchar_t c = Read<uint16_t>(bytes, at + unit * 2);
    if (c == L'\0') return path.empty() ? std::nullopt : std::optional(Narrow(path));
    path += c;
  }
  return std::nullopt;
}

}  // namespace

std::optional<RecycledInfo> ReadRecycledInfo(std::string_view bytes) {
  if (bytes.size() < kHead) return std::nullopt;
  std::optional<std::string> origin;
  switch (Read<uint64_t>(bytes, 0)) {
    case 1:
      if (bytes.size() != kHead + kVersion1Units * 2) return std::nullopt;
      origin = PathAt(bytes, kHead, kVersion1Units);
      break;
    case 2: {
      if (bytes.size() < kHead + 4) return std::nullopt;
      const uint32_t units = Read<uint32_t>(bytes, kHead);
      if (bytes.size() != kHead + 4 + size_t{units} * 2) return std::nullopt;
      origin = PathAt(bytes, kHead + 4, units);
      break;
    }
    default:
      return std::nullopt;
  }
  if (!origin) return std::nullopt;
  return RecycledInfo{std::move(*origin), Read<uint64_t>(bytes, 8)};
}

std::optional<std::string> InfoNameOf(std::string_view recycledName) {
  if (!recycledName.starts_with("$R") || recycledName.size() < 3) return std::nullopt;
  return "$I" + std::string(recycledName.substr(2));
}

}  // namespace tarnwick::platform
