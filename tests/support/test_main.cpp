// googletest's main, which first leaves a mark that the program started: the Wine wrapper
// tells a start that Wine gave up on from a test that ran and failed by it.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
  if (const char* mark = std::getenv("TARNWICK_TEST_STARTED"); mark != nullptr && *mark != '\0') {
    if (std::FILE* file = std::fopen(mark, "w")) std::fclose(file);
#ifdef _WIN32
    // Wine's errors were asked for this program's start; the programs a test starts print
    // what the test reads, so theirs stay quiet.
    _putenv("WINEDEBUG=-all");
#endif
  }
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
