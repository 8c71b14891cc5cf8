#pragma once

#include <QString>
#include <optional>

namespace Quorvane {

// Whether an IPv4 or IPv6 address written as text is one of this machine's: loopback, the
// "any" address, an IPv4-mapped one of those, or an address of one of its interfaces. Empty when
// the text is no address.
std::optional<bool> EnderecoEhDestaMaquina(const QString& texto);

// This machine's host name, in lower case; empty when the system gives none.
QString NomeDestaMaquina();

// Whether `nome` resolves to an address of this machine (may ask the name service).
bool NomeResolveParaEstaMaquina(const QString& nome);

} // namespace Quorvane
