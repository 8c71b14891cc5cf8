#pragma once

#include "Connection.h"

#include <functional>

namespace Quorvane {

class EncerramentoPorSinal;

// The window program from start to end. The connection comes first, before the application and
// any window: a failed one is the single start-up message (on standard error, and in the error
// box where a screen shows it) and the end, with status 1. Then the main window runs until it
// closes.
//   prepararTela: whether a screen can show windows; it creates the application when it says yes.
//   encerramento: ends the loops on SIGTERM/SIGINT/SIGHUP once the application exists (optional).
int ExecutarJanelas(const OpcoesConexao& opcoes, const std::function<bool()>& prepararTela,
                    EncerramentoPorSinal* encerramento = nullptr);

} // namespace Quorvane
