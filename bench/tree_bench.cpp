// The delete pass over a generated tree: tarnwick-cli against GNU find on the same tree and
// against a bare walk that only reads every directory, warm cache, wall time and peak memory of
// each, several runs. The matching files are put back before every run, so each run finds and
// deletes the same files.
//
//   tree_bench --cli PATH --floor PATH --work DIR [--files N] [--runs R]
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

namespace {

constexpr std::array<const char*, 5> kListedNames = {"Mscreate.dir", "Setup.log", "Thumbs.db",
                                                     "Desktop.ini", "Install.tmp"};
constexpr int kTopDirectories = 60;

// The tree: kTopDirectories directories, each holding an equal share of the leaf directories,
// about 14 files per leaf. File k lives in leaf k % leaves; every hundredth file carries a
// listed name in one of three letter cases, and a tenth of the files are hidden.
struct TreeShape {
  long files = 500000;
  long leaves() const { return std::max<long>(kTopDirectories, files * 36000 / 500000); }
  long leavesPerTop() const { return leaves() / kTopDirectories; }
  long usedLeaves() const { return leavesPerTop() * kTopDirectories; }

  std::string LeafPath(long leaf) const {
    char path[64];
    std::snprintf(path, sizeof path, "t%02ld/l%05ld", leaf / leavesPerTop(), leaf % leavesPerTop());
    return path;
  }

  static bool IsMatch(long k) { return k % 100 == 0; }

  std::string FileName(long k) const {
    const long slot = k / usedLeaves();
    if (IsMatch(k)) {
      std::string name = kListedNames[slot % kListedNames.size()];
      const long variant = (slot / static_cast<long>(kListedNames.size())) % 3;
      for (char& c : name) {
        if (variant == 1) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        if (variant == 2) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
      }
      return name;
    }
    char name[32];
    std::snprintf(name, sizeof name, "%sfile%07ld.dat", k % 10 == 3 ? "." : "", k);
    return name;
  }
};

void Fail(const std::string& what) {
  std::perror(what.c_str());
  std::exit(1);
}

void CreateFile(const std::string& path) {
  const int fd = ::open(path.c_str(), O_CREAT | O_WRONLY | O_CLOEXEC, 0644);
  if (fd < 0) Fail(path);
  ::close(fd);
}

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
  for (long k = 0; k < shape.files; ++k) {
    CreateFile(root + "/" + shape.LeafPath(k % shape.usedLeaves()) + "/" + shape.FileName(k));
  }
  CreateFile(marker);
}

// The bytes of every path that the pass collects.
double CollectedPathMegabytes(const std::string& root, const TreeShape& shape) {
  double bytes = 0;
  for (long k = 0; k < shape.files; ++k) {
    bytes += static_cast<double>(root.size() + 2 + shape.LeafPath(k % shape.usedLeaves()).size() +
                                 shape.FileName(k).size());
  }
  return bytes / (1024 * 1024);
}

void RestoreMatches(const std::string& root, const TreeShape& shape) {
  for (long k = 0; k < shape.files; k += 100) {
    CreateFile(root + "/" + shape.LeafPath(k % shape.usedLeaves()) + "/" + shape.FileName(k));
  }
}

struct Measurement {
  double seconds = 0;
  double peakMegabytes = 0;
};

