// The console: whether output goes to a terminal, its width, and UTF-8 on Windows consoles.
#pragma once

#include <cstddef>

namespace tarnwick::platform {

// Whether standard output or standard error goes to a terminal; on standard error a status
// line can be rewritten in place.
bool StandardOutputIsTerminal();
bool StandardErrorIsTerminal();
// Whether standard input comes from a terminal, where someone can answer a question.
bool StandardInputIsTerminal();
// The width of that terminal in columns; 80 when it cannot be told.
size_t StandardErrorColumns();

// Lets a console show the program's UTF-8 output as such (Windows consoles default to an
// 8-bit code page); elsewhere output is UTF-8 already.
void UseUtf8Output();

// From now on the first Ctrl-C only raises a flag that a running pass reads, so it can stop
// cleanly and say what it did; a second Ctrl-C ends the program as usual.
void CatchInterrupt();
bool InterruptRequested();

}  // namespace tarnwick::platform
