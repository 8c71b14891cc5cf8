#pragma once

#include "Opcoes.h"

namespace Quorvane::Cli {

// Before anything connects: refuses an output that would destroy what it replaces: a file that
// holds a Firebird database (whatever its name), the audited database named by CAMINHO, the
// Config.ini or the baseline (by any path or link), or the other output. Throws ErroUso naming it.
void ConferirSaidas(const OpcoesCli& opcoes);

// Whether --output or --xlsx names a file (not standard output).
bool HaSaidaEmArquivo(const OpcoesCli& opcoes);

// Once connected: refuses an output that is the database's file as its server names it (empty
// when the server is not on this machine), which no spelling of CAMINHO may hide.
void ConferirSaidasContraOBanco(const OpcoesCli& opcoes, const QString& arquivoDoBanco);

} // namespace Quorvane::Cli
