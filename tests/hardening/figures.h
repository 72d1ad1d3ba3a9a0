#pragma once

#include <cstdint>
#include <string>

namespace tarnwick::hardening {

// Adds `value` to the suite's figure `name` (passes run, swaps made, ...). The figures go to
// the file named by TARNWICK_HARDENING_FIGURES, one "name<TAB>value" line each, where the
// suite's summary adds them up; they are also recorded with the test.
void ReportFigure(const std::string& name, uint64_t value);

}  // namespace tarnwick::hardening
