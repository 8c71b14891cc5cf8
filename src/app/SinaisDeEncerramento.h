#pragma once

namespace Quorvane {

// SIGTERM, SIGINT and SIGHUP (a session's log-out, Ctrl+C, a closed terminal) are written, as
// one byte holding the signal's number, to a pipe: the only thing a handler may safely do. The
// program reads the other end where it can act on them.
//
// Returns the read end (non-blocking), or -1 when no pipe could be made. Each call puts the
// handlers in place again: the Firebird client puts handlers of its own on these signals when it
// loads, which shut the client down on a thread of theirs and then call the ones that were there
// before.
int InstalarSinaisDeEncerramento();

} // namespace Quorvane