Measurement Measure(const std::vector<std::string>& command) {
  const auto start = std::chrono::steady_clock::now();
  const pid_t child = ::fork();
  if (child == 0) {
    const int null = ::open("/dev/null", O_WRONLY);
    ::dup2(null, STDOUT_FILENO);
    std::vector<char*> argv;
    for (const auto& argument : command) argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    ::execvp(argv[0], argv.data());
    ::_exit(127);
  }
  int status = 0;
  struct rusage usage {};
  ::wait4(child, &status, 0, &usage);
  const auto end = std::chrono::steady_clock::now();
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
    std::fprintf(stderr, "%s failed with status %d\n", command[0].c_str(), status);
    std::exit(1);
  }
  return {std::chrono::duration<double>(end - start).count(), usage.ru_maxrss / 1024.0};
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
  std::string cli, floor, work;
  TreeShape shape;
  int runs = 3;
  for (int i = 1; i + 1 < argc; i += 2) {
    const std::string option = argv[i];
    if (option == "--cli") cli = argv[i + 1];
    else if (option == "--floor") floor = argv[i + 1];
    else if (option == "--work") work = argv[i + 1];
    else if (option == "--files") shape.files = std::atol(argv[i + 1]);
    else if (option == "--runs") runs = std::atoi(argv[i + 1]);
  }
  if (cli.empty() || floor.empty() || work.empty() || shape.files <= 0 || runs <= 0) {
    std::fprintf(stderr,
                 "usage: tree_bench --cli PATH --floor PATH --work DIR [--files N] [--runs R]\n");
    return 2;
  }

  ::mkdir(work.c_str(), 0755);
  const std::string root = work + "/tree-" + std::to_string(shape.files);
  const std::string settings = work + "/bench.ini";
  Generate(root, shape);
  {
    std::ofstream file(settings, std::ios::trunc);
    file << "[Kelvane Tarnwick]\nFiles=" << kListedNames.size() << "\n";
    for (size_t i = 0; i < kListedNames.size(); ++i) file << "Eintrag" << i << "=" << kListedNames[i] << "\n";
  }

  std::vector<std::string> findCommand = {"find", root, "("};
  for (size_t i = 0; i < kListedNames.size(); ++i) {
    if (i > 0) findCommand.push_back("-o");
    findCommand.insert(findCommand.end(), {"-iname", kListedNames[i]});
  }
  findCommand.insert(findCommand.end(), {")", "-delete"});
  const std::vector<std::string> cliCommand = {cli, "--settings", settings, "--root", root};

  // One untimed pass of each, so that every timed run finds the tree in the cache.
  Measure({floor, root});
  RestoreMatches(root, shape);
  Measure(cliCommand);

  std::vector<double> cliTimes, findTimes, floorTimes, cliPeaks;
  for (int run = 0; run < runs; ++run) {
    RestoreMatches(root, shape);
    const Measurement ours = Measure(cliCommand);
    RestoreMatches(root, shape);
    const Measurement theirs = Measure(findCommand);
    const Measurement bare = Measure({floor, root});
    std::printf("  run %d: tarnwick-cli %.3f s (peak %.1f MB)   find %.3f s (peak %.1f MB)   "
                "bare walk %.3f s\n",
                run + 1, ours.seconds, ours.peakMegabytes, theirs.seconds, theirs.peakMegabytes,
                bare.seconds);
    cliTimes.push_back(ours.seconds);
    findTimes.push_back(theirs.seconds);
    floorTimes.push_back(bare.seconds);
    cliPeaks.push_back(ours.peakMegabytes);
  }
  const double cli_ = Median(cliTimes), find_ = Median(findTimes), floor_ = Median(floorTimes);
  const double pathMegabytes = CollectedPathMegabytes(root, shape);
  const double memoryLimit = 2 * pathMegabytes + 16;
  std::printf("%ld files, median of %d runs: tarnwick-cli %.3f s = %.3f us/file\n", shape.files,
              runs, cli_, cli_ * 1e6 / static_cast<double>(shape.files));
  std::printf("  tarnwick-cli / find      = %.2f (target <= 0.50)\n", cli_ / find_);
  std::printf("  tarnwick-cli / bare walk = %.2f (target <= 1.30)\n", cli_ / floor_);
  std::printf("  peak memory %.1f MB, limit 2 x %.1f MB of paths + 16 MB = %.1f MB (%s)\n",
              Median(cliPeaks), pathMegabytes, memoryLimit,
              Median(cliPeaks) <= memoryLimit ? "within" : "OVER");
  RestoreMatches(root, shape);
  return 0;
}
