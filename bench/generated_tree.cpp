#include "generated_tree.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cctype>
#include <cstdlib>

std::string InCase(std::string name, long variant) {
  for (char& c : name) {
    if (variant == 1) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    if (variant == 2) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  }
  return name;
}

namespace {

void Fail(const std::string& what) {
  std::perror(what.c_str());
  std::exit(1);
}

void CreateFile(const std::string& path) {
  const int fd = ::open(path.c_str(), O_CREAT | O_WRONLY | O_CLOEXEC, 0644);
  if (fd < 0) Fail(path);
  ::close(fd);
}

}  // namespace

void Generate(const std::string& root, const TreeShape& shape) {
  const std::string marker = root + "/.complete";
  if (::access(marker.c_str(), F_OK) == 0) return;
  std::printf("generating %ld files in %ld directories under %s\n", shape.files,
              shape.usedLeaves() + kTopDirectories, root.c_str());
  std::fflush(stdout);
  std::system(("rm -rf '" + root + "'").c_str());
  if (::mkdir(root.c_str(), 0755) != 0) Fail(root);
  for (long top = 0; top < kTopDirectories; ++top) {
    char name[16];
    std::snprintf(name, sizeof name, "/t%02ld", top);
    if (::mkdir((root + name).c_str(), 0755) != 0) Fail(root + name);
  }
  for (long leaf = 0; leaf < shape.usedLeaves(); ++leaf) {
    const std::string path = root + "/" + shape.LeafPath(leaf);
    if (::mkdir(path.c_str(), 0755) != 0) Fail(path);
  }
  for (long k = 0; k < shape.files; ++k) CreateFile(shape.FilePath(root, k));
  CreateFile(marker);
}

void RestoreMatches(const std::string& root, const TreeShape& shape) {
  for (long k = 0; k < shape.files; ++k) {
    if (shape.IsMatch(k)) CreateFile(shape.FilePath(root, k));
  }
}

