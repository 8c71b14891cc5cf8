#pragma once

#include <QString>
#include <QStringList>

namespace Quorvane {

// The command line of the desktop's default application for a file type, chosen as "gio open"
// chooses it (the default, else the first application registered for the type), with the file
// in it as its desktop entry says; empty when the desktop has none.
QStringList ComandoDoAplicativoPadrao(const QString& tipoMime, const QString& arquivo);

// A desktop entry's Exec line split into arguments, its field codes replaced: %f and %F by the
// file, %u and %U by its URL, %% by %, the others dropped; the file at the end when no code
// names it. Empty when the line cannot be read.
QStringList ArgumentosDoExec(const QString& exec, const QString& arquivo);

} // namespace Quorvane
