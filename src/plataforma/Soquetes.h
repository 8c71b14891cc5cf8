#pragma once

// The socket interface each system names its own way; the same calls behind it.
#ifdef _WIN32
#include <winsock2.h>
#include <ws2tcpip.h>
#else
#include <arpa/inet.h>
#include <netdb.h>
#include <netinet/in.h>
#include <sys/socket.h>
#endif

#include <functional>

namespace Quorvane {

// Whether the socket interface can be used: Windows answers nothing until a process starts it.
bool SoquetesDisponiveis();

// Calls `visitar` with each address of this machine's interfaces until it returns true; whether
// one did.
bool AlgumEnderecoDasInterfaces(const std::function<bool(const sockaddr*)>& visitar);

} // namespace Quorvane
