#pragma once

// The trees the benchmarks run on, generated once under their folder and kept.
#include <algorithm>
#include <array>
#include <cstdio>
#include <string>

inline constexpr std::array<const char*, 5> kListedNames = {"Mscreate.dir", "Setup.log",
                                                            "Thumbs.db", "Desktop.ini",
                                                            "Install.tmp"};
inline constexpr int kTopDirectories = 60;

// `name` as it is (variant 0), upper-cased (1) or lower-cased (2).
std::string InCase(std::string name, long variant);

// The search tree: kTopDirectories directories, each holding an equal share of the leaf
// directories, about 14 files per leaf. File k lives in leaf k % leaves; every hundredth file
// carries a listed name in one of three letter cases, and a tenth of the files are hidden.
// The delete tree: 10 files per leaf, the first five of them listed names.
struct TreeShape {
  long files = 500000;
  bool half = false;  // the delete tree

  long filesPerLeaf() const { return half ? 10 : 14; }
  long leaves() const { return std::max<long>(kTopDirectories, files / filesPerLeaf()); }
  long leavesPerTop() const { return leaves() / kTopDirectories; }
  long usedLeaves() const { return leavesPerTop() * kTopDirectories; }

  std::string LeafPath(long leaf) const {
    char path[64];
    std::snprintf(path, sizeof path, "t%02ld/l%05ld", leaf / leavesPerTop(), leaf % leavesPerTop());
    return path;
  }

  bool IsMatch(long k) const { return half ? (k / usedLeaves()) < 5 : k % 100 == 0; }

  std::string FileName(long k) const {
    const long slot = k / usedLeaves();
    if (half && slot < 5) return InCase(kListedNames[slot], k % 3);
    if (!half && IsMatch(k)) {
      return InCase(kListedNames[slot % kListedNames.size()],
                    (slot / static_cast<long>(kListedNames.size())) % 3);
    }
    char name[32];
    std::snprintf(name, sizeof name, "%sfile%07ld.dat", k % 10 == 3 ? "." : "", k);
    return name;
  }

  std::string FilePath(const std::string& root, long k) const {
    return root + "/" + LeafPath(k % usedLeaves()) + "/" + FileName(k);
  }
};

// Makes the tree under `root` unless a complete one is there.
void Generate(const std::string& root, const TreeShape& shape);
// Makes every matching file again, after a pass took them.
void RestoreMatches(const std::string& root, const TreeShape& shape);
