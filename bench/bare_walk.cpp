// The floor for a delete pass: reads every directory of a tree once through directory handles
// (getdents64), and does nothing else. Prints the number of entries seen.
//   bare_walk ROOT
#include <dirent.h>
#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <vector>

namespace {

long Walk(int directory) {
  alignas(dirent64) char buffer[32768];
  long entries = 0;
  std::vector<int> children;
  for (;;) {
    const ssize_t length = ::getdents64(directory, buffer, sizeof buffer);
    if (length <= 0) break;
    for (ssize_t offset = 0; offset < length;) {
      const auto* record = reinterpret_cast<const dirent64*>(buffer + offset);
      offset += record->d_reclen;
      if (std::strcmp(record->d_name, ".") == 0 || std::strcmp(record->d_name, "..") == 0) continue;
      ++entries;
      if (record->d_type == DT_DIR) {
        const int child = ::openat(directory, record->d_name, O_RDONLY | O_DIRECTORY | O_NOFOLLOW);
        if (child >= 0) children.push_back(child);
      }
    }
  }
  for (const int child : children) {
    entries += Walk(child);
    ::close(child);
  }
  return entries;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) return 2;
  const int root = ::open(argv[1], O_RDONLY | O_DIRECTORY);
  if (root < 0) return 1;
  std::printf("%ld\n", Walk(root));
  return 0;
}
