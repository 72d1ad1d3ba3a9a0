// POSIX: the signals that end a session (SIGTERM, SIGINT, SIGHUP) turned into an event the
// program handles as closing its window.
#pragma once

namespace tarnwick::platform {

// POSIX only. From now on SIGTERM, SIGINT and SIGHUP (shutdown, logout, kill, Ctrl-C) no longer
// end the program at once: each writes one byte to the pipe whose reading end this returns, so
// the event loop can end the program the way closing its window does. -1 when no pipe could be
// made; the signals then keep their usual effect.
int CatchTerminationSignals();

}  // namespace tarnwick::platform
