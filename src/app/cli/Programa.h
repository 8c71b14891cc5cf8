#pragma once

#include <QStringList>

namespace Quorvane::Cli {

// The whole run of quorvane-cli for its arguments (without the program name); returns the exit
// status. Everything it opens is closed again when it returns.
int ExecutarPrograma(const QStringList& argumentos);

} // namespace Quorvane::Cli
