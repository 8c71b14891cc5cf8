#pragma once

#include <QString>

namespace Quorvane::Cli {

// One message and a line break, UTF-8, on standard error (unbuffered: it goes out at once).
void MostrarErro(const QString& mensagem);
// Text on standard output, UTF-8, as it is.
void MostrarTexto(const QString& texto);
bool SaidaDeErrosEhTerminal();

} // namespace Quorvane::Cli
