#pragma once

#include <string>

namespace tarnwick::testing {

// Builds a chain of `depth` directories named "d" below `top`, with a file `fileName` in the
// deepest one and, when `every` is positive, in every `every`-th level as well. A chain this
// deep is longer than the system's path limit, so it is built and taken down by handles.
// Returns false when a step fails.
bool MakeDeepTree(const std::string& top, int depth, const std::string& fileName, int every = 0);

// Takes such a chain down again, whatever files its levels still hold.
bool RemoveDeepTree(const std::string& top, int depth);

}  // namespace tarnwick::testing
