// Load and save of a list of 10,000 names through the settings file.
#include <benchmark/benchmark.h>
#include <stdlib.h>
#include <unistd.h>

#include <string>

#include "core/name_list_store.h"

namespace {

using namespace tarnwick;

constexpr int kEntries = 10000;

core::AppState StateInTemporaryDirectory() {
  std::string directory = "/tmp/tarnwick-bench-XXXXXX";
  if (::mkdtemp(directory.data()) == nullptr) std::abort();
  core::AppState state;
  state.AppTitle = core::kAppTitle;
  state.SettingsPath = directory + "/tarnwick.ini";
  return state;
}

void RemoveSettingsAndDirectory(const core::AppState& state) {
  ::unlink(state.SettingsPath.c_str());
  ::rmdir(state.SettingsPath.substr(0, state.SettingsPath.rfind('/')).c_str());
}

core::NameList ManyNames() {
  core::NameList names;
  for (int i = 0; i < kEntries; ++i) names.Append("Datei" + std::to_string(i) + ".tmp");
  return names;
}

void BM_SaveNameList(benchmark::State& benchmarkState) {
  const core::AppState state = StateInTemporaryDirectory();
  const core::NameList names = ManyNames();
  for (auto _ : benchmarkState) {
    if (core::SaveNameList(state, names)) benchmarkState.SkipWithError("save failed");
  }
  RemoveSettingsAndDirectory(state);
}

void BM_LoadNameList(benchmark::State& benchmarkState) {
  const core::AppState state = StateInTemporaryDirectory();
  if (core::SaveNameList(state, ManyNames())) benchmarkState.SkipWithError("save failed");
  for (auto _ : benchmarkState) {
    core::NameList names;
    if (core::LoadNameList(state, names) != kEntries) benchmarkState.SkipWithError("load failed");
    benchmark::DoNotOptimize(names);
  }
  RemoveSettingsAndDirectory(state);
}

BENCHMARK(BM_SaveNameList)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadNameList)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
