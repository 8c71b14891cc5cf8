#pragma once

#include <QString>

namespace Quorvane {

// How the client reads a database path or connection string (CAMINHO).

// A path the client opens on this machine: no "host:" or "host/port:" prefix, no "inet://"-style
// protocol, no "\\host\" share. Only such a path is tried through the machine's own server first.
bool EhCaminhoLocal(const QString& caminho);

// The database file on this machine that CAMINHO names, as a path, when it names one: a local
// path itself, or the file part of a connection to this machine (localhost, 127.x.x.x, ::1).
// Empty for a database on another machine.
QString ArquivoDoBancoNestaMaquina(const QString& caminho);

} // namespace Quorvane
