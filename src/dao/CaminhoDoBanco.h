#pragma once

#include <QString>

namespace Quorvane {

// How the client reads a database path or connection string (CAMINHO).

// A path the client opens on this machine: no "host:" or "host/port:" prefix, no "inet://"-style
// protocol, no "\\host\" share. Only such a path is tried through the machine's own server first.
bool EhCaminhoLocal(const QString& caminho);

// The server a connection string names ("host", "::1"), without port or brackets; empty for a
// local path or a form whose server cannot be told.
QString ServidorDoCaminho(const QString& caminho);

// Whether `servidor` names this machine: localhost, a loopback address (IPv4-mapped too), the
// machine's host name or an address of one of its interfaces; with `resolverNomes`, also any name
// that resolves to one of those (which may ask the name service).
bool EhEstaMaquina(const QString& servidor, bool resolverNomes = false);

// The database file on this machine that CAMINHO names, as a path, when it names one: a local
// path itself, or the file part of a connection to this machine ("localhost:", "127.0.0.1/3050:",
// "inet://host:port//path", the machine's own name). Empty for a database on another machine or
// an alias, which only the server can resolve.
QString ArquivoDoBancoNestaMaquina(const QString& caminho);

} // namespace Quorvane
