#include "cli/option_table.h"

#include <algorithm>
#include <string_view>

namespace tarnwick::cli {
namespace {

size_t EditDistance(std::string_view a, std::string_view b) {
  std::vector<size_t> row(b.size() + 1);
  for (size_t j = 0; j <= b.size(); ++j) row[j] = j;
  for (size_t i = 1; i <= a.size(); ++i) {
    size_t diagonal = row[0];
    row[0] = i;
    for (size_t j = 1; j <= b.size(); ++j) {
      const size_t above = row[j];
      row[j] = std::min({row[j] + 1, row[j - 1] + 1, diagonal + (a[i - 1] == b[j - 1] ? 0 : 1)});
      diagonal = above;
    }
  }
  return row[b.size()];
}

}  // namespace

std::vector<std::string> NamesOf(const OptionSpec& option) {
  std::vector<std::string> names;
  std::string_view rest = option.names;
  while (!rest.empty()) {
    const size_t comma = rest.find(',');
    names.emplace_back(rest.substr(0, comma));
    rest.remove_prefix(comma == std::string_view::npos ? rest.size() : comma + 1);
  }
  return names;
}

std::string MainName(const OptionSpec& option) { return NamesOf(option).front(); }

bool Names(const std::string& argument, const OptionSpec& option) {
  for (const std::string& name : NamesOf(option)) {
    if (argument == name || (name.starts_with("--") && argument.starts_with(name + "="))) {
      return true;
    }
  }
  return false;
}

std::optional<std::string> NearestOption(const std::string& typed) {
  std::optional<std::string> nearest;
  size_t best = 3;  // more than two edits away is no near miss
  for (const OptionSpec* option : kOptions) {
    for (const std::string& name : NamesOf(*option)) {
      if (!name.starts_with("--")) continue;
      const size_t distance = typed.size() > 3 && name.starts_with(typed)
                                  ? 1  // an abbreviation
                                  : EditDistance(typed, name);
      if (distance < best) {
        best = distance;
        nearest = name;
      }
    }
  }
  return nearest;
}

}  // namespace tarnwick::cli
