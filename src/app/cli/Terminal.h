#pragma once

#include <QString>

namespace Quorvane::Cli {

// One message and a line break, UTF-8, on standard error (unbuffered: it goes out at once).
void MostrarErro(const QString& mensagem);
// The same from the forced end, around stdio: the program may be held inside a write to standard
// error (a paused terminal, a full pipe), holding its lock. Left out when standard error takes
// nothing within a moment.
void MostrarErroSemEsperar(const QString& mensagem);
// Text on standard output, UTF-8, as it is.
void MostrarTexto(const QString& texto);
bool SaidaDeErrosEhTerminal();

} // namespace Quorvane::Cli
