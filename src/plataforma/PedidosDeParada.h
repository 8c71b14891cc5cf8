#pragma once

namespace Quorvane {

// The system's requests that the process stop, each numbered as the Linux signal that asks the
// same: 15 (SIGTERM, a session's log-out or a shutdown), 2 (SIGINT, Ctrl+C), 1 (SIGHUP, a closed
// terminal); on Windows also 21 (SIGBREAK, Ctrl+Break), as Windows' own C library numbers it.
//
// `aoPedir` runs inside a signal handler on Linux (only async-signal-safe calls) and on a thread
// of the system's on Windows.
using AoPedirParada = void (*)(int sinal);

// Puts `aoPedir` first in line for these requests, again on each call: the Firebird client puts
// answers of its own in when it loads, and from then on only ours must answer. A request the
// process was started ignoring (nohup's SIGHUP, a console's Ctrl+C turned off for the process
// group) stays ignored.
//
// On Windows, after a closed console, a log-off or a shutdown the system ends the process as soon
// as the answer returns: the answer then waits, for the program's orderly end or the forced one.
void InstalarPedidosDeParada(AoPedirParada aoPedir);

// Ends the process at once with `codigo`, running nothing of the program's or of its libraries
// (whatever it is held in, a lock included, may never be released).
[[noreturn]] void TerminarProcessoJa(int codigo);

} // namespace Quorvane
