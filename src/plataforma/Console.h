#pragma once

#include <QIODevice>
#include <QString>

#include <memory>

namespace Quorvane {

// Standard output and standard error, where a person may be reading: a terminal on Linux, a
// console on Windows (whose code page is seldom UTF-8, so text goes to it as UTF-16). Anywhere
// else (a file, a pipe) they take UTF-8 bytes.
enum class FluxoPadrao { Saida, Erros };

// Called once at start-up: on Windows, standard output and standard error take the bytes as they
// are, so that a report sent through them is the same file as one written by name (no line ends
// turned into CR LF).
void PrepararFluxosPadrao();

// Whether a person reads it: a terminal, a console.
bool EhTerminal(FluxoPadrao fluxo);
// The same for a descriptor of the C library (QFile::handle()).
bool DescritorEhTerminal(int descritor);

// Writes all of `texto`, in order with what went before through stdio.
void EscreverTexto(FluxoPadrao fluxo, const QString& texto);

// Writes `texto` around stdio, for when the program may be held inside a write to the same place
// (a paused terminal, a full pipe), holding its lock: left out when nothing is taken within a
// moment.
void EscreverSemEsperar(FluxoPadrao fluxo, const QString& texto);

// A device that takes UTF-8 and shows it on the console `fluxo` is; null where `fluxo` takes the
// bytes as they are (always on Linux, whose terminals read UTF-8).
std::unique_ptr<QIODevice> DispositivoDoConsole(FluxoPadrao fluxo);

} // namespace Quorvane
