// How long a delete pass goes without giving its front end a chance to process events: the
// longest gap between two observer calls, while walking and while matching and deleting, over
// a tree that tree_bench generated.
//
//   pass_response --settings FILE --root DIR
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>

#include "core/app_state.h"
#include "core/name_list_store.h"
#include "engine/delete_pass.h"

namespace {

using Clock = std::chrono::steady_clock;

class GapRecorder : public tarnwick::engine::PassObserver {
 public:
  bool OnWalkProgress(const tarnwick::engine::WalkProgress&) override {
    Record(walkGap_);
    return true;
  }
  bool OnDeleteProgress(uint64_t, uint64_t) override {
    Record(deleteGap_);
    return true;
  }
  void Finish() { Record(deleteGap_); }

  double WalkMilliseconds() const { return Milliseconds(walkGap_); }
  double DeleteMilliseconds() const { return Milliseconds(deleteGap_); }

 private:
  void Record(Clock::duration& longest) {
    const auto now = Clock::now();
    longest = std::max(longest, now - last_);
    last_ = now;
  }
  static double Milliseconds(Clock::duration d) {
    return std::chrono::duration<double, std::milli>(d).count();
  }

  Clock::time_point last_ = Clock::now();
  Clock::duration walkGap_{};
  Clock::duration deleteGap_{};
};

}  // namespace

int main(int argc, char** argv) {
  using namespace tarnwick;
  core::AppState state;
  state.AppTitle = core::kAppTitle;
  for (int i = 1; i + 1 < argc; i += 2) {
    const std::string option = argv[i];
    if (option == "--settings") state.SettingsPath = argv[i + 1];
    else if (option == "--root") state.SearchRoot = argv[i + 1];
  }
  core::NameList names;
  core::LoadNameList(state, names);
  if (state.SearchRoot.empty() || names.Count() == 0) {
    std::fprintf(stderr, "usage: pass_response --settings FILE --root DIR (with a listed name)\n");
    return 2;
  }
  GapRecorder recorder;
  engine::PassRequest request;
  request.root = state.SearchRoot;
  request.names = names;
  request.observer = &recorder;
  const auto report = engine::DeleteListedFiles(request, engine::BindHelperObjects());
  recorder.Finish();
  std::printf("  longest time without events: walk %.1f ms, matching and deleting %.1f ms "
              "(target <= 100 ms; %llu files deleted)\n",
              recorder.WalkMilliseconds(), recorder.DeleteMilliseconds(),
              static_cast<unsigned long long>(report->deleted));
  return 0;
}
