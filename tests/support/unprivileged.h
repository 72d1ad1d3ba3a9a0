#pragma once

#include <functional>

namespace tarnwick::testing {

// Runs `body` in a child process that, when the tests run as root, first drops to the
// unprivileged uid and gid 65534, so that permission checks apply. Returns the child's exit
// status (body's result), or -1 when the child did not exit normally.
int RunUnprivileged(const std::function<int()>& body);

}  // namespace tarnwick::testing
